#pragma once
// The shape of the channel grid: 450 channel rows under a header row, ten
// columns, the row labels, and the row record that every command and import
// exchanges with the grid.

#include <array>
#include <string>

class MSFlexGrid;

// Grid columns; column c of a row is `ChannelRow::Cell[c]`.
enum GridColumn : int {
  ColLabel = 0,
  ColFreq = 1,
  ColMode = 2,
  ColSkip = 3,
  ColStep = 4,
  ColRptSh = 5,
  ColShift = 6,
  ColTsql = 7,
  ColTone = 8,
  ColComments = 9,
  kGridCols = 10,
};

// Rows 1 to 400 are the memory channels, 401 to 450 the scan-edge pairs.
inline constexpr int LastBankRow = 400;
inline constexpr int LastScanEdgeRow = 450;
inline constexpr int kGridRows = LastScanEdgeRow + 1;  // with the header row

struct GridColumnLayout {
  const char* header;
  int width;  // twips
};

inline constexpr std::array<GridColumnLayout, kGridCols> kGridColumnLayout = {{
    {"#", 750},
    {"Freq", 1400},
    {"Mode", 700},
    {"Skip", 800},
    {"Step", 1100},
    {"RPT SH", 800},
    {"Shift", 1200},
    {"TSQL", 900},
    {"Tone", 1000},
    {"Comments", 3800},
}};

inline constexpr int kGridRowHeight = 320;  // twips

// The texts of one grid row; Cell[c] holds column c. Cell[ColLabel] is never
// read or written by the row helpers: a row's label follows from its number.
struct ChannelRow {
  std::array<std::string, kGridCols> Cell;
};

// Label of channel row 1 to 450: "0-00" ... "7-49", then "0A", "0B" ...
// "24A", "24B"; "" for any other row.
std::string RowLabel(int row);

// Columns 1 to 9 of a grid row.
ChannelRow ReadChannelRow(const MSFlexGrid& grid, int row);
void WriteChannelRow(MSFlexGrid& grid, int row, const ChannelRow& cells);
void ClearChannelRow(MSFlexGrid& grid, int row);

// The receiver's tuning range in MHz. A typed frequency outside it becomes
// its nearer end: ".495" for a value below 0.495, "1599.995" for one above
// 1599.995; any other text comes back as it is.
inline constexpr double kLowestFreq = 0.495;
inline constexpr double kHighestFreq = 1599.995;
std::string WithinTuningRange(const std::string& freqText);
