#include <gtest/gtest.h>

#include "editing/memorytools_support.h"
#include "platform/VbTextBox.h"

namespace {

struct SortCommand {
  void (Form1::*handler)();
  bool descending, selected;
};
const SortCommand kSorts[] = {{&Form1::mnuSortAscending_Click, false, false},
                              {&Form1::mnuSortDescending_Click, true, false},
                              {&Form1::mnuSortRowsAscending_Click, false, true},
                              {&Form1::mnuSortRowsDeascending_Click, true, true}};

// Stability, empty rows last, keys above 9999 kept in rows 1 to 400, labels
// and unselected rows untouched: all of it is what the plain sort gives.
TEST(Sorts, EveryCommandGivesThePlainBubbleSortsOrder) {
  const std::pair<int, int> selections[] = {{1, 450}, {390, 420}, {17, 17}, {420, 380}};
  for (unsigned seed = 1; seed <= 4; ++seed)
    for (const SortCommand& sort : kSorts)
      for (const auto& [from, to] : selections) {
        if (!sort.selected && from != 1) continue;
        GridForm f;
        memtools::FillRandom(f, seed);
        std::vector<ChannelRow> expected = memtools::Rows(f);
        const int first = sort.selected ? std::min(from, to) : 1;
        const int last = sort.selected ? std::max(from, to) : LastBankRow;
        memtools::BubbleSort(expected, first, last, sort.descending, last - first + 3);
        f.Select(from, to);
        (f.form.*sort.handler)();
        const std::vector<ChannelRow> got = memtools::Rows(f);
        for (int r = 1; r < kGridRows; ++r)
          ASSERT_EQ(got[r].Cell, expected[r].Cell) << seed << " " << from << "-" << to << " " << r;
        EXPECT_EQ(f.grid.TextMatrix(401, ColLabel), "0A");
      }
}

TEST(Sorts, CancelLeavesTheGridOneUndoRevertsAndThePanelFollows) {
  for (const SortCommand& sort : kSorts) {
    GridForm f;
    memtools::FillRandom(f, 42);
    f.Select(1, 450);
    const std::vector<std::string> before = f.Cells();
    {
      memtools::CancelAtYield cancel(f);
      (f.form.*sort.handler)();
      EXPECT_EQ(cancel.seen, "shown open;");
      EXPECT_EQ(CancelRequested, 0) << "the sort resets the flag it honours";
    }
    EXPECT_EQ(f.Cells(), before);
    f.form.mnuAltInterface_Click();
    AltRow = 2;
    f.Select(1, 450);
    (f.form.*sort.handler)();
    EXPECT_EQ(f.form.Text4->Text(), f.grid.TextMatrix(2, ColFreq));
    ASSERT_NE(f.Cells(), before);
    f.form.Undo();
    EXPECT_EQ(f.Cells(), before);
  }
}

}  // namespace
