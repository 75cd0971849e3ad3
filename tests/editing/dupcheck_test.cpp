#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWidget>
#include <string>
#include <vector>

#include "editing/Undo.h"
#include "editing/frmDupCheck.h"
#include "editing/frmDupReport.h"
#include "editing/memorytools_support.h"
#include "editing/reference_support.h"
#include "platform/Modal.h"
#include "support/ImagePrinter.h"

namespace {

using memtools::FillRandom;
using memtools::Rows;

struct Options {
  bool noCode, noText;
};
const Options kOptions[] = {{false, false}, {true, false}, {false, true}, {true, true}};

frmDupReport* Report(GridForm& f) { return static_cast<frmDupReport*>(f.form.DupReportWindow()); }

// ---- against the pairwise check ---------------------------------------------------

TEST(DupCheck, ReportModeGivesThePairwiseReportOnRandomGrids) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    for (const Options& o : kOptions) {
      GridForm f;
      FillRandom(f, seed);
      const std::string expected = reference::DuplicateReport(Rows(f), o.noCode, o.noText);
      const std::vector<std::string> before = f.Cells();
      MsgBoxScript boxes;
      if (expected.empty()) boxes.Answer(vbOK, "No duplicates found.");
      f.form.CheckDups(o.noCode, o.noText, false);
      EXPECT_EQ(f.form.DupReportText, expected) << seed << o.noCode << o.noText;
      EXPECT_EQ(f.Cells(), before) << "a report changes nothing";
      if (!expected.empty()) {
        ASSERT_TRUE(Report(f));
        EXPECT_EQ(Report(f)->Report(), expected);
      }
    }
  }
}

TEST(DupCheck, DeleteModeDeletesWhatThePairwiseCheckDeletes) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    for (const Options& o : kOptions) {
      GridForm f;
      FillRandom(f, seed);
      std::vector<ChannelRow> expected = Rows(f);
      const int count = reference::DeleteDuplicates(expected, o.noCode, o.noText);
      MsgBoxScript boxes;
      boxes.Answer(vbOK, std::to_string(count) + " duplicate channels deleted.");
      f.form.CheckDups(o.noCode, o.noText, true);
      const std::vector<ChannelRow> got = Rows(f);
      for (int r = 1; r < kGridRows; ++r)
        ASSERT_EQ(got[r].Cell, expected[r].Cell) << seed << " row " << r;
      ASSERT_EQ(boxes.Calls().size(), 1u);
      EXPECT_EQ(boxes.Calls()[0].prompt, std::to_string(count) + " duplicate channels deleted.");
      EXPECT_EQ(boxes.Calls()[0].Icon(), vbInformation);
    }
  }
}

// ---- known grids -------------------------------------------------------------------

TEST(DupCheck, KnownGridsGiveTheExpectedReportOrDeletions) {
  struct Row {
    int row;
    const char* freq;
    const char* tone;
    const char* comment;
  };
  struct Case {
    const char* name;
    std::vector<Row> rows;
    Options options;
    std::string report;
  };
  const Case cases[] = {
      {"one group of three",
       {{2, "146.520", "88.5", ""}, {6, "146.52", "88.5", ""}, {10, "146.520", "88.5", ""}},
       {false, false},
       "Duplicates: \r\n0-01\r\n0-05\r\n0-09\r\n\r\n"},
      {"tones differ: duplicates without the option",
       {{1, "146.000", "88.5", ""}, {2, "146.000", "100.0", ""}},
       {false, false},
       "Duplicates: \r\n0-00\r\n0-01\r\n\r\n"},
      {"tones differ: none with the option",
       {{1, "146.000", "88.5", ""}, {2, "146.000", "100.0", ""}},
       {true, false},
       ""},
      {"comments differ in case only, with the option",
       {{1, "146.000", "88.5", "Rpt"}, {2, "146.000", "88.5", "RPT"}},
       {false, true},
       ""},
      {"scan-edge rows never count",
       {{5, "146.000", "88.5", ""}, {401, "146.000", "88.5", ""}, {402, "146.000", "88.5", ""}},
       {false, false},
       ""},
      {"no frequency is no duplicate",
       {{1, "", "88.5", "x"}, {2, "", "88.5", "x"}, {3, "0.000", "", ""}, {4, "abc", "", ""}},
       {false, false},
       ""},
      {"two groups in the order of their first rows",
       {{1, "162.550", "", ""},
        {2, "146.000", "", ""},
        {3, "162.55", "", ""},
        {4, "146", "", ""},
        {400, "146.000", "", ""}},
       {false, false},
       "Duplicates: \r\n0-00\r\n0-02\r\n\r\nDuplicates: \r\n0-01\r\n0-03\r\n7-49\r\n\r\n"},
  };
  for (const Case& c : cases) {
    GridForm f;
    for (const Row& r : c.rows) {
      f.Use(r.row);
      f.grid.SetTextMatrix(r.row, ColFreq, r.freq);
      f.grid.SetTextMatrix(r.row, ColTone, r.tone);
      f.grid.SetTextMatrix(r.row, ColComments, r.comment);
    }
    MsgBoxScript boxes;
    if (c.report.empty()) boxes.Answer(vbOK, "No duplicates found.");
    f.form.CheckDups(c.options.noCode, c.options.noText, false);
    EXPECT_EQ(f.form.DupReportText, c.report) << c.name;
    if (c.report.empty()) {
      ASSERT_EQ(boxes.Calls().size(), 1u) << c.name;
      EXPECT_EQ(boxes.Calls()[0].Icon(), vbExclamation) << c.name;
    }
  }
}

TEST(DupCheck, ThreeNeighboursInDeleteModeKeepTheFirstAndMoveTheRestUp) {
  GridForm f;
  f.Use(1, 6);
  for (int r = 2; r <= 4; ++r) f.grid.SetTextMatrix(r, ColFreq, "146.520");
  MsgBoxScript boxes;
  boxes.Answer(vbOK, "2 duplicate channels deleted.");
  f.form.CheckDups(false, false, true);
  const std::vector<std::string> tags = {"", "r1", "r2", "r5", "r6", "", ""};
  for (int r = 1; r <= 6; ++r) EXPECT_EQ(f.Tag(r), tags[r]) << r;

  MsgBoxScript none;
  none.Answer(vbOK, "0 duplicate channels deleted.");
  f.form.CheckDups(false, false, true);
}

// ---- the command around the check ---------------------------------------------------

TEST(DupCheck, TheMenuCommandIsOneUndoAndTheDialogsCancelChangesNothing) {
  struct Case {
    const char* name;
    bool ok;
    bool deleteMode;
    const char* message;
  };
  const Case cases[] = {
      {"delete", true, true, "duplicate channels deleted."},
      {"cancel", false, true, nullptr},
  };
  for (const Case& c : cases) {
    GridForm f;
    FillRandom(f, 7);
    const std::vector<std::string> before = f.Cells();
    bool opened = false;
    SetModalRunner([&](QDialog& d) {
      auto& dialog = dynamic_cast<frmDupCheck&>(d);
      opened = true;
      // It always opens in the report mode with both boxes clear.
      EXPECT_TRUE(dialog.Option1->isChecked());
      EXPECT_FALSE(dialog.Check1->isChecked() || dialog.Check2->isChecked());
      dialog.Option2->setChecked(c.deleteMode);
      if (c.ok)
        dialog.Command1_Click();
      else
        dialog.Command2_Click();
      return dialog.result();
    });
    MsgBoxScript boxes;
    if (c.message) boxes.Answer(vbOK, c.message);
    f.form.mnuDupCheck_Click();
    SetModalRunner(nullptr);
    EXPECT_TRUE(opened);
    if (c.ok) {
      ASSERT_NE(f.Cells(), before) << c.name;
    }
    f.form.Undo();
    EXPECT_EQ(f.Cells(), before) << c.name;
  }
}

TEST(DupCheck, CancelStopsSilentlyAndTheWindowIsEnabledAgain) {
  for (bool deleteMode : {false, true}) {
    GridForm f;
    FillRandom(f, 3);
    f.form.EnableGUI();
    const std::vector<std::string> before = f.Cells();
    MsgBoxScript boxes;  // no box at all
    {
      memtools::CancelAtFirstYield cancel;
      f.form.CheckDups(false, false, deleteMode);
      EXPECT_GE(cancel.yields, 1);
      EXPECT_EQ(CancelRequested, 0);
    }
    EXPECT_EQ(f.Cells(), before);
    EXPECT_FALSE(f.form.DupReportWindow());
    EXPECT_TRUE(f.form.mnuMemories->menuAction()->isEnabled());
    EXPECT_TRUE(f.grid.isEnabled());
  }
}

TEST(DupCheck, ASecondReportReusesTheWindow) {
  GridForm f;
  f.Use(1, 2);
  f.grid.SetTextMatrix(2, ColFreq, f.grid.TextMatrix(1, ColFreq));
  f.form.CheckDups(false, false, false);
  QWidget* first = f.form.DupReportWindow();
  ASSERT_TRUE(first);
  f.Use(3, 4);
  f.grid.SetTextMatrix(4, ColFreq, f.grid.TextMatrix(3, ColFreq));
  f.form.CheckDups(false, false, false);
  EXPECT_EQ(f.form.DupReportWindow(), first);
  EXPECT_EQ(Report(f)->Report(), f.form.DupReportText);
}

// ---- printing the report ------------------------------------------------------------

struct PrinterChoice {
  explicit PrinterChoice(std::function<std::unique_ptr<Printer>(std::string&)> factory) {
    SetDefaultPrinterFactory(std::move(factory));
  }
  ~PrinterChoice() { SetDefaultPrinterFactory(nullptr); }
};

std::string LongReport(int groups) {
  std::string text;
  for (int g = 0; g < groups; ++g) text += "Duplicates: \r\n0-00\r\n0-01\r\n\r\n";
  return text;
}

TEST(DupReportPrint, PrintsFromTheOffsetsAndBreaksPagesWithoutLosingALine) {
  for (int groups : {1, 20, 60}) {
    frmDupReport window;
    window.SetReport(LongReport(groups));
    std::vector<QImage> pages;
    PrinterChoice choice(
        [&](std::string&) { return std::make_unique<ImagePrinter>(false, &pages); });
    MsgBoxScript boxes;  // a print that works says nothing
    window.mnuPrint_Click();
    ASSERT_FALSE(pages.empty()) << groups;
    int lines = 0;
    for (const QImage& page : pages) {
      const QRect ink = ImagePrinter::InkBoxOf(page);
      EXPECT_NEAR(ink.left(), 720 / ImagePrinter::kTwipsPerDot, 3) << groups;
      EXPECT_GE(ink.top(), 1080 / ImagePrinter::kTwipsPerDot) << groups;
      lines += static_cast<int>(ImagePrinter::InkBandsOf(page).size());
    }
    EXPECT_EQ(lines, 3 * groups) << "every printed line of the report";
    EXPECT_EQ(pages.size() > 1, groups >= 20) << groups;
  }
}

TEST(DupReportPrint, ToAPdfFile) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("report.pdf").toStdString();
  frmDupReport window;
  window.SetReport(LongReport(40));
  PrinterChoice choice([&](std::string&) { return OpenPdfPrinter(path); });
  window.mnuPrint_Click();
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 2);
}

TEST(DupReportPrint, NoPrinterOrAFailingOneIsExplainedAndNothingElseHappens) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<Printer>(std::string&)> factory;
    const char* message;
  };
  const Case cases[] = {
      {"no printer",
       [](std::string& e) {
         e = "There is no printer to print on.";
         return std::unique_ptr<Printer>();
       },
       "no printer"},
      {"a printer that does not start",
       [](std::string&) { return std::make_unique<ImagePrinter>(/*failAtStart=*/true); },
       "could not start"},
  };
  for (const Case& c : cases) {
    frmDupReport window;
    window.SetReport(LongReport(2));
    PrinterChoice choice(c.factory);
    MsgBoxScript boxes;
    boxes.Answer(vbOK, c.message);
    window.mnuPrint_Click();
    ASSERT_EQ(boxes.Calls().size(), 1u) << c.name;
    EXPECT_EQ(boxes.Calls()[0].Icon(), vbExclamation) << c.name;
    EXPECT_EQ(window.Report(), LongReport(2)) << c.name;
  }
}

}  // namespace
