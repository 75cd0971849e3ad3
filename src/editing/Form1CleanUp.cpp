// Memories menu commands that work on the whole grid: the US blocked-band
// check, Clear All Memories and Remove Empty Rows.

#include <QApplication>
#include <optional>

#include "editing/Undo.h"
#include "image/Val.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/GridRedrawPause.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"

namespace {

// The blocked bands in Hz, both ends open. Compared on the text's own
// digits, so 823.995 and 849 themselves are never taken for a hair above
// or below.
constexpr int kHzDecimals = 6;
struct Band {
  long long above;
  long long below;
};
constexpr Band kBlockedBands[] = {{823'995'000, 849'000'000}, {868'995'000, 894'000'000}};

// Hourglass on the main window while a command runs.
class WaitCursor {
 public:
  explicit WaitCursor(QWidget& window) : window_(window) { window_.setCursor(Qt::WaitCursor); }
  ~WaitCursor() { window_.unsetCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  QWidget& window_;
};

}  // namespace

bool Form1::IsBlocked(const std::string& Freq) {
  const long long hz = ValScaled(Freq, kHzDecimals);
  for (const Band& band : kBlockedBands)
    if (hz > band.above && hz < band.below) return true;
  return false;
}

void Form1::ClearRow(int iRow) {
  if (iRow >= 1) ClearChannelRow(*MSFlexGrid1, iRow);
}

void Form1::mnuCheckBlocked_Click() {
  MSFlexGrid& grid = *MSFlexGrid1;
  HideEditors();
  bool found = false;
  // One snapshot, taken before the first deletion, so one Undo brings back
  // every channel the check deleted; answering No throughout keeps the
  // earlier undo state.
  std::optional<UndoCommand> undo;
  for (int r = 1; r <= LastScanEdgeRow; ++r) {
    if (!IsBlocked(grid.TextMatrix(r, ColFreq))) continue;
    found = true;
    const std::string prompt = std::string("Blocked Frequency Found") + vbCrLf + vbCrLf +
                               "Memory: " + grid.TextMatrix(r, ColLabel) + vbCrLf +
                               "Frequency: " + grid.TextMatrix(r, ColFreq) + vbCrLf + vbCrLf +
                               "Delete this channel?";
    const int answer = MsgBox(prompt, vbYesNoCancel | vbQuestion, kMsgTitle);
    if (answer == vbCancel) break;
    if (answer != vbYes) continue;
    if (!undo) undo.emplace(grid);
    if (r < LastBankRow) {
      DeleteRows(r);
    } else {
      ClearRow(r);
    }
    --r;  // the row now holds the channel that moved up: ask about it too
    RefreshAltPanel();
  }
  if (!found) MsgBox("No blocked frequencies found.", vbInformation, kMsgTitle);
}

void Form1::mnuClearMem_Click() {
  const int answer = MsgBox("This will clear all main and scan edge memory data. Are you sure?",
                            vbYesNo | vbQuestion, kMsgTitle);
  if (answer != vbYes) return;
  HideEditors();
  // The grid's channels stay one Undo away; the image takes them back with
  // the next store of the grid.
  UndoCommand undo(*MSFlexGrid1);
  ClearAlt();
  initgrid();
  Savegrid();
  FillGrid();
}

void Form1::mnuRemoveEmpty_Click() {
  MSFlexGrid& grid = *MSFlexGrid1;
  HideEditors();
  UndoCommand undo(grid);
  {
    WaitCursor wait(*this);
    GridRedrawPause pause(grid);
    // From the bottom up, so each row not in use is removed once and the
    // used rows close up in their order. The scan-edge rows stay.
    for (int r = LastBankRow; r >= 1; --r)
      if (!IsRowUsed(r)) DeleteRows(r);
  }
  RefreshAltPanel();
}
