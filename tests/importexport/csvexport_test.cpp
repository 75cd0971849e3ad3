// File > Export to .CSV: the text byte for byte, the save sequence, and the
// way back through the CSV import.

#include "importexport/CsvExport.h"

#include <QCheckBox>

#include "importexport/exchange_support.h"
#include "importexport/frmExportWizard.h"

namespace exchange_test {
namespace {

const std::string kHeaderRow = "#,Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone,Comments\r\n";

class CsvExport : public ExchangeTest {
 protected:
  void SetUp() override {
    g_.grid.SetTextMatrix(1, ColFreq, "146.520");
    g_.grid.SetTextMatrix(1, ColMode, "FM");
    g_.grid.SetTextMatrix(1, ColComments, "Caf\xE9, \"north\"");  // é in Windows-1252
    g_.grid.SetTextMatrix(3, ColFreq, "1.000");                   // no mode: unused
    g_.grid.SetTextMatrix(401, ColFreq, "118.000");
    g_.grid.SetTextMatrix(401, ColMode, "AM");
  }
  std::string Export(bool number, bool unused, bool quotes) {
    return GetExportData(g_.form, ExportOptions{number, unused, quotes});
  }
};

TEST_F(CsvExport, TextByteForByte) {
  EXPECT_EQ(Export(true, false, false),
            kHeaderRow + "0-00,146.520,FM,,,,,,,Caf\xE9, \"north\"\r\n0A,118.000,AM,,,,,,,\r\n");
  EXPECT_EQ(Export(false, false, true),
            "\"Freq\",\"Mode\",\"Skip\",\"Step\",\"RPT SH\",\"Shift\",\"TSQL\",\"Tone\","
            "\"Comments\"\r\n"
            "\"146.520\",\"FM\",\"\",\"\",\"\",\"\",\"\",\"\",\"Caf\xE9, \"north\"\"\r\n"
            "\"118.000\",\"AM\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
  const std::string all = Export(true, true, false);
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 451);
  EXPECT_NE(all.find("\r\n0-02,1.000,,,,,,,,\r\n"), std::string::npos);
  g_.form.initgrid();
  EXPECT_EQ(Export(true, false, false), kHeaderRow);
}

TEST_F(CsvExport, RoundTripThroughTheImport) {
  // Labelled files return to their rows; packed ones move to the top rows.
  // A comment holding a comma comes back cut at it.
  struct Case {
    bool number, unused, quotes;
    int row1, row401;  // where rows 1 and 401 come back
  };
  const Case cases[] = {{true, false, false, 1, 401},
                        {true, true, true, 1, 401},
                        {false, false, true, 1, 2},
                        {false, true, false, 1, 401}};
  const std::string row1 = Row(1), row401 = Row(401);
  for (const Case& c : cases) {
    const std::string text = Export(c.number, c.unused, c.quotes) + "\r\n";
    g_.form.initgrid();
    ImportText(text);
    EXPECT_EQ(Row(c.row1), "146.520|FM|||||||Caf\xE9") << c.number << c.unused << c.quotes;
    EXPECT_EQ(Row(c.row401), row401) << c.number << c.unused << c.quotes;
    SetUp();
  }
  EXPECT_EQ(Row(1), row1);
}

TEST_F(CsvExport, SaveSequence) {
  frmExportWizard wizard(g_.form);
  const std::string expected = wizard.GetExportData() + "\r\n";
  // A name without a point gets ".csv"; a point anywhere in the path counts.
  EXPECT_EQ(ExportFileName("/tmp/list"), "/tmp/list.csv");
  EXPECT_EQ(ExportFileName("/tmp/list.txt"), "/tmp/list.txt");
  EXPECT_EQ(ExportFileName("/home/my.data/list"), "/home/my.data/list");

  dialogs_.Choose(File("list"));
  wizard.Command4_Click();
  EXPECT_EQ(Read("list.csv"), expected);
  EXPECT_EQ(wizard.result(), QDialog::Accepted);

  // An existing file: No asks again, Cancel there writes nothing anywhere.
  Write("old.csv", "old");
  dialogs_.Choose(File("old"));
  boxes_.Answer(vbNo, "old.csv already exists.\r\nDo you want to replace it?");
  dialogs_.Cancel();
  wizard.Command4_Click();
  EXPECT_EQ(Read("old.csv"), "old");
  EXPECT_EQ(boxes_.Calls().at(0).title, "Save As");
  // Cancel at the prompt, then Yes.
  dialogs_.Choose(File("old.csv"));
  boxes_.Answer(vbCancel);
  wizard.Command4_Click();
  EXPECT_EQ(Read("old.csv"), "old");
  dialogs_.Choose(File("old.csv"));
  boxes_.Answer(vbYes);
  wizard.Command4_Click();
  EXPECT_EQ(Read("old.csv"), expected);
}

TEST_F(CsvExport, FailedWriteIsReportedAndTheDialogStays) {
  frmExportWizard wizard(g_.form);
  wizard.Check3->setChecked(true);
  dialogs_.Choose(File("no-such-folder/list.csv"));
  boxes_.Answer(vbOK, "could not be written");
  wizard.Command4_Click();
  EXPECT_NE(wizard.result(), QDialog::Accepted);
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(File("no-such-folder/list.csv"))));
}

}  // namespace
}  // namespace exchange_test
