// File > Import From .CSV: the program's own CSV layout cell by cell, or any
// other text file as one frequency a line.

#include <QAction>

#include "editing/Undo.h"
#include "image/FileIo.h"
#include "image/Module1.h"
#include "image/TextFile.h"
#include "importexport/CsvImport.h"
#include "importexport/CsvText.h"
#include "importexport/FreqScan.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Form1Shared.h"
#include "mainwindow/GridRedrawPause.h"
#include "platform/FileDialogs.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"

void Form1::mnuImport_Click() { ImportCsv(); }

void Form1::ImportCsv() {
  const FileDialogResult chosen = GetOpenFileName(
      "Import CSV", {{"CSV Files (*.csv)", "*.csv"}, {"All Files (*.*)", "*.*"}}, 1);
  if (!chosen.ok || chosen.path.empty()) return;
  const TextFileLines file = ReadTextFileLines(chosen.path);
  if (!file.ok) {
    MsgBox(ToMessageText(file.error), vbOKOnly | vbExclamation, kMsgTitle);
    return;
  }
  // A file without our header is plain text, which ImportGeneric reads again
  // by its path: a second read of a text file costs little, and the plain
  // import stays one procedure that needs nothing but the file.
  if (!ImportCsvLines(*this, file.lines)) ImportGeneric(chosen.path);
  // The alternate panel shows its row as imported, so its next store keeps it.
  RefreshAltPanel();
}

bool ImportCsvLines(Form1& form, const std::vector<std::string>& lines) {
  const CsvLayout layout = lines.empty() ? CsvLayout::NotCsv : CsvLayoutOf(lines[0]);
  if (layout == CsvLayout::NotCsv) return false;
  MSFlexGrid& grid = *form.MSFlexGrid1;
  form.SaveUndo();
  GridRedrawPause pause(grid);
  // Labelled lines carry the row label before the nine cells.
  const int firstCell = layout == CsvLayout::Labelled ? 1 : 0;
  int packedRow = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (IsSkippedCsvLine(lines[i])) continue;
    const std::vector<std::string> fields = SplitCsvFields(lines[i]);
    const int row = layout == CsvLayout::Labelled ? form.Mem2Row(fields[0]) : ++packedRow;
    // A label that names no row, or a packed line past the last row, has no
    // place in the grid.
    if (row < 1 || row > LastScanEdgeRow) continue;
    // A short line writes the cells it has; the others keep their text.
    for (int c = ColFreq; c < kGridCols; ++c) {
      const std::size_t f = static_cast<std::size_t>(c - 1 + firstCell);
      if (f >= fields.size()) break;
      grid.SetTextMatrix(row, c, fields[f]);
    }
  }
  return true;
}

void Form1::ImportGeneric(const std::string& path) {
  const TextFileLines file = ReadTextFileLines(path);
  if (!file.ok) {
    MsgBox(ToMessageText(file.error), vbOKOnly | vbExclamation, kMsgTitle);
    return;
  }
  MSFlexGrid& grid = *MSFlexGrid1;
  SaveUndo();
  GridRedrawPause pause(grid);
  const bool autoMode = mnuAutoMode->isChecked();
  int row = GetLastEmptyRow();
  for (std::size_t i = 0; i < file.lines.size() && row <= LastScanEdgeRow; ++i) {
    const std::string number = ScanFrequency(TrimBlanks(file.lines[i]));
    if (number.empty()) continue;
    grid.SetTextMatrix(row, ColFreq, frqFilter(number));
    ApplyDefaults(row);
    if (autoMode) ApplyAutoMode(row);
    ++row;
  }
}

int Form1::Mem2Row(std::string_view mem) const {
  const MSFlexGrid& grid = *MSFlexGrid1;
  const std::string wanted = LCase(mem);
  for (int r = 1; r < grid.Rows(); ++r)
    if (LCase(grid.TextMatrix(r, ColLabel)) == wanted) return r;
  return grid.Rows();
}
