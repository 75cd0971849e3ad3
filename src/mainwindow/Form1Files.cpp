// Moving channels between the image and the grid, and the File menu's open
// and save commands.

#include <QFileInfo>
#include <QString>
#include <array>
#include <string_view>
#include <utility>

#include "editing/Undo.h"
#include "image/FileIo.h"
#include "image/Module1.h"
#include "image/Val.h"
#include "image/clsICR2.h"
#include "mainwindow/ChannelRules.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Form1Shared.h"
#include "mainwindow/Globals.h"
#include "platform/FileDialogs.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/Settings.h"

namespace {

// The image file formats; the number is the Save As filter that writes it.
enum ImageFormat : int { kNoFormat = 0, kR2 = 1, kIcf = 2, kIc2 = 3, kTr2 = 4, kAllFiles = 5 };

struct FormatInfo {
  std::string_view extension;  // without the point
  const char* filterLabel;
  const char* filterPattern;
};

// Index = ImageFormat (filter number); index 0 is unused.
constexpr std::array<FormatInfo, 6> kFormats = {{
    {"", "", ""},
    {"r2", "R2 Files (*.R2)", "*.r2"},
    {"icf", "ICOM ICF Files (*.ICF)", "*.icf"},
    {"ic2", "ARC2 Files (*.IC2)", "*.ic2"},
    {"tr2", "TK2 Files (*.tr2)", "*.tr2"},
    {"", "All Files (*.*)", "*.*"},
}};

// The format an open or a plain save chooses by the path's ending. "icf" and
// "tr2" are tested before "r2", so a ".tr2" name is never taken for ".r2".
ImageFormat FormatOfPath(std::string_view path) {
  const std::string p = LCase(path);
  if (p.ends_with("icf")) return kIcf;
  if (p.ends_with("tr2")) return kTr2;
  if (p.ends_with("r2")) return kR2;
  if (p.ends_with("ic2")) return kIc2;
  return kNoFormat;
}

// The file name part of a path: after its last "/" or "\".
std::string_view FileNamePart(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The format a typed name asks for by its own extension (".r2", ".icf",
// ".ic2", ".tr2"), looked for in the file name only.
ImageFormat FormatOfTypedName(std::string_view path) {
  const std::string name = LCase(FileNamePart(path));
  for (int f = kR2; f <= kTr2; ++f) {
    if (name.ends_with("." + std::string(kFormats[f].extension)))
      return static_cast<ImageFormat>(f);
  }
  return kNoFormat;
}

std::vector<FileFilter> SaveFilters() {
  std::vector<FileFilter> filters;
  for (int f = kR2; f <= kAllFiles; ++f)
    filters.push_back({kFormats[f].filterLabel, kFormats[f].filterPattern});
  return filters;
}

const std::string kModelName = "IC-R2";

// The image's setters of columns 2 to 8, in the order a row is stored.
using FieldSetter = void (clsICR2::*)(int, std::string_view);
constexpr std::array<std::pair<int, FieldSetter>, 7> kFieldSetters = {{
    {ColMode, &clsICR2::SetMode},
    {ColSkip, &clsICR2::SetSkip},
    {ColStep, &clsICR2::SetStep},
    {ColRptSh, &clsICR2::SetDup},
    {ColShift, &clsICR2::SetOffset},
    {ColTsql, &clsICR2::SetTsql},
    {ColTone, &clsICR2::SetTone},
}};

// Columns 2 to 8 of channel `ch`, each from the text `text(column)`.
template <typename Text>
void StoreFields(int ch, const Text& text) {
  for (const auto& [col, set] : kFieldSetters) (ICR2Image.*set)(ch, text(col));
}

}  // namespace

// ---- image and grid ----------------------------------------------------------

void Form1::FillGrid() {
  initgrid();
  MSFlexGrid& grid = *MSFlexGrid1;
  for (int n = 1; n <= kChannelCount; ++n) {
    if (!ICR2Image.IsValidMemory(n)) continue;
    // A record in the 9 kHz form (bytes 1 and 2 end in FFF) shows its
    // broadcast-band frequency; an ordinary record shows its own frequency
    // whatever its step code says.
    const std::string freq = ICR2Image.GetFreq(n);
    grid.SetTextMatrix(n, 1, freq.ends_with("FFF") ? ICR2Image.GetBCBFreq(n) : frqFilter(freq));
    grid.SetTextMatrix(n, 2, ICR2Image.GetMode(n));
    grid.SetTextMatrix(n, 3, ICR2Image.GetSkip(n));
    grid.SetTextMatrix(n, 4, ICR2Image.GetStep(n));
    grid.SetTextMatrix(n, 5, ICR2Image.GetDup(n));
    grid.SetTextMatrix(n, 6, ICR2Image.GetOffset(n));
    grid.SetTextMatrix(n, 7, ICR2Image.GetTsql(n));
    grid.SetTextMatrix(n, 8, ICR2Image.GetTone(n));
  }
  for (int n = 1; n <= kChannelCount; ++n) grid.SetTextMatrix(n, 9, ChannelComments[n]);
  LoadAlt();
}

void Form1::Savegrid() {
  if (!ICR2Image.IsFileLoaded()) return;
  HideEditors();
  const MSFlexGrid& grid = *MSFlexGrid1;
  for (int n = 1; n <= kChannelCount; ++n) {
    const std::string& freq = grid.TextMatrix(n, ColFreq);
    if (Val(freq) == 0) {
      ICR2Image.ClearMemory(n);
      continue;
    }
    // A cell left blank stores the channel default, never what the record
    // held before: after rows are inserted, record n still holds the channel
    // that has moved down, and a blank Tone would store the first tone. A
    // record that held no channel (an emptied one is all 0xFF) gets every
    // default first, so an unknown text over it keeps a default too.
    const auto cell = [&](int col) -> std::string_view {
      const std::string_view text = grid.TextMatrix(n, col);
      return TrimBlanksText(text).empty() ? std::string_view(kChannelDefaults[col]) : text;
    };
    if (!ICR2Image.IsValidMemory(n)) {
      StoreFields(n, [](int col) -> std::string_view { return kChannelDefaults[col]; });
    }
    if (grid.TextMatrix(n, ColStep) == "9 KHz" && clsICR2::IsBCBFreq(std::string_view(freq))) {
      ICR2Image.SetBCBFreq(n, freq);
    } else {
      ICR2Image.SetFreq(n, freq);
    }
    StoreFields(n, cell);
  }
  for (int n = 1; n <= kChannelCount; ++n) ChannelComments[n] = grid.TextMatrix(n, ColComments);
}

// ---- the unsaved-changes question ------------------------------------------

bool Form1::QuerySaveChanges() {
  StoreAltPanel();
  Savegrid();
  // An image that is not loaded holds nothing to save (and Save refuses it).
  if (!ICR2Image.IsFileLoaded() || !ICR2Image.IsDataChanged()) return true;
  const int answer = MsgBox(
      "The " + kModelName + " data has changed." + vbCrLf + "Do you want to save the changes?",
      vbYesNoCancel | vbExclamation, kMsgTitle);
  if (answer == vbYes) {
    SaveCancelled = false;
    mnuSaveOnly_Click();
    if (SaveCancelled) {
      SaveCancelled = false;
      return false;
    }
    return true;
  }
  return answer == vbNo;
}

// ---- open ------------------------------------------------------------------

FileResult Form1::ReadImageFile(const std::string& path) {
  switch (FormatOfPath(path)) {
    case kIcf:
      return ICR2Image.IsRTFile(path) ? ICR2Image.OpenRTFile(path) : ICR2Image.OpenICFFile(path);
    case kTr2:
      return ICR2Image.OpenBinary(path);
    case kR2:
      return ICR2Image.OpenFile(path);
    case kIc2:
      return ICR2Image.OpenArcFile(path);
    default:
      return {false, "The file " + path + " is not an " + kModelName +
                         " image file (.r2, .icf, .ic2 or .tr2)."};
  }
}

bool Form1::OpenImageFile(const std::string& path, bool addToMRU) {
  // A file too large to be an image is refused before the image is emptied,
  // so what was loaded stays loaded, like a file that is not there.
  if (const std::string tooLarge = FileTooLarge(path, kImageFileLimit); !tooLarge.empty()) {
    MsgBox(ToMessageText(tooLarge), vbOKOnly | vbExclamation, kMsgTitle);
    return false;
  }
  ICR2Image.Init();
  // Another image replaces this one: Undo must never bring its channels back.
  ClearUndo();
  const FileResult result = ReadImageFile(path);
  if (!result || !ICR2Image.IsFileLoaded()) {
    // Nothing usable was read: back to the nothing-loaded state, so that no
    // command can save or upload an empty image over real data.
    const std::string reason =
        result ? "The file " + path + " holds no " + kModelName + " memory image." : result.error;
    const bool rt = FormatOfPath(path) == kIcf && ICR2Image.IsRTFile(path);
    ICR2Image.Init();
    CurrentFile.clear();
    setWindowTitle(QString::fromStdString(AppTitle));
    FillGrid();
    InitGUI();
    MsgBox(ToMessageText(reason), vbOKOnly | vbExclamation, rt ? "Error" : kMsgTitle);
    return false;
  }
  SetCaptionWithFile(path);
  CurrentFile = path;
  FillGrid();
  EnableGUI();
  if (addToMRU) AddToMRU(path);
  // Part of the file was missing (an ".r2" cut inside its comments): the
  // channels are shown, and the user hears of it before saving over the file.
  if (!result.warning.empty()) {
    MsgBox(ToMessageText(result.warning), vbOKOnly | vbExclamation, kMsgTitle);
  }
  return true;
}

void Form1::mnuOpen_Click() {
  if (!QuerySaveChanges()) return;
  const std::vector<FileFilter> filters = {
      {kModelName + " Files (*.r2 *.icf *.ic2 *.tr2)", "*.r2;*.icf;*.ic2;*.tr2"},
      {"All Files (*.*)", "*.*"}};
  const FileDialogResult chosen = GetOpenFileName("Open File", filters, 1);
  if (!chosen.ok || chosen.path.empty()) return;
  // The dialog does not insist on an existing file; a name that is not there
  // leaves the image as it is.
  if (!QFileInfo(QString::fromStdString(chosen.path)).isFile()) {
    MsgBox(ToMessageText(chosen.path) + vbCrLf + "This file does not exist.",
           vbOKOnly | vbExclamation, kMsgTitle);
    return;
  }
  OpenImageFile(chosen.path, true);
}

void Form1::mnuMRU_Click(int Index) {
  if (Index < 0 || Index >= static_cast<int>(mnuMRU.size())) return;
  if (!QuerySaveChanges()) return;
  const std::string path =
      std::string(TrimBlanksText(GetSetting("IC-R2", "MRU", "mru" + std::to_string(Index), "")));
  if (!path.empty() && QFileInfo(QString::fromStdString(path)).isFile()) {
    OpenImageFile(path, false);
    return;
  }
  const int answer = MsgBox(
      ToMessageText(path) + vbCrLf + "This file does not exist." + vbCrLf + "Select another?",
      vbYesNo | vbExclamation, kMsgTitle);
  if (answer == vbYes) mnuOpen_Click();
}

// ---- save ------------------------------------------------------------------

bool Form1::RefuseUnloadedSave() {
  if (ICR2Image.IsFileLoaded()) return false;
  MsgBox("There is no " + kModelName + " image to save." + vbCrLf +
             "Open a file or read the radio first.",
         vbOKOnly | vbExclamation, kMsgTitle);
  SaveCancelled = true;
  return true;
}

bool Form1::WriteImage(int format, const std::string& path) {
  FileResult result;
  switch (format) {
    case kIcf:
      result = ICR2Image.SaveICFFile(path);
      break;
    case kTr2:
      result = ICR2Image.SaveBinary(path);
      break;
    case kIc2:
      result = ICR2Image.SaveArcFile(path);
      break;
    default:
      result = ICR2Image.SaveFile(path, !mnuNoComments->isChecked());
      break;
  }
  if (result) return true;
  // A failed save is never taken for a saved one: the file name, the recent
  // list and the change state stay as they were, and the command that asked
  // for the save stops.
  MsgBox(ToMessageText(path) + vbCrLf + "The file could not be saved." + vbCrLf +
             ToMessageText(result.error),
         vbOKOnly | vbExclamation, kMsgTitle);
  SaveCancelled = true;
  return false;
}

void Form1::mnuSaveOnly_Click() {
  StoreAltPanel();
  Savegrid();
  if (RefuseUnloadedSave()) return;
  if (CurrentFile.empty()) {
    mnuSave_Click();
    return;
  }
  const ImageFormat format = FormatOfPath(CurrentFile);
  if (format == kNoFormat) {
    mnuSave_Click();
    return;
  }
  if (format == kIcf && ICR2Image.IsRTFile(CurrentFile)) {
    MsgBox(ToMessageText(CurrentFile) + vbCrLf + "This is an RT SYSTEMS .icf file." + vbCrLf +
               "You must save it as an ICOM .icf file, or an .r2 file!",
           vbOKOnly | vbInformation, kMsgTitle);
    mnuSave_Click();
    return;
  }
  WriteImage(format, CurrentFile);
}

void Form1::mnuSave_Click() {
  if (RefuseUnloadedSave()) return;
  const FileDialogResult chosen = GetSaveFileName("Save As...", SaveFilters(), 1);
  if (!chosen.ok || chosen.path.empty()) {
    SaveCancelled = true;
    return;
  }
  // A typed name with an image extension is saved in that format whatever
  // filter is selected, so the file always opens again. Otherwise the filter
  // decides; "All Files" saves in the program's own ".r2" format.
  int format = FormatOfTypedName(chosen.path);
  if (format == kNoFormat) {
    format = chosen.filterIndex >= kR2 && chosen.filterIndex <= kTr2 ? chosen.filterIndex : kR2;
  }
  StoreAltPanel();
  Savegrid();
  std::string path = chosen.path;
  // Only the file name is looked at: folders named like "radio.d" are common.
  if (FileNamePart(path).find('.') == std::string_view::npos) {
    path += "." + std::string(kFormats[format].extension);
  }
  if (QFileInfo::exists(QString::fromStdString(path))) {
    const int answer =
        MsgBox(ToMessageText(path) + " already exists." + vbCrLf + "Do you want to replace it?",
               vbYesNoCancel | vbExclamation, "Save As");
    if (answer == vbNo) {
      mnuSave_Click();
      return;
    }
    if (answer != vbYes) {
      SaveCancelled = true;
      return;
    }
  }
  if (!WriteImage(format, path)) return;
  CurrentFile = path;
  SetCaptionWithFile(path);
  AddToMRU(path);
  ICR2Image.SetChecksum();
}

void Form1::SetCaptionWithFile(const std::string& path) {
  setWindowTitle(QString::fromStdString(AppTitle + " - " + path));
}
