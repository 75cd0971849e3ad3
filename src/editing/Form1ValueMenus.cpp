// The value items of the per-column popup menus, and auto-fill comments.
// Each writes into the selected rows that are in use only, as they stand: no
// channel rule follows (a "-DUP" leaves the Shift cell, a scan-edge row does
// not pass the value to its partner).

#include <string>
#include <string_view>

#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/GridRedrawPause.h"
#include "platform/MSFlexGrid.h"

namespace {

// The decimal digits `digits` plus `k`, without leading zeros ("007" plus 1
// is "8"). Worked on the digits themselves, so a number of any length counts
// on exactly.
std::string DecimalPlus(std::string_view digits, unsigned long long k) {
  std::string sum(digits);
  int carry = 0;
  for (auto i = sum.size(); i-- > 0 && (k > 0 || carry > 0);) {
    const unsigned long long d = static_cast<unsigned long long>(sum[i] - '0') + k % 10 + carry;
    sum[i] = static_cast<char>('0' + d % 10);
    carry = static_cast<int>(d / 10);
    k /= 10;
  }
  std::string head;
  for (k += carry; k > 0; k /= 10) head.insert(head.begin(), static_cast<char>('0' + k % 10));
  sum.insert(0, head);
  const auto first = sum.find_first_not_of('0');
  return first == std::string::npos ? "0" : sum.substr(first);
}

}  // namespace

void Form1::SetColumnValue(int col, const std::string& value) {
  HideEditors();
  SetSelection();
  if (SelStartRow < 1) return;
  {
    GridRedrawPause pause(*MSFlexGrid1);
    for (int r = SelStartRow; r <= SelEndRow; ++r)
      if (IsRowUsed(r)) MSFlexGrid1->SetTextMatrix(r, col, value);
  }
  RefreshAltPanel();
}

void Form1::IncrementTags() {
  HideEditors();
  SetSelection();
  if (SelStartRow < 1) return;
  MSFlexGrid& grid = *MSFlexGrid1;
  // Above a selection starting at row 1 lies the header: its "Comments"
  // is the pattern then.
  const std::string pattern = grid.TextMatrix(SelStartRow - 1, ColComments);
  if (pattern.empty()) return;
  const auto lastNonDigit = pattern.find_last_not_of("0123456789");
  const std::size_t digitsAt = lastNonDigit == std::string::npos ? 0 : lastNonDigit + 1;
  const std::string prefix = pattern.substr(0, digitsAt);
  const std::string_view number = std::string_view(pattern).substr(digitsAt);
  {
    GridRedrawPause pause(grid);
    unsigned long long k = 1;
    for (int r = SelStartRow; r <= SelEndRow; ++r) {
      if (!IsRowUsed(r)) continue;  // rows not in use take no number
      grid.SetTextMatrix(r, ColComments,
                         number.empty() ? pattern : prefix + DecimalPlus(number, k++));
    }
  }
  RefreshAltPanel();
}
