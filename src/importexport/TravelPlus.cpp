#include "importexport/TravelPlus.h"

#include "editing/Undo.h"
#include "image/FileIo.h"
#include "image/Module1.h"
#include "image/TextFile.h"
#include "importexport/frmTravelPlus.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Form1Shared.h"
#include "mainwindow/Globals.h"
#include "platform/FileDialogs.h"
#include "platform/MSFlexGrid.h"
#include "platform/Modal.h"
#include "platform/MsgBox.h"

int TPETagField = 0;
int TPEStartRow = 0;

namespace {

// Field numbers of a record.
enum TpeField : std::size_t {
  kRegion = 3,
  kCity = 4,
  kFrequency = 5,
  kShift = 6,
  kCallSign = 7,
  kTone = 9,
  kSponsor = 10,
};
constexpr std::size_t kTagFields[] = {kCity, kRegion, kCallSign, kSponsor};

}  // namespace

std::vector<std::string> SplitTpeFields(std::string_view line) {
  const std::string padded = std::string(line) + ",,,,,,,,,,,,";
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t cut = padded.find("\",", start);
    std::string field(TrimBlanks(std::string_view(padded).substr(
        start, cut == std::string::npos ? padded.npos : cut - start)));
    if (!field.empty() && field.front() == '"') field.erase(0, 1);
    if (!field.empty() && field.back() == '"') field.pop_back();
    fields.push_back(std::move(field));
    if (cut == std::string::npos) break;
    start = cut + 2;
  }
  return fields;
}

std::string TpeFrequencyText(const std::string& field) {
  if (field.find('.') != std::string::npos) return field;
  if (field.size() > 2)
    return field.substr(0, field.size() - 3) + "." + field.substr(field.size() - 3);
  return TVChannelFreq(std::string_view(field));
}

void ImportTpeLines(Form1& form, const std::vector<std::string>& lines, int startRow,
                    int tagField) {
  MSFlexGrid& grid = *form.MSFlexGrid1;
  const std::size_t tag = kTagFields[tagField >= 0 && tagField < 4 ? tagField : 0];
  int row = startRow;
  for (std::size_t i = 1; i < lines.size() && row <= LastScanEdgeRow; ++i, ++row) {
    if (lines[i].find(',') == std::string::npos) continue;
    const std::vector<std::string> f = SplitTpeFields(lines[i]);
    // Cells are written in the record's order; a record that runs out of
    // fields ends the import with what it wrote so far.
    if (f.size() <= tag) return;
    grid.SetTextMatrix(row, ColComments, f[tag]);
    if (f.size() <= kFrequency) return;
    grid.SetTextMatrix(row, ColFreq, form.frqFilter(TpeFrequencyText(f[kFrequency])));
    form.ApplyDefaults(row);
    form.ApplyAutoMode(row);
    form.ApplyAutoShift(row);
    if (f.size() <= kShift) return;
    const std::string shift(TrimBlanks(f[kShift]));
    if (shift.empty()) {
      grid.SetTextMatrix(row, ColRptSh, "SIMP");
      grid.SetTextMatrix(row, ColShift, form.frqFilter("000000"));
    } else if (shift == "+") {
      grid.SetTextMatrix(row, ColRptSh, "+DUP");
    } else if (shift == "-") {
      grid.SetTextMatrix(row, ColRptSh, "-DUP");
    } else {
      grid.SetTextMatrix(row, ColRptSh, "SIMP");
      grid.SetTextMatrix(row, ColShift, form.frqFilter(f[kShift]));
    }
    if (f.size() <= kTone) return;
    const std::string tone(TrimBlanks(f[kTone]));
    if (!tone.empty()) {
      grid.SetTextMatrix(row, ColTsql, "ON");
      grid.SetTextMatrix(row, ColTone, tone.find('.') == std::string::npos ? tone + ".0" : tone);
    } else {
      grid.SetTextMatrix(row, ColTsql, "OFF");
      grid.SetTextMatrix(row, ColTone, "100.0");
    }
  }
}

void Form1::mnuImportTPE_Click() { TravelPlus(); }

void Form1::TravelPlus() {
  const FileDialogResult chosen = GetOpenFileName(
      "Import CSV", {{"TPE Files (*.tpe)", "*.tpe"}, {"All Files (*.*)", "*.*"}}, 1);
  if (!chosen.ok || chosen.path.empty()) return;
  frmTravelPlus options(this);
  // Closing the options dialog without OK leaves the grid alone.
  if (ShowModal(options) != QDialog::Accepted) return;
  // Each record takes a row, so no more than the header and one line for
  // every grid row can reach the grid.
  const TextFileLines file = ReadTextFileLines(chosen.path, 1 + LastScanEdgeRow);
  if (!file.ok) {
    MsgBox(ToMessageText(file.error), vbOKOnly | vbExclamation, kMsgTitle);
    return;
  }
  const int start = TPEStartRow == kStartAtLastEmptyRow ? GetLastEmptyRow() : TPEStartRow;
  SaveUndo();
  ImportTpeLines(*this, file.lines, std::max(start, 1), TPETagField);
  // The alternate panel shows its row as imported, so its next store keeps it.
  RefreshAltPanel();
}
