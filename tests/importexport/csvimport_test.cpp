// File > Import From .CSV: the own CSV layout back into its rows, anything
// else as one frequency a line; files that are not as expected.

#include <QAction>

#include "importexport/CsvText.h"
#include "importexport/exchange_support.h"

namespace exchange_test {
namespace {

const char* const kHeader = "#,Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone,Comments\r\n";
const char* const kClub = "146.520|FM|OFF|5 KHz|SIMP|0.000|OFF|88.5|Club";

struct LayoutCase {
  const char* firstLine;
  CsvLayout expected;
};
const LayoutCase kLayouts[] = {
    {"#,Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone,Comments", CsvLayout::Labelled},
    {"\"#\",\"FREQ\",\"Mode\",\"Skip\",\"Step\",\"RPT SH\",\"Shift\",\"TSQL\",\"Tone\"",
     CsvLayout::Labelled},
    {"Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone", CsvLayout::Packed},
    {"No.,Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone,Comments", CsvLayout::Packed},
    {"#,Freq,Mode,Skip,Step,RPT SH,Shift,TSQL", CsvLayout::NotCsv},  // Tone missing
    {"#;Freq;Mode;Skip;Step;RPT SH;Shift;TSQL;Tone", CsvLayout::NotCsv},
    {"146.520", CsvLayout::NotCsv},
};
TEST(CsvLayout, HeaderDecidesLayout) {
  for (const LayoutCase& c : kLayouts)
    EXPECT_EQ(CsvLayoutOf(c.firstLine), c.expected) << c.firstLine;
}

struct SplitCase {
  const char* line;
  std::vector<std::string> fields;
};
const SplitCase kSplits[] = {
    {"\"146.520\",FM", {"146.520", "FM"}},
    {"a,\"x,y\",b", {"a", "x", "y", "b"}},    // a quote protects no comma
    {"\"\"\"\",\" sp \"", {"\"\"", " sp "}},  // one quote off each end only
    {",,", {"", "", ""}},
};
TEST(CsvLayout, FieldsLoseOneOuterQuote) {
  for (const SplitCase& c : kSplits) EXPECT_EQ(SplitCsvFields(c.line), c.fields) << c.line;
}

using CsvImport = ExchangeTest;

struct FileCase {
  const char* what;
  std::string bytes;
  std::vector<std::pair<int, std::string>> rows;  // row, expected cells
};

TEST_F(CsvImport, FilesLandInTheirRows) {
  const std::string club = "146.520,FM,OFF,5 KHz,SIMP,0.000,OFF,88.5,Club";
  const FileCase cases[] = {
      {"labelled",
       std::string(kHeader) + "3-07," + club + "\r\n12a," + club + "\r\n",
       {{158, kClub}, {425, kClub}, {1, "||||||||"}}},
      {"packed skips blank and empty lines",
       "Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone,Comments\r\n\r\n  EMPTY \r\n" + club + "\r\n" +
           club + "\r\n",
       {{1, kClub}, {2, kClub}, {3, "||||||||"}}},
      {"LF only with a byte-order mark",
       "\xEF\xBB\xBF#,Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone,Comments\n0-00," + club + "\n",
       {{1, kClub}}},
      {"CR only",
       "#,Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone,Comments\r0-01," + club + "\r",
       {{2, kClub}}},
      {"short line writes what it has",
       std::string(kHeader) + "0-02,147.000,AM\r\n",
       {{3, "147.000|AM|||||||"}}},
      {"unknown label skipped, long line cut",
       std::string(kHeader) + "9-99," + club + "\r\n0-03," + club + ",extra,more\r\n",
       {{4, kClub}}},
  };
  for (const FileCase& c : cases) {
    g_.form.initgrid();
    ImportText(c.bytes);
    for (const auto& [row, cells] : c.rows) EXPECT_EQ(Row(row), cells) << c.what << " row " << row;
  }
}

TEST_F(CsvImport, PackedRowsPastTheLastAreDropped) {
  std::string text = "Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone,Comments\r\n";
  for (int i = 1; i <= 460; ++i) text += std::to_string(i) + ".000,FM\r\n";
  ImportText(text);
  EXPECT_EQ(g_.grid.TextMatrix(450, ColFreq), "450.000");
  EXPECT_EQ(g_.grid.Rows(), kGridRows);
}

TEST_F(CsvImport, PlainTextAppendsAfterTheLastUsedRow) {
  struct Case {
    int lastUsed;  // 0: none
    int lines;
    int firstRow, lastRow;
  };
  const Case cases[] = {{0, 3, 1, 3}, {10, 2, 11, 12}, {399, 1, 400, 400}, {399, 60, 400, 450}};
  for (const Case& c : cases) {
    g_.form.initgrid();
    if (c.lastUsed) g_.Use(c.lastUsed);
    std::string text;
    for (int i = 0; i < c.lines; ++i) text += "Repeater at 146.94 MHz\r\n";
    ImportText(text);
    EXPECT_EQ(g_.grid.TextMatrix(c.firstRow, ColFreq), "146.940") << c.lastUsed;
    EXPECT_EQ(g_.grid.TextMatrix(c.lastRow, ColFreq), "146.940") << c.lastUsed;
    if (c.lastRow < 450) {
      EXPECT_EQ(g_.grid.TextMatrix(c.lastRow + 1, ColFreq), "");
    }
  }
}

TEST_F(CsvImport, PlainTextFollowsAutoMode) {
  // Lines without a number take no row; defaults fill the rest of the row.
  ImportText("Air 121.5\nnothing here\nFM 98.1\n");
  EXPECT_EQ(Row(1), "121.500|AM|OFF|5 KHz|SIMP|0.000|OFF|88.5|");
  EXPECT_EQ(Row(2), "98.100|WFM|OFF|5 KHz|SIMP|0.000|OFF|88.5|");
  g_.form.mnuAutoMode->setChecked(false);
  g_.form.initgrid();
  ImportText("Air 121.5\n");
  EXPECT_EQ(g_.grid.TextMatrix(1, ColMode), "FM");
}

TEST_F(CsvImport, UnreadableFileIsReportedAndChangesNothing) {
  g_.Use(1, 5);
  const auto before = g_.Cells();
  boxes_.Answer(vbOK, "could not be opened");
  dialogs_.Choose(File("missing.csv"));
  g_.form.mnuImport_Click();
  dialogs_.Choose(dir_.path().toStdString());  // a folder
  boxes_.Answer(vbOK, "could not be opened");
  g_.form.mnuImport_Click();
  EXPECT_EQ(g_.Cells(), before);
  dialogs_.Cancel();
  g_.form.mnuImport_Click();
  EXPECT_EQ(g_.Cells(), before);
}

TEST_F(CsvImport, UndoRestoresTheGridBeforeTheImport) {
  g_.Use(1, 3);
  const auto before = g_.Cells();
  ImportText(std::string(kHeader) + "0-00,1.000,AM\r\n0-05,2.000,AM\r\n");
  ASSERT_NE(g_.Cells(), before);
  g_.form.Undo();
  EXPECT_EQ(g_.Cells(), before);
  ImportText("1.5\n2.5\n");
  g_.form.Undo();
  EXPECT_EQ(g_.Cells(), before);
}

}  // namespace
}  // namespace exchange_test
