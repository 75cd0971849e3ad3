// Moving channels between the grid and the image: Savegrid then FillGrid
// shows the grid as the image holds it.

#include "image/clsICR2.h"
#include "platform/MSFlexGrid.h"
#include "shell_support.h"

namespace shell_test {
namespace {

class BindingTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    form_->Form_Load();
    MakeImage(ICR2Image);  // loaded, channels of kImageChannels
    form_->FillGrid();
  }
  void SetRow(int row, const Cells& cells) {
    for (int col = 1; col <= 9; ++col) SetGridCell(row, col, cells[col]);
  }
  Cells RowCells(int row) const {
    Cells cells;
    for (int col = 1; col <= 9; ++col) cells[col] = GridCell(row, col);
    return cells;
  }
  void RoundTrip() {
    form_->Savegrid();
    form_->FillGrid();
  }
};

TEST_F(BindingTest, EveryFieldSurvivesTheRoundTrip) {
  const Channel rows[] = {
      {10, {"", "146.520", "FM", "OFF", "5 KHz", "SIMP", "0.000", "OFF", "88.5", "plain"}},
      {11, {"", "145.2125", "FM", "SKIP", "12.5 KHz", "-DUP", "0.600", "ON", "67.0", ""}},
      {12, {"", "144.00625", "WFM", "PSKIP", "6.25 KHz", "+DUP", "159.995", "ON", "254.1", "x"}},
      {13, {"", "1599.995", "AM", "OFF", "100 KHz", "SIMP", "5.000", "OFF", "123.0", ""}},
      {14, {"", "0.495", "AM", "OFF", "9 KHz", "SIMP", "0.000", "OFF", "100.0", "BCB low"}},
      {15, {"", "1.620", "AM", "SKIP", "9 KHz", "SIMP", "0.000", "OFF", "100.0", "BCB high"}},
      {16, {"", "0.999", "AM", "OFF", "9 KHz", "SIMP", "0.000", "OFF", "100.0", ""}},
      {17, {"", "1000.000", "FM", "OFF", "50 KHz", "-DUP", "12.500", "OFF", "151.4", ""}},
      {400, {"", "30.000", "FM", "OFF", "30 KHz", "SIMP", "0.000", "OFF", "88.5", "last"}},
      {449, {"", "108.000", "AM", "OFF", "25 KHz", "SIMP", "0.000", "OFF", "88.5", "edge"}},
      {450, {"", "136.975", "AM", "OFF", "25 KHz", "SIMP", "0.000", "OFF", "88.5", "edge"}},
  };
  for (const Channel& c : rows) SetRow(c.row, c.cells);
  RoundTrip();
  for (const Channel& c : rows) EXPECT_EQ(RowCells(c.row), c.cells) << c.row;
}

TEST_F(BindingTest, EveryToneAndStepSurvives) {
  const OptionList tones = clsICR2::GetTone_Opt();
  const OptionList steps = clsICR2::GetStep_Opt();
  for (size_t i = 0; i < tones.size(); ++i) {
    const int row = 100 + static_cast<int>(i);
    SetRow(row, {"", "440.000", "FM", "OFF", steps[i % steps.size()], "SIMP", "0.000", "ON",
                 tones[i], ""});
  }
  RoundTrip();
  for (size_t i = 0; i < tones.size(); ++i) {
    const int row = 100 + static_cast<int>(i);
    EXPECT_EQ(GridCell(row, 8), tones[i]) << row;
    EXPECT_EQ(GridCell(row, 4), steps[i % steps.size()]) << row;
  }
}

TEST_F(BindingTest, AFrequencyThatIsNotANumberClearsTheChannel) {
  for (const char* freq : {"", "0", "abc", "  0.000"}) {
    SCOPED_TRACE(freq);
    SetRow(1, {"", freq, "FM", "OFF", "5 KHz", "SIMP", "0.000", "OFF", "88.5", "kept"});
    form_->Savegrid();
    EXPECT_FALSE(ICR2Image.IsValidMemory(1));
    EXPECT_EQ(ChannelComments[1], "kept");
    form_->FillGrid();
    EXPECT_EQ(RowCells(1), (Cells{"", "", "", "", "", "", "", "", "", "kept"}));
  }
}

// A blank cell stores the channel default whatever the record held: after an
// insert, record n still holds the channel pushed down to row n + 1. A text
// no setter knows keeps the record's field.
TEST_F(BindingTest, ABlankCellStoresTheDefaultAnUnknownTextKeepsTheField) {
  const Cells defaults = {"", "146.940", "FM", "OFF", "5 KHz", "SIMP", "0.000", "OFF", "88.5", ""};
  struct Case {
    int row;  // 2 holds a channel with no default field, 4 an emptied record (all 0xFF)
    Cells typed;
    Cells stored;
  };
  const Case cases[] = {
      {2, {"", "146.940"}, defaults},
      {4, {"", "146.940"}, defaults},
      {2, {"", "146.940", " ", "  ", " ", "", "  ", " ", "  "}, defaults},
      {2,
       {"", "146.940", "", "?", "", "?", "", "?", ""},
       {"", "146.940", "FM", "SKIP", "5 KHz", "-DUP", "0.000", "ON", "88.5", ""}},
      {4,
       {"", "146.940", "", "?", "", "?", "", "?", ""},
       {"", "146.940", "FM", "OFF", "5 KHz", "SIMP", "0.000", "OFF", "88.5", ""}},
      {2,
       {"", "146.940", "AM", "", "25 KHz", "", "", "ON", ""},
       {"", "146.940", "AM", "OFF", "25 KHz", "SIMP", "0.000", "ON", "88.5", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "row " << c.row << " " << c.typed[2] << c.typed[3]);
    MakeImage(ICR2Image);
    form_->FillGrid();
    SetRow(c.row, c.typed);
    RoundTrip();
    EXPECT_EQ(RowCells(c.row), c.stored);
  }
}

TEST_F(BindingTest, NineKilohertzByTheStoredForm) {
  // Step "9 KHz" with a frequency outside the broadcast band: stored in the
  // ordinary form, and shown as its own frequency, not as a band index.
  SetRow(20, {"", "145.000", "FM", "OFF", "9 KHz", "SIMP", "0.000", "OFF", "88.5", ""});
  form_->Savegrid();
  EXPECT_EQ(ICR2Image.GetFreq(20), "145.000");
  EXPECT_EQ(ICR2Image.GetStep(20), "9 KHz");
  form_->FillGrid();
  EXPECT_EQ(GridCell(20, 1), "145.000");
  // Inside the band the channel snaps to the 9 kHz raster.
  SetRow(21, {"", "0.560", "AM", "OFF", "9 KHz", "SIMP", "0.000", "OFF", "88.5", ""});
  RoundTrip();
  EXPECT_EQ(GridCell(21, 1), "0.558");
  // A broadcast frequency with another step is an ordinary channel.
  SetRow(22, {"", "0.560", "AM", "OFF", "10 KHz", "SIMP", "0.000", "OFF", "88.5", ""});
  RoundTrip();
  EXPECT_EQ(GridCell(22, 1), "0.560");
  EXPECT_EQ(GridCell(22, 4), "10 KHz");
}

TEST_F(BindingTest, NothingIsStoredIntoAnImageThatIsNotLoaded) {
  ICR2Image.Init();
  SetRow(1, {"", "146.520", "FM", "OFF", "5 KHz", "SIMP", "0.000", "OFF", "88.5", "x"});
  form_->Savegrid();
  EXPECT_FALSE(ICR2Image.IsDataChanged());
  EXPECT_EQ(ChannelComments[1], "");
  form_->FillGrid();
  EXPECT_EQ(RowCells(1), Cells{});
}

}  // namespace
}  // namespace shell_test
