#include "mainwindow/ChannelGrid.h"

#include "image/Val.h"
#include "platform/MSFlexGrid.h"

std::string RowLabel(int row) {
  if (row >= 1 && row <= LastBankRow) {
    const int bank = (row - 1) / 50;
    const int channel = (row - 1) % 50;
    std::string label = std::to_string(bank) + "-";
    if (channel < 10) label += '0';
    return label + std::to_string(channel);
  }
  if (row > LastBankRow && row <= LastScanEdgeRow) {
    const int pair = (row - LastBankRow - 1) / 2;
    return std::to_string(pair) + ((row - LastBankRow) % 2 == 1 ? "A" : "B");
  }
  return "";
}

ChannelRow ReadChannelRow(const MSFlexGrid& grid, int row) {
  ChannelRow cells;
  for (int c = ColFreq; c < kGridCols; ++c) cells.Cell[c] = grid.TextMatrix(row, c);
  return cells;
}

void WriteChannelRow(MSFlexGrid& grid, int row, const ChannelRow& cells) {
  for (int c = ColFreq; c < kGridCols; ++c) grid.SetTextMatrix(row, c, cells.Cell[c]);
}

void ClearChannelRow(MSFlexGrid& grid, int row) {
  for (int c = ColFreq; c < kGridCols; ++c) grid.SetTextMatrix(row, c, "");
}

std::string WithinTuningRange(const std::string& freqText) {
  const double value = Val(freqText);
  if (value < kLowestFreq) return ".495";
  if (value > kHighestFreq) return "1599.995";
  return freqText;
}
