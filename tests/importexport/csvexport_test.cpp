// File > Export to .CSV: the text byte for byte, the save sequence, and the
// way back through the CSV import.

#include "importexport/CsvExport.h"

#include <QCheckBox>

#include "importexport/exchange_support.h"
#include "importexport/frmExportWizard.h"

namespace exchange_test {
namespace {

class CsvExport : public ExchangeTest {
 protected:
  void SetUp() override {
    // Comments with one and several commas, one opening with a quote (in row 3,
    // unused: no mode), one that is a comma alone; a comma in a middle column.
    const std::tuple<int, const char*, const char*, const char*, const char*> rows[] = {
        {1, "146.520", "FM", "", "Caf\xE9, \"n\""},
        {2, "162.550", "FM", "12,5 KHz", "NOAA WX, Ch 1, 162,550,"},
        {3, "1.000", "", "", "\"a, b"},
        {400, "", "FM", "", ","},
        {401, "118.000", "AM", "", ""}};
    for (const auto& [row, freq, mode, step, comments] : rows) {
      for (const auto& [col, text] :
           {std::pair{ColFreq, freq}, {ColMode, mode}, {ColStep, step}, {ColComments, comments}})
        g_.grid.SetTextMatrix(row, col, text);
    }
  }
  std::string Export(bool number, bool unused, bool quotes) {
    return GetExportData(g_.form, ExportOptions{number, unused, quotes});
  }
};

TEST_F(CsvExport, TextByteForByte) {
  // Without "Use Quotes" only the cells that hold a comma or a quote are
  // quoted; inside quotes every quote is written twice.
  EXPECT_EQ(Export(true, false, false),
            "#,Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone,Comments\r\n"
            "0-00,146.520,FM,,,,,,,\"Caf\xE9, \"\"n\"\"\"\r\n"
            "0-01,162.550,FM,,\"12,5 KHz\",,,,,\"NOAA WX, Ch 1, 162,550,\"\r\n"
            "7-49,,FM,,,,,,,\",\"\r\n0A,118.000,AM,,,,,,,\r\n");
  EXPECT_EQ(
      Export(false, false, true),
      "\"Freq\",\"Mode\",\"Skip\",\"Step\",\"RPT SH\",\"Shift\",\"TSQL\",\"Tone\","
      "\"Comments\"\r\n\"146.520\",\"FM\",\"\",\"\",\"\",\"\",\"\",\"\",\"Caf\xE9, \"\"n\"\"\"\r\n"
      "\"162.550\",\"FM\",\"\",\"12,5 KHz\",\"\",\"\",\"\",\"\",\"NOAA WX, Ch 1, 162,550,\"\r\n"
      "\"\",\"FM\",\"\",\"\",\"\",\"\",\"\",\"\",\",\"\r\n"
      "\"118.000\",\"AM\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
  const std::string all = Export(true, true, false);
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 451);
  EXPECT_NE(all.find("\r\n0-02,1.000,,,,,,,,\"\"\"a, b\"\r\n"), std::string::npos);
  g_.grid.SetTextMatrix(1, ColComments, "end\"");  // a quote without a comma is quoted too
  EXPECT_NE(Export(true, false, false).find(",\"end\"\"\"\r\n"), std::string::npos);
  g_.form.initgrid();
  EXPECT_EQ(Export(true, false, false),
            "#,Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone,Comments\r\n");
}

TEST_F(CsvExport, EveryOptionRoundTripsThroughTheImport) {
  // Labelled files return to their rows, packed ones fill the top rows in
  // the order they were written; every cell comes back whole, commas and
  // quotes and all.
  const char* const quoted[] = {"Say \"hi\", ok", "5\" dish, big", "\"",    "\"\"",  "\"quoted\"",
                                "a\"\"b",         "x\",y",         "end\"", "\",\"", "\"\"\","};
  const auto fill = [&] {
    for (int k = 0; k < static_cast<int>(std::size(quoted)); ++k) {
      g_.grid.SetTextMatrix(10 + k, ColMode, k % 2 ? "\"AM" : "FM");
      g_.grid.SetTextMatrix(10 + k, ColComments, quoted[k]);
    }
  };
  fill();
  std::vector<std::string> before(kGridRows);
  std::vector<int> used;
  for (int r = 1; r < kGridRows; ++r) {
    before[r] = Row(r);
    if (g_.form.IsRowUsed(r)) used.push_back(r);
  }
  for (int options = 0; options < 8; ++options) {
    const bool number = options & 1, unused = options & 2, quotes = options & 4;
    const std::string text = Export(number, unused, quotes) + "\r\n";
    std::vector<std::string> expected(kGridRows, "||||||||");
    for (std::size_t k = 0; k < used.size(); ++k)
      expected[number ? used[k] : static_cast<int>(k) + 1] = before[used[k]];
    if (unused) expected = before;
    g_.form.initgrid();
    ImportText(text);
    for (int r = 1; r < kGridRows; ++r)
      EXPECT_EQ(Row(r), expected[r])
          << "number " << number << " unused " << unused << " quotes " << quotes << " row " << r;
    g_.form.initgrid();
    SetUp();
    fill();
  }
}

TEST_F(CsvExport, SaveSequence) {
  frmExportWizard wizard(g_.form);
  const std::string expected = wizard.GetExportData() + "\r\n";
  EXPECT_EQ(ExportFileName("/home/my.data/list"), "/home/my.data/list");
  dialogs_.Choose(File("list"));  // no point: ".csv" appended
  wizard.Command4_Click();
  EXPECT_EQ(Read("list.csv"), expected);
  EXPECT_EQ(wizard.result(), QDialog::Accepted);

  // An existing file: No asks again, Cancel there writes nothing; Cancel at
  // the question writes nothing; Yes replaces.
  Write("old.csv", "old");
  dialogs_.Choose(File("old"));
  boxes_.Answer(vbNo, "old.csv already exists.\r\nDo you want to replace it?");
  dialogs_.Cancel();
  dialogs_.Choose(File("old.csv"));
  boxes_.Answer(vbCancel);
  wizard.Command4_Click();
  wizard.Command4_Click();
  EXPECT_EQ(Read("old.csv"), "old");
  Write("caf\xC3\xA9.csv", "old");  // the box takes code-page bytes
  dialogs_.Choose(File("caf\xC3\xA9.csv"));
  boxes_.Answer(vbCancel, "caf\xE9.csv already exists");
  wizard.Command4_Click();
  dialogs_.Choose(File("old.csv"));
  boxes_.Answer(vbYes);
  wizard.Command4_Click();
  EXPECT_EQ(Read("old.csv"), expected);

  frmExportWizard stays(g_.form);  // a write that fails is reported, the dialog stays
  dialogs_.Choose(File("n\xC3\xB6-such-folder/list.csv"));
  boxes_.Answer(vbOK, "n\xF6-such-folder/list.csv could not be written");
  stays.Command4_Click();
  EXPECT_NE(stays.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace exchange_test
