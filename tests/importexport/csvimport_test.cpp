// File > Import From .CSV: the own layout back into its rows, any other text
// as one frequency a line, and files that are not as expected; how every
// text import reads UTF-8 and files too large to be text.

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <functional>

#include "importexport/exchange_support.h"
#include "importexport/frmImportFile.h"
#include "importexport/frmTravelPlus.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Globals.h"
#include "platform/Cp1252.h"
#include "platform/Modal.h"
#include "platform/VbTextBox.h"

namespace exchange_test {
namespace {

const std::string kHeader = "#,Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone,Comments";
const std::string kClub = "146.520,FM,OFF,5 KHz,SIMP,0.000,OFF,88.5,Club";
const char* const kClubRow = "146.520|FM|OFF|5 KHz|SIMP|0.000|OFF|88.5|Club";

using CsvImport = ExchangeTest;

TEST_F(CsvImport, LinesLandInTheirRowsAndNowhereElse) {
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::pair<int, std::string>> rows;  // row, its cells afterwards
  };
  const Case cases[] = {
      {"labelled, quoted header in any case",
       "\"#\",\"FREQ\",\"mode\",\"Skip\",\"Step\",\"RPT SH\",\"Shift\",\"TSQL\",\"Tone\"\r\n3-07," +
           kClub + "\r\n12a," + kClub + "\r\n",
       {{158, kClubRow}, {425, kClubRow}, {1, "||||||||"}}},
      {"packed, blank and empty lines take no row",
       "Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone\r\n\r\n EMPTY \r\n" + kClub + "\r\n" + kClub,
       {{1, kClubRow}, {2, kClubRow}, {3, "||||||||"}}},
      {"LF only, byte-order mark",
       "\xEF\xBB\xBF" + kHeader + "\n0-00," + kClub + "\n",
       {{1, kClubRow}}},
      {"CR only", kHeader + "\r0-01," + kClub + "\r", {{2, kClubRow}}},
      {"quoted fields, a short line",
       kHeader + "\r\n\"0-02\",\"146.520\",\"FM\"",
       {{3, "146.520|FM|||||||"}}},
      {"not our header: plain text",
       "#,Freq;Mode\r\n1.5\r\n",
       {{1, "1.500|AM|OFF|5 KHz|SIMP|0.000|OFF|88.5|"}}},
      {"unknown label skipped, long line cut",
       kHeader + "\r\n9-99," + kClub + "\r\n0-03," + kClub + ",more\r\n",
       {{4, kClubRow}}},
      {"quoted fields holding commas keep the later columns in place",
       kHeader + "\r\n\"0-04\",146.520,\"F,M\",OFF,\"5 KHz\",SIMP,0.000,OFF,88.5,\"WX, Ch 1,\"\r\n",
       {{5, "146.520|F,M|OFF|5 KHz|SIMP|0.000|OFF|88.5|WX, Ch 1,"}}},
      {"packed, as a spreadsheet writes quotes: doubled inside quoted fields",
       "Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone\r\n"
       "\"He said \"\"hi\"\", ok\",\"5\"\" dish\",\"\"\"\",\"\",\"a\"\"\"\"b\",x\"y,"
       "\"end\"\"\",\"x\"\",y\",\"\"\"q\"\"\"\r\n",
       {{1, "He said \"hi\", ok|5\" dish|\"||a\"\"b|x\"y|end\"|x\",y|\"q\""}}},
      {"a lone quote inside a quoted field stays, one before a comma ends it",
       kHeader + "\r\n0-06,\"1\"2\",\"Say \"hi\", ok\",x\r\n",
       {{7, "1\"2|Say \"hi| ok|x|||||"}}},
      {"a quote that never closes: the rest splits at every comma",
       kHeader + "\r\n0-05,\"146.520,FM,\"OFF\"x,5 KHz,SIMP\r\n",
       {{6, "146.520|FM|OFF\"x|5 KHz|SIMP||||"}}},
  };
  for (const Case& c : cases) {
    g_.form.initgrid();
    ImportText(c.bytes);
    for (const auto& [row, cells] : c.rows) EXPECT_EQ(Row(row), cells) << c.what << " row " << row;
  }
  std::string packed = "Freq,Mode,Skip,Step,RPT SH,Shift,TSQL,Tone\r\n";
  for (int i = 1; i <= 460; ++i) packed += std::to_string(i) + ".000,FM\r\n";
  ImportText(packed);
  EXPECT_EQ(g_.grid.TextMatrix(450, ColFreq), "450.000");
}

TEST_F(CsvImport, PlainTextAppendsAfterTheLastUsedRow) {
  struct Case {
    int lastUsed, lines, firstRow, lastRow;
  };
  const Case cases[] = {{0, 3, 1, 3}, {10, 2, 11, 12}, {399, 1, 400, 400}, {399, 60, 400, 450}};
  for (const Case& c : cases) {
    g_.form.initgrid();
    if (c.lastUsed) g_.Use(c.lastUsed);
    std::string text = "no number here\n";
    for (int i = 0; i < c.lines; ++i) text += "Air 121.5 MHz\r\n";
    ImportText(text);
    EXPECT_EQ(Row(c.firstRow), "121.500|AM|OFF|5 KHz|SIMP|0.000|OFF|88.5|") << c.lastUsed;
    EXPECT_EQ(g_.grid.TextMatrix(c.lastRow, ColFreq), "121.500") << c.lastUsed;
    EXPECT_EQ(g_.grid.TextMatrix(std::min(c.lastRow + 1, 450), ColFreq),
              c.lastRow < 450 ? "" : "121.500");
  }
  g_.form.mnuAutoMode->setChecked(false);  // the mode then stays at its default
  g_.form.initgrid();
  ImportText("Air 121.5\n");
  EXPECT_EQ(g_.grid.TextMatrix(1, ColMode), "FM");
}

TEST_F(CsvImport, FailuresChangeNothingAndUndoRestores) {
  g_.Use(1, 5);
  const auto before = g_.Cells();
  for (const std::string& path : {File("missing.csv"), dir_.path().toStdString()}) {
    boxes_.Answer(vbOK, "could not be opened");
    dialogs_.Choose(path);
    g_.form.mnuImport_Click();
  }
  // The box takes code-page bytes: a name outside ASCII shows as itself.
  boxes_.Answer(vbOK, "caf\xE9.csv could not be opened");
  dialogs_.Choose(File("caf\xC3\xA9.csv"));
  g_.form.mnuImport_Click();
  dialogs_.Cancel();
  g_.form.mnuImport_Click();
  EXPECT_EQ(g_.Cells(), before);
  for (const std::string& text :
       {kHeader + "\r\n0-00,1.000,AM\r\n0-05,2.000", std::string("1.5")}) {
    ImportText(text);
    ASSERT_NE(g_.Cells(), before);
    g_.form.Undo();
    EXPECT_EQ(g_.Cells(), before);
  }
}

// With the alternate panel shown, every import shows the panel's row as
// imported: a stale panel would store its old content over it at the next
// step ("+", "-", switching the panel off).
TEST_F(CsvImport, ImportsUnderTheAlternatePanelShowTheImportedRow) {
  const std::string tpe =
      "header\r\n\"US\",\"x\",\"y\",\"Region\",\"City\",\"146.94\",\"\",\"W1\"\r\n";
  const struct {
    const char* what;
    std::function<void()> run;
    const char* freq;
  } imports[] = {
      {"CSV", [&] { ImportText(kHeader + "\r\n0-00," + kClub + "\r\n"); }, "146.520"},
      {"plain text", [&] { ImportText("Club 147.195\r\n"); }, "147.195"},
      {"TravelPlus",
       [&] {
         SetModalRunner([](QDialog& dialog) {
           static_cast<frmTravelPlus&>(dialog).Command1_Click();
           return dialog.result();
         });
         dialogs_.Choose(Write("in.tpe", tpe));
         g_.form.mnuImportTPE_Click();
         SetModalRunner({});
       },
       "146.940"},
  };
  AltRow = 1;
  g_.form.mnuAltInterface_Click();
  ASSERT_FALSE(g_.form.Frame2->isHidden());
  for (const auto& import : imports) {
    SCOPED_TRACE(import.what);
    ClearChannelRow(g_.grid, 1);
    g_.form.LoadAlt();
    import.run();
    EXPECT_EQ(g_.form.Text4->Text(), import.freq);
  }
}

// Every text import reads its file alike: UTF-8 as its characters in the
// code page, anything else as Windows-1252 unchanged, and a file larger than
// any text file refused by name, size and limit before it is read.
class TextImports : public ExchangeTest {
 protected:
  struct Import {
    const char* what;
    std::string before, after;  // a file of one channel: its text around the comment
    std::function<void(const std::string& path)> run;
    std::function<std::string()> comment;  // what the import made of it
  };
  std::vector<Import> Imports() {
    return {
        {"CSV", kHeader + "\r\n0-00," + kClub + " ", "\r\n",
         [this](const std::string& path) {
           dialogs_.Choose(path);
           g_.form.mnuImport_Click();
         },
         [this] { return g_.grid.TextMatrix(1, ColComments).substr(5); }},
        {"TravelPlus", "header\r\n\"US\",\"x\",\"y\",\"Region\",\"",
         "\",\"146.94\",\"\",\"W1\"\r\n",
         [this](const std::string& path) {
           SetModalRunner([](QDialog& dialog) {
             static_cast<frmTravelPlus&>(dialog).Command1_Click();
             return dialog.result();
           });
           dialogs_.Choose(path);
           g_.form.mnuImportTPE_Click();
           SetModalRunner({});
         },
         [this] { return g_.grid.TextMatrix(1, ColComments); }},
        {"Frequency Import Tool", "146.520 ", "\r\n",
         [this](const std::string& path) {
           tool_.List1->clear();
           tool_.Check2->setChecked(true);
           dialogs_.Choose(path);
           tool_.Command6->click();
         },
         [this] {
           return tool_.List1->count() ? ToCp1252(tool_.List1->item(0)->text()).substr(10) : "";
         }},
    };
  }
  frmImportFile tool_{g_.form};
};

TEST_F(TextImports, Utf8FilesAreReadAsTheirCharactersAndOthersAsTheyStand) {
  const std::pair<std::string, std::string> cases[] = {
      {"Caf\xC3\xA9 \xE2\x82\xAC Tokyo \xE6\x9D\xB1", "Caf\xE9 \x80 Tokyo ?"},
      {"Caf\xE9 \x80", "Caf\xE9 \x80"},
      {"Caf\xC3\xA9 Caf\xC3", "Caf\xC3\xA9 Caf\xC3"},  // a lead byte cut off: not UTF-8
  };
  for (const Import& import : Imports()) {
    for (const auto& [comment, read] : cases) {
      for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
        SCOPED_TRACE(std::string(import.what) + (mark.empty() ? "" : " with mark") + ": " + read);
        g_.form.initgrid();
        import.run(Write("in.txt", mark + import.before + comment + import.after));
        EXPECT_EQ(import.comment(), read);
      }
    }
  }
}

TEST_F(TextImports, FilesTooLargeForTextAreRefusedBeforeTheyAreRead) {
  g_.Use(1, 3);
  const auto before = g_.Cells();
  const std::vector<Import> imports = Imports();
  // The imports share their reader: reading a whole 64 MiB once is enough.
  for (std::uintmax_t size : {kTextFileLimit.maxSize, kTextFileLimit.maxSize + 1}) {
    for (const Import& import : imports) {
      SCOPED_TRACE(std::string(import.what) + " " + std::to_string(size));
      const std::string path = Write("huge.txt", "");
      std::filesystem::resize_file(path, size);  // sparse: no disk, no memory
      if (size > kTextFileLimit.maxSize)
        boxes_.Answer(vbOK, path +
                                " is too large to read: it holds 67108865 bytes, more than "
                                "the 67108864 bytes (64 MiB) that a text file");
      import.run(path);  // the file at the limit is one line of NULs: no frequency
      EXPECT_EQ(boxes_.Pending(), 0u);
      EXPECT_EQ(g_.Cells(), before);
      EXPECT_EQ(tool_.List1->count(), 0);
      if (size == kTextFileLimit.maxSize) break;
    }
  }
}

}  // namespace
}  // namespace exchange_test
