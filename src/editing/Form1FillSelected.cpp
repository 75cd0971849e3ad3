// Memories > Fill Selected Rows...: the selected rows get a series of
// channels from a starting frequency and an increment.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "editing/Undo.h"
#include "editing/frmFillSelected.h"
#include "image/Val.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/GridRedrawPause.h"
#include "platform/MSFlexGrid.h"
#include "platform/Modal.h"

namespace {

// A number as decimal text of at most 15 significant digits, without an
// exponent and without trailing zeros. Rounding each sum of the series to 15
// digits is what keeps a series of 0.0125 steps on its raster: the binary
// error of the additions never reaches the digits that count.
std::string Significant15(double value) {
  if (!std::isfinite(value)) value = std::signbit(value) ? -1e300 : 1e300;
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  const std::string text(buffer);
  const auto e = text.find('e');
  const bool negative = text[0] == '-';
  std::string digits;
  for (std::size_t i = negative ? 1 : 0; i < e; ++i)
    if (text[i] != '.') digits += text[i];
  const int exponent = std::stoi(text.substr(e + 1));
  std::string whole;
  std::string fraction;
  if (exponent < 0) {
    whole = "0";
    fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else if (exponent + 1 >= static_cast<int>(digits.size())) {
    whole = digits + std::string(static_cast<std::size_t>(exponent + 1) - digits.size(), '0');
  } else {
    whole = digits.substr(0, static_cast<std::size_t>(exponent + 1));
    fraction = digits.substr(static_cast<std::size_t>(exponent + 1));
  }
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  std::string out = negative && (whole != "0" || !fraction.empty()) ? "-" : "";
  out += whole;
  if (!fraction.empty()) out += "." + fraction;
  return out;
}

}  // namespace

void Form1::mnuFillSelected_Click() {
  HideEditors();
  // With the selection in the header row (the alternate panel shown) there
  // are no rows to fill: the dialog would do nothing.
  if (std::min(MSFlexGrid1->Row(), MSFlexGrid1->RowSel()) < 1) return;
  // One snapshot for the whole fill, taken before the dialog opens.
  UndoCommand undo(*MSFlexGrid1);
  frmFillSelected dialog(*this);
  ShowModal(dialog);
}

void Form1::FillSelected(std::string& StartFreq, std::string& Increment) {
  SetSelection();
  if (SelStartRow < 1) return;
  MSFlexGrid& grid = *MSFlexGrid1;
  {
    GridRedrawPause pause(grid);
    for (int r = SelStartRow; r <= SelEndRow; ++r) {
      // The limits hold on every row, so a series that passes 1599.995
      // stays there.
      StartFreq = WithinTuningRange(StartFreq);
      grid.SetTextMatrix(r, ColFreq, frqFilter(StartFreq));
      // The band's mode and shift, whatever the Auto options say; the
      // comment stays.
      ApplyDefaults(r);
      ApplyAutoMode(r);
      ApplyAutoShift(r);
      StartFreq = Significant15(Val(StartFreq) + Val(Increment));
      if (StartFreq.find('.') == std::string::npos) StartFreq += ".0";
    }
  }
  RefreshAltPanel();
}
