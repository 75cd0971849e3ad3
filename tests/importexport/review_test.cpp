// What the printed pages look like (heading, date line, where the table
// stands and how wide it is, rows carried on across pages), the export
// dialog's options as it opens and its preview, and the Frequency Import
// Tool's moves between its two lists.

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "importexport/ImportStartFrame.h"
#include "importexport/exchange_support.h"
#include "importexport/frmExportWizard.h"
#include "importexport/frmImportFile.h"
#include "importexport/frmImportSelect.h"
#include "importexport/frmImportSelectB.h"
#include "importexport/frmPreview.h"
#include "platform/Modal.h"
#include "platform/Printer.h"
#include "platform/VbTextBox.h"
#include "support/ImagePrinter.h"

namespace exchange_test {
namespace {

constexpr int kDot = ImagePrinter::kTwipsPerDot;

// Whether any dot of the rectangle [x0, x1) x [y0, y1) is inked.
bool Inked(const QImage& page, int x0, int y0, int x1, int y1) {
  for (int y = y0; y < std::min(y1, page.height()); ++y)
    for (int x = x0; x < std::min(x1, page.width()); ++x)
      if (page.pixel(x, y) != 0xffffffff) return true;
  return false;
}

// The right-most and bottom-most inked dots below the heading.
std::pair<int, int> TableEnd(const QImage& page, int top) {
  int right = -1, bottom = -1;
  for (int y = top; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (page.pixel(x, y) != 0xffffffff) {
        right = std::max(right, x);
        bottom = std::max(bottom, y);
      }
  return {right, bottom};
}

class PrintedPages : public ExchangeTest {
 protected:
  void TearDown() override { SetDefaultPrinterFactory({}); }
  std::vector<QImage> Print(int first, int last, bool landscape, int pages) {
    std::vector<QImage> kept;
    SetDefaultPrinterFactory(
        [&](std::string&) { return std::make_unique<ImagePrinter>(false, &kept); });
    boxes_.Answer(vbOK,
                  "IC-R2 Kestrane\r\nPrinting " + std::to_string(pages) + " pages to Test Printer");
    g_.form.PrintGrid(*g_.form.MSFlexGrid1, "IC-R2 Kestrane", landscape, first, last);
    EXPECT_EQ(boxes_.Calls().back().title, "TEST:");
    EXPECT_EQ(static_cast<int>(kept.size()), pages);
    return kept;
  }
  // The table's width on paper: columns "#" to "Tone" of the main grid.
  int PrintedWidthDots() const {
    int twips = 0;
    for (int c = 0; c <= ColTone; ++c) twips += g_.grid.ColWidth(c);
    return twips / kDot;
  }
};

TEST_F(PrintedPages, HeadingDateLineAndTableWhereThePageLayoutPutsThem) {
  g_.Use(1, 40);
  for (int r = 1; r <= 40; ++r)
    g_.grid.SetTextMatrix(r, ColComments, "comment " + std::to_string(r));
  const std::vector<QImage> pages = Print(1, 40, true, 2);
  ASSERT_EQ(pages.size(), 2u);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const QImage& page = pages[p];
    SCOPED_TRACE(p + 1);
    EXPECT_GT(page.width(), page.height()) << "landscape";
    // Title at 6500 twips on page 1 only; the date and page at 10000, on
    // the title's line; no file has been opened, so no file line.
    EXPECT_EQ(Inked(page, 6500 / kDot, 0, 9900 / kDot, 20), p == 0);
    EXPECT_TRUE(Inked(page, 10000 / kDot, 0, page.width(), 20));
    EXPECT_FALSE(Inked(page, 0, 0, 6500 / kDot, 900 / kDot - 2));
    // The table's corner at (600, 900) twips, nine columns wide.
    const std::vector<int> tops = ImagePrinter::LineTops(page);
    ASSERT_EQ(tops.size(), 2u);
    EXPECT_NEAR(tops[1], 900 / kDot, 1);
    EXPECT_NEAR(ImagePrinter::InkLeft(page), 600 / kDot, 1);
    EXPECT_NEAR(TableEnd(page, tops[1]).first, 600 / kDot + PrintedWidthDots(), 2);
  }
  // Page 2 goes on at row 36, its other rows empty: the same table as a
  // print of rows 36 to 40 alone.
  const QImage alone = Print(36, 40, true, 1).at(0);
  const QRect table(0, 900 / kDot - 2, alone.width(), alone.height() - 900 / kDot + 2);
  EXPECT_TRUE(pages[1].copy(table) == alone.copy(table));
  EXPECT_FALSE(pages[0].copy(table) == alone.copy(table));

  // The file last opened or saved stands on the third text line, at 650.
  g_.form.CurrentFile = "/home/user/scanner.r2";
  const QImage withFile = Print(1, 5, true, 1).at(0);
  g_.form.CurrentFile.clear();
  const std::vector<int> lines = ImagePrinter::LineTops(withFile);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_GT(lines[1], 20);
  EXPECT_LT(lines[1], 900 / kDot - 10);
  EXPECT_NEAR(ImagePrinter::InkLeft(withFile.copy(0, lines[1], withFile.width(), 10)), 650 / kDot,
              1);

  // A column the main grid hides is not printed either.
  const int stepWidth = g_.grid.ColWidth(ColStep);
  g_.grid.SetColWidth(ColStep, 0);
  const QImage narrow = Print(1, 5, true, 1).at(0);
  EXPECT_NEAR(TableEnd(narrow, 900 / kDot).first, 600 / kDot + PrintedWidthDots(), 2);
  g_.grid.SetColWidth(ColStep, stepWidth);
}

TEST_F(PrintedPages, PortraitScalesTheTableToThePage) {
  g_.Use(1, 3);
  const QImage page = Print(1, 3, false, 1).at(0);
  EXPECT_LT(page.width(), page.height());
  EXPECT_TRUE(Inked(page, 7000 / kDot, 0, 10000 / kDot, 20)) << "date line at 7000 twips";
  EXPECT_NEAR(TableEnd(page, 900 / kDot).second, (900 + 13950) / kDot, 2);
}

// The options as the dialog opens, and the preview showing the text that
// Export writes.
TEST_F(PrintedPages, ExportDialogOpensWithItsOptionsAndPreviewsItsText) {
  g_.Use(2);
  frmExportWizard wizard(g_.form);
  EXPECT_TRUE(wizard.Check1->isChecked());
  EXPECT_FALSE(wizard.Check2->isChecked());
  EXPECT_FALSE(wizard.Check3->isChecked());
  // ticks of Check1..3, the first line and the number of lines
  const std::tuple<bool, bool, bool, std::string, int> cases[] = {
      {true, false, false, "#,Freq,", 2},
      {false, false, false, "Freq,Mode,", 2},
      {true, true, false, "#,Freq,", 451},
      {true, false, true, "\"#\",\"Freq\",", 2},
  };
  for (const auto& [number, unused, quotes, start, lines] : cases) {
    wizard.Check1->setChecked(number);
    wizard.Check2->setChecked(unused);
    wizard.Check3->setChecked(quotes);
    std::string previewed;
    SetModalRunner([&](QDialog& d) {
      auto& preview = dynamic_cast<frmPreview&>(d);
      previewed = preview.Text();
      EXPECT_EQ(preview.windowTitle(), "Preview");
      return QDialog::Accepted;
    });
    wizard.Command3->click();
    SetModalRunner({});
    const std::string text = wizard.GetExportData();
    EXPECT_EQ(text.rfind(start, 0), 0u) << start;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), lines) << start;
    // The text box holds lines; its text ends without the last line break.
    EXPECT_EQ(QString::fromStdString(previewed).split('\n').size(), lines + 1) << start;
    EXPECT_EQ(previewed.rfind(start, 0), 0u) << start;
  }
}

TEST_F(PrintedPages, PreviewBoxAndButtonFollowTheWindowSize) {
  frmPreview preview(&g_.form);
  preview.resize(400, 300);
  preview.Form_Resize();
  const int w = 400 * kTwipsPerPixel, h = 300 * kTwipsPerPixel;
  EXPECT_NEAR(preview.Text1->width() * kTwipsPerPixel, w - 200, kTwipsPerPixel);
  EXPECT_NEAR(preview.Text1->height() * kTwipsPerPixel, h - 1000, kTwipsPerPixel);
  EXPECT_NEAR(preview.Command1->y() * kTwipsPerPixel, h - 800, kTwipsPerPixel);
  EXPECT_NEAR(preview.Command1->x() * 2 + preview.Command1->width(), 400, 2);
}

using Entries = std::vector<std::string>;
Entries Of(const QListWidget& list) {
  Entries entries;
  for (int i = 0; i < list.count(); ++i) entries.push_back(list.item(i)->text().toStdString());
  return entries;
}

// Moves between the lists: the list moved from keeps a selection at the same
// place, or on its last entry; nothing moves without a selection.
TEST_F(PrintedPages, ToolMovesEntriesBetweenItsLists) {
  frmImportFile tool(g_.form);
  for (const char* e : {"1.000", "2.000", "3.000"}) tool.List1->addItem(e);
  // the button, the row selected in the list it moves from (-1 none), the
  // lists afterwards, the row then selected there
  struct Case {
    QPushButton* button;
    int select;
    Entries found, chosen;
    int selectedAfter;
  };
  const Case cases[] = {
      {tool.Command1, 1, {"1.000", "3.000"}, {"2.000"}, 1},
      {tool.Command1, 1, {"1.000"}, {"2.000", "3.000"}, 0},
      {tool.Command2, 0, {"1.000", "2.000"}, {"3.000"}, 0},
      {tool.Command1, -1, {"1.000", "2.000"}, {"3.000"}, -1},
      {tool.Command3, -1, {}, {"3.000", "1.000", "2.000"}, -1},
      {tool.Command2, 2, {"2.000"}, {"3.000", "1.000"}, 1},
  };
  for (const Case& c : cases) {
    QListWidget& from = c.button == tool.Command2 ? *tool.List2 : *tool.List1;
    from.clearSelection();
    from.setCurrentRow(c.select);
    c.button->click();
    EXPECT_EQ(Of(*tool.List1), c.found) << c.button->text().toStdString();
    EXPECT_EQ(Of(*tool.List2), c.chosen) << c.button->text().toStdString();
    const QList<QListWidgetItem*> selected = from.selectedItems();
    EXPECT_EQ(selected.isEmpty() ? -1 : from.row(selected[0]), c.selectedAfter)
        << c.button->text().toStdString();
  }
  tool.Command4->click();
  tool.Command5->click();
  EXPECT_EQ(tool.List1->count() + tool.List2->count(), 0);
}

// The TravelPlus import and the tool's "Import From File..." report a file
// they cannot read and change nothing; the tool's Send is undone by Undo.
TEST_F(PrintedPages, UnreadableFilesChangeNothingAndSendingIsUndone) {
  g_.Use(1, 3);
  const auto before = g_.Cells();
  SetModalRunner([](QDialog& d) {
    d.accept();
    return d.result();
  });
  dialogs_.Choose(File("missing.tpe"));
  boxes_.Answer(vbOK, "could not be opened");
  g_.form.mnuImportTPE_Click();
  SetModalRunner({});
  EXPECT_EQ(g_.Cells(), before);

  frmImportFile tool(g_.form);
  dialogs_.Choose(dir_.path().toStdString());
  boxes_.Answer(vbOK, "could not be opened");
  tool.Command6->click();
  EXPECT_EQ(tool.List1->count(), 0);
  dialogs_.Choose(Write("list.txt", "Fire 154.430\r\n"));
  tool.Command6->click();
  tool.Command3->click();
  tool.Command10->click();
  EXPECT_EQ(g_.grid.TextMatrix(4, ColFreq), "154.430");
  g_.form.Undo();
  EXPECT_EQ(g_.Cells(), before);
}

// The start dialogs: frame captions and labels in Arial, the options and
// buttons in the dialog's own font, the row and range boxes fixed-pitch.
TEST(ImportStartFonts, FramesAndLabelsInArial) {
  frmImportSelect a(nullptr, [] { return 1; });
  frmImportSelectB b(nullptr, [] { return 1; });
  const std::string dialogFont = a.font().family().toStdString();
  const std::string fixed =
      QFontDatabase::systemFont(QFontDatabase::FixedFont).family().toStdString();
  const std::pair<QWidget*, std::string> cases[] = {
      {a.Frame2, "Arial"},
      {a.Frame2->Option6, dialogFont},
      {a.Frame2->Option5, dialogFont},
      {a.Frame2->Command8, dialogFont},
      {b.Frame2, "Arial"},
      {b.Frame1, "Arial"},
      {b.Label1, "Arial"},
      {b.Label2, "Arial"},
      {b.Command3, dialogFont},
      {b.Command1, dialogFont},
      {a.Frame2->Text1, fixed},
      {b.Text2, fixed},
  };
  for (const auto& [widget, family] : cases)
    EXPECT_EQ(widget->font().family().toStdString(), family) << widget->objectName().toStdString();
}

}  // namespace
}  // namespace exchange_test
