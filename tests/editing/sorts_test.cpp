#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editing/FrequencySort.h"
#include "editing/Undo.h"
#include "editing/memorytools_support.h"
#include "editing/reference_support.h"
#include "platform/VbTextBox.h"

namespace {

using memtools::FillRandom;
using memtools::Rows;

struct SortCommand {
  const char* name;
  void (Form1::*handler)();
  bool descending;
  bool selected;
};
const SortCommand kSorts[] = {
    {"all ascending", &Form1::mnuSortAscending_Click, false, false},
    {"all descending", &Form1::mnuSortDescending_Click, true, false},
    {"selected ascending", &Form1::mnuSortRowsAscending_Click, false, true},
    {"selected descending", &Form1::mnuSortRowsDeascending_Click, true, true},
};

// ---- the order against the plain bubble sort ----------------------------------

TEST(Sorts, EveryCommandGivesTheBubbleSortsOrderOnRandomGrids) {
  struct Range {
    int from, to;
  };
  const Range selections[] = {{1, 450}, {390, 420}, {17, 17}, {420, 380}, {1, 400}};
  for (unsigned seed = 1; seed <= 6; ++seed) {
    for (const SortCommand& sort : kSorts) {
      for (const Range& sel : selections) {
        if (!sort.selected && sel.from != 1) continue;
        GridForm f;
        FillRandom(f, seed);
        const std::vector<std::string> labels = memtools::Labels(f);
        std::vector<ChannelRow> expected = Rows(f);
        int first = 1, last = LastBankRow, passes = LastBankRow;
        if (sort.selected) {
          f.Select(sel.from, sel.to);
          first = std::min(sel.from, sel.to);
          last = std::max(sel.from, sel.to);
          passes = last - first + 3;
        }
        reference::BubbleSort(expected, first, last, sort.descending, passes);
        (f.form.*sort.handler)();
        const std::vector<ChannelRow> got = Rows(f);
        for (int r = 1; r < kGridRows; ++r)
          ASSERT_EQ(got[r].Cell, expected[r].Cell) << sort.name << " seed " << seed << " selection "
                                                   << sel.from << "-" << sel.to << " row " << r;
        EXPECT_EQ(memtools::Labels(f), labels) << sort.name;
      }
    }
  }
}

TEST(Sorts, KnownGridsLandAsTheUserExpects) {
  struct Case {
    const char* name;
    void (Form1::*handler)();
    std::vector<std::pair<int, std::string>> freqs;  // row, text before
    std::vector<std::string> tagsAfter;              // tags of rows 1.. after
    std::string row400;                              // tag of row 400 after
  };
  const Case cases[] = {
      {"equal keys keep their order",
       &Form1::mnuSortAscending_Click,
       {{3, "446.000"}, {10, "145.500"}, {12, "446.000"}},
       {"r10", "r3", "r12", ""},
       ""},
      {"descending puts empty rows last",
       &Form1::mnuSortDescending_Click,
       {{3, "146.52"}, {10, ""}, {12, "446.000"}},
       {"r12", "r3", ""},
       ""},
      {"a key above 9999 stays in the banks",
       &Form1::mnuSortAscending_Click,
       {{1, "12000"}, {2, "146.000"}},
       {"r2", ""},
       "r1"},
  };
  for (const Case& c : cases) {
    GridForm f;
    for (const auto& [row, freq] : c.freqs) {
      f.Use(row);
      f.grid.SetTextMatrix(row, ColFreq, freq);
    }
    f.Use(401);
    (f.form.*c.handler)();
    for (std::size_t i = 0; i < c.tagsAfter.size(); ++i)
      EXPECT_EQ(f.Tag(static_cast<int>(i) + 1), c.tagsAfter[i]) << c.name << " row " << i + 1;
    EXPECT_EQ(f.Tag(LastBankRow), c.row400) << c.name;
    int used = 0;
    for (int r = 1; r <= LastBankRow; ++r) used += !f.Tag(r).empty();
    EXPECT_EQ(used, static_cast<int>(c.freqs.size())) << c.name << ": a row went missing";
    EXPECT_EQ(f.Tag(401), "r401") << c.name;
  }
}

// ---- cancel, undo, the panel ---------------------------------------------------------

TEST(Sorts, CancelLeavesTheGridAsItWasAndOneUndoRevertsASort) {
  for (const SortCommand& sort : kSorts) {
    GridForm f;
    FillRandom(f, 42);
    f.Select(1, 450);
    const std::vector<std::string> before = f.Cells();
    {
      memtools::CancelAtFirstYield cancel;
      (f.form.*sort.handler)();
      EXPECT_GE(cancel.yields, 1) << sort.name;
      EXPECT_EQ(CancelRequested, 0) << sort.name << ": the flag is reset by the sort";
    }
    EXPECT_EQ(f.Cells(), before) << sort.name;

    (f.form.*sort.handler)();
    ASSERT_NE(f.Cells(), before) << sort.name;
    f.form.Undo();
    EXPECT_EQ(f.Cells(), before) << sort.name;
  }
}

TEST(Sorts, AnOpenAlternatePanelShowsTheRowsNewContent) {
  for (const SortCommand& sort : kSorts) {
    GridForm f;
    f.Use(1, 5);
    f.grid.SetTextMatrix(1, ColFreq, "");
    f.form.mnuAltInterface_Click();
    AltRow = 1;
    f.form.LoadAlt();
    f.Select(1, 5);
    (f.form.*sort.handler)();
    EXPECT_NE(f.grid.TextMatrix(1, ColFreq), "") << sort.name;
    EXPECT_EQ(f.form.Text4->Text(), f.grid.TextMatrix(1, ColFreq)) << sort.name;
  }
}

// ---- the key ----------------------------------------------------------------------------

TEST(Sorts, TheKeyIsTheSinglePrecisionLeadingNumber) {
  struct Case {
    const char* text;
    bool descending;
    float key;
  };
  const Case cases[] = {
      {"146.520", false, 146.52f},
      {"  145.5 MHz", false, 145.5f},
      {"", false, 9999.0f},
      {"abc", false, 9999.0f},
      {"", true, 0.0f},
      {"12000", false, 12000.0f},
      {"0.000", true, 0.0f},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FrequencySortKey(c.text, c.descending), c.key) << c.text << " " << c.descending;
  // Values that single precision cannot tell apart tie and keep their order.
  EXPECT_EQ(FrequencySortOrder({"146.5200001", "146.52"}, false), (std::vector<int>{0, 1}));
}

}  // namespace
