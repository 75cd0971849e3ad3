// Memories > Check for Duplicate Freqs: the options dialog, the check of the
// memory channels (rows 1 to 400), the report window or the deletions, and
// the closing message.

#include <string>
#include <vector>

#include "editing/DuplicateFinder.h"
#include "editing/LongOperation.h"
#include "editing/Undo.h"
#include "editing/frmDupCheck.h"
#include "editing/frmDupReport.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/GridRedrawPause.h"
#include "platform/MSFlexGrid.h"
#include "platform/Modal.h"
#include "platform/MsgBox.h"

namespace {

std::string ReportBlocks(const MSFlexGrid& grid, const std::vector<std::vector<int>>& groups) {
  std::string report;
  for (const std::vector<int>& group : groups) {
    report += "Duplicates: ";
    report += vbCrLf;
    for (int position : group) report += grid.TextMatrix(position + 1, ColLabel) + vbCrLf;
    report += vbCrLf;
  }
  return report;
}

// Removes every member of a group but its first; the rows below move up and
// the freed rows at the end of the banks are emptied. Returns how many rows
// went.
int DeleteDuplicates(MSFlexGrid& grid, const std::vector<std::vector<int>>& groups) {
  std::vector<bool> deleted(LastBankRow, false);
  int count = 0;
  for (const std::vector<int>& group : groups) {
    for (std::size_t k = 1; k < group.size(); ++k) deleted[group[k]] = true;
    count += static_cast<int>(group.size()) - 1;
  }
  if (count == 0) return 0;
  GridRedrawPause pause(grid);
  int to = 1;
  for (int from = 1; from <= LastBankRow; ++from) {
    if (deleted[from - 1]) continue;
    if (to != from) WriteChannelRow(grid, to, ReadChannelRow(grid, from));
    ++to;
  }
  for (; to <= LastBankRow; ++to) ClearChannelRow(grid, to);
  return count;
}

}  // namespace

void Form1::mnuDupCheck_Click() {
  HideEditors();
  // One snapshot before the whole command: one Undo brings back every row
  // a delete run removed.
  UndoCommand undo(*MSFlexGrid1);
  frmDupCheck dialog(this);
  if (ShowModal(dialog) != QDialog::Accepted) return;
  CheckDups(dialog.NoCode(), dialog.NoText(), dialog.Delete());
}

void Form1::CheckDups(bool NoCode, bool NoText, bool Delete) {
  MSFlexGrid& grid = *MSFlexGrid1;
  std::vector<DuplicateCandidate> rows;
  rows.reserve(LastBankRow);
  for (int r = 1; r <= LastBankRow; ++r)
    rows.push_back({grid.TextMatrix(r, ColFreq), grid.TextMatrix(r, ColTone),
                    grid.TextMatrix(r, ColComments)});

  bool cancelled = false;
  int deletions = 0;
  std::string report;
  {
    // The window's commands are disabled while the check can be interrupted
    // by its yields, that is once the progress window shows.
    LongOperation operation(
        "Searching for duplicates...", [this] { DisableGUI(); }, [this] { EnableGUI(); });
    const std::vector<std::vector<int>> groups = FindDuplicateGroups(rows, NoCode, NoText);
    // Nothing changes before the last chance to cancel.
    cancelled = operation.Step(100, /*yieldNow=*/true);
    if (!cancelled) {
      if (Delete)
        deletions = DeleteDuplicates(grid, groups);
      else
        report = ReportBlocks(grid, groups);
    }
  }
  if (cancelled) return;

  if (Delete) {
    RefreshAltPanel();
    MsgBox(std::to_string(deletions) + " duplicate channels deleted.", vbInformation | vbOKOnly,
           kMsgTitle);
    return;
  }
  if (report.empty()) {
    MsgBox("No duplicates found.", vbExclamation | vbOKOnly, kMsgTitle);
    return;
  }
  auto* window = static_cast<frmDupReport*>(dupReport_.data());
  if (!window) {
    window = new frmDupReport(this);
    dupReport_ = window;
  }
  window->SetReport(report);
  window->show();
  window->raise();
}

QWidget* Form1::DupReportWindow() const { return dupReport_.data(); }
