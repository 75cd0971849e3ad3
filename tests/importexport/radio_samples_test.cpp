// Real clone files of other radios imported from the File menu into a fresh
// grid: which rows fill, and every cell of channels decoded by hand from the
// files' bytes; then a VR-120 file built from its layout.

#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <vector>

#include "image/clsICR2.h"
#include "importexport/ImportStartFrame.h"
#include "importexport/exchange_support.h"
#include "importexport/frmImportSelectB.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Globals.h"
#include "platform/MSFlexGrid.h"
#include "platform/Modal.h"
#include "platform/VbTextBox.h"
#include "readers/ScratchFile.h"
#include "support/Samples.h"

namespace {

class RadioSampleImport : public exchange_test::ExchangeTest {
 protected:
  void SetUp() override {
    // An empty loaded image, as a downloaded receiver with no channels.
    for (int n = 1; n <= kChannelCount; ++n) ICR2Image.ClearMemory(n);
    for (int bit = 0; bit < 8; ++bit)
      ICR2Image.SetBit(kLoadedMarkAddress, bit, (kLoadedMark >> bit) & 1);
    ChannelComments.fill("");
    form.FillGrid();
    form.EnableGUI();
  }
  void TearDown() override { SetModalRunner({}); }

  // Imports `path` with the menu item, starting at `startRow` (0: the
  // dialog's own choice) and, for a VX-2R file, the range `range`.
  void Import(QAction* item, const std::string& path, int startRow = 0,
              std::pair<const char*, const char*> range = {"1", "450"}) {
    dialogs_.Choose(path);
    SetModalRunner([&](QDialog& dialog) {
      auto* frame = dialog.findChild<ImportStartFrame*>();
      if (startRow > 0) {
        frame->Option5->click();
        for (int r = 1; r < startRow; ++r) frame->Command8->click();
      }
      if (auto* b = dynamic_cast<frmImportSelectB*>(&dialog)) {
        b->Text2->SetText(range.first);
        b->Text3->SetText(range.second);
      }
      dialog.findChild<QPushButton*>("Command1")->click();
      return dialog.result();
    });
    item->trigger();
    EXPECT_EQ(dialogs_.Pending(), 0u);
  }

  std::vector<int> FilledRows() const {
    std::vector<int> rows;
    for (int r = 1; r <= LastScanEdgeRow; ++r)
      if (!g_.grid.TextMatrix(r, ColFreq).empty()) rows.push_back(r);
    return rows;
  }
  void ExpectRows(const std::vector<std::pair<int, const char*>>& rows) {
    for (const auto& [r, cells] : rows) EXPECT_EQ(Row(r), cells) << "row " << r;
  }

  Form1& form = g_.form;
};

TEST_F(RadioSampleImport, ICQ7) {
  KESTRANE_NEEDS_SAMPLE("peer-icq7.q7");
  Import(form.mnuImportICQ7, samples::Path("peer-icq7.q7"));
  const std::vector<int> filled = {1,  2,  3,   12,  13,  14,  15,  16,  17,  18,
                                   19, 20, 101, 181, 195, 196, 197, 198, 199, 200};
  EXPECT_EQ(FilledRows(), filled);
  ExpectRows({{1, "146.520|FM|OFF|5 KHz|SIMP|5.250|OFF|110.9|"},
              {2, "145.170|FM|OFF|5 KHz|SIMP|0.600|OFF|123.0|"},
              {13, "147.340|FM|OFF|5 KHz|-DUP|0.600|ON|118.8|"},
              {14, "147.340|FM|OFF|5 KHz|+DUP|0.600|OFF|118.8|"},
              {195, "118.000|AM|SKIP|12.5 KHz|SIMP|0.000|OFF|88.5|"},
              {200, "1300.000|FM|SKIP|20 KHz|SIMP|0.000|OFF|88.5|"}});
  form.Undo();  // one step back to the empty grid
  EXPECT_EQ(FilledRows(), std::vector<int>{});
}

// 118 memories are defined, the last five (232 to 236) beyond row 450.
TEST_F(RadioSampleImport, VX7FromRow220) {
  KESTRANE_NEEDS_SAMPLE("peer-vx7.vx7");
  Import(form.mnuImportVX7, samples::Path("peer-vx7.vx7"), 220);
  const std::vector<int> filled = FilledRows();
  ASSERT_EQ(filled.size(), 113u);
  EXPECT_EQ(filled.front(), 220);
  EXPECT_EQ(filled.back(), 450);
  EXPECT_EQ(form.MSFlexGrid1->TopRow(), 220);  // brought into sight
  ExpectRows({{220, "144.000|FM|OFF|5 KHz|SIMP|0.600|OFF|100.0|"},
              {244, "443.000|FM|OFF|5 KHz|+DUP|5.000|OFF|88.5|H-TAC1"},
              {245, "147.380|FM|OFF|5 KHz|+DUP|0.600|ON|100.0|H-TAC2"},
              {270, "146.900|FM|OFF|5 KHz|-DUP|0.600|OFF|88.5|WAPRIR"},
              {272, "440.350|FM|OFF|5 KHz|+DUP|5.000|OFF|127.3|WASECR"}});
}

// The ".rdf" form replaces the grid: the earlier channel goes, the import
// starts at row 1, and the grid is shown again.
TEST_F(RadioSampleImport, VX7RdfReplacesTheGrid) {
  KESTRANE_NEEDS_SAMPLE("peer-vx7.vx7");
  form.MSFlexGrid1->SetTextMatrix(300, ColFreq, "100.000");
  ScratchFile file(".rdf");
  file.Write(std::string(424, 'H') + samples::Read("peer-vx7.vx7"));
  Import(form.mnuImportVX7, file.path());
  EXPECT_EQ(dialogs_.Requests().at(0).filters.at(0).pattern, "*.vx7; *.rdf");  // both forms listed
  EXPECT_TRUE(form.MSFlexGrid1->Visible());
  EXPECT_EQ(form.windowTitle().toStdString(), AppTitle + " - " + file.path());
  EXPECT_EQ(FilledRows().size(), 118u);
  ExpectRows({{1, "144.000|FM|OFF|5 KHz|SIMP|0.600|OFF|100.0|"}, {300, "||||||||"}});
}

TEST_F(RadioSampleImport, VX2WithItsRange) {
  KESTRANE_NEEDS_SAMPLE("peer-vx2.vx2");
  Import(form.mnuImportVX2, samples::Path("peer-vx2.vx2"), 5, {"1", "3"});
  EXPECT_EQ(FilledRows(), std::vector<int>{5});
  ExpectRows({{5, "144.000|FM|OFF|5 KHz|SIMP|0.600|OFF|100.0|"}});
}

TEST_F(RadioSampleImport, VX5) {
  KESTRANE_NEEDS_SAMPLE("peer-vx5.eve");
  Import(form.mnuImportEve, samples::Path("peer-vx5.eve"));
  EXPECT_EQ(FilledRows().size(), 77u);
  ExpectRows({{1, "145.390|WFM|OFF|5 KHz|-DUP|0.600|ON|100.0|KJ6VU/r "},
              {100, "442.900|FM|OFF|25 KHz|+DUP|5.000|ON|162.2|WR6ABD/r"},
              {187, "118.600|AM|SKIP|25 KHz|SIMP|0.000|OFF|100.0|PAO TWR "}});
}

// Bank 0 channels 0 and 5 and bank 1 channel 3 hold channels; they land on
// consecutive rows after the last used one.
TEST_F(RadioSampleImport, VR120PackedAfterTheLastUsedRow) {
  form.MSFlexGrid1->SetTextMatrix(3, ColFreq, "100.000");
  std::string image(7392, ' ');
  for (int i = 0; i < 640; ++i) image.replace(4 * i, 3, "\xFF\xFF\xFF");
  image.replace(0, 4, "\x14\x67\x00\x01", 4);       // 146.700 NFM
  image.replace(4 * 5, 4, "\x16\x25\x50\x23", 4);   // 162.55025 AM
  image.replace(4 * 67, 4, "\xA2\x35\x00\x02", 4);  // 1023.500 WFM
  image.replace(2560 + 6 * 67, 6, "GATE  ");
  ScratchFile file(".tk1");
  file.Write(image);
  Import(form.mnuImportVR120, file.path());
  EXPECT_EQ(FilledRows(), (std::vector<int>{3, 4, 5, 6}));
  ExpectRows({{4, "146.700|FM|OFF|5 KHz|-DUP|0.600|OFF|88.5|"},
              {5, "162.550|AM|OFF|5 KHz|SIMP|0.000|OFF|88.5|"},
              {6, "1023.500|WFM|OFF|5 KHz|SIMP|0.000|OFF|88.5|GATE"}});
}

}  // namespace
