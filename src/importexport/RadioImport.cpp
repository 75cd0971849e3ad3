#include "importexport/RadioImport.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "image/Module1.h"
#include "image/Val.h"
#include "importexport/DeferredReaderHost.h"
#include "importexport/RadioMapping.h"
#include "importexport/frmImportSelectB.h"
#include "mainwindow/Form1Shared.h"
#include "mainwindow/Globals.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"
#include "readers/clsICQ7.h"
#include "readers/clsVX2R.h"
#include "readers/clsVX5R.h"
#include "readers/clsVX7R.h"
#include "readers/clsVr120.h"

namespace {

using readers::LoadResult;
using readers::MainWindowHost;

// Whether the path ends in "rdf", in any case: the ".rdf" form of a VX-5R or
// VX-7R file, whatever case the file system shows its name in.
bool IsRdfPath(const std::string& path) { return LCase(path).ends_with("rdf"); }

// The sizes one kind of a radio's file comes in: least to most bytes, most 0
// for no limit.
struct FileSizes {
  std::string_view radio;
  std::string_view kind;
  std::uintmax_t least;
  std::uintmax_t most;
};

using readers::clsVr120;
using readers::clsVX2R;
using readers::clsVX5R;
using readers::clsVX7R;

constexpr FileSizes kVX7File{"VX-7R", ".vx7", clsVX7R::kImageSize, clsVX7R::kImageSize};
// Whether an ".rdf" file carries the whole image behind its header is not
// known; one holding the image up to memory 333's record (12211 bytes) is
// taken, and what it lacks reads as zeros.
constexpr FileSizes kVX7RdfFile{"VX-7R", ".rdf", clsVX7R::kRdfHeader + 12211, 0};
constexpr FileSizes kVX2File{"VX-2R", ".vx2", clsVX2R::kImageSize, clsVX2R::kImageSize};
// Real ".eve" files end one byte before the last byte the reader takes.
constexpr FileSizes kVX5File{"VX-5R", ".eve", clsVX5R::kFileBytes - 1, clsVX5R::kFileBytes};
constexpr FileSizes kVX5RdfFile{"VX-5R", ".rdf", clsVX5R::kRdfHeader + clsVX5R::kFileBytes - 1, 0};
constexpr FileSizes kVR120File{"VR-120", ".tk1", clsVr120::kImageSize, clsVr120::kImageSize};

// A reader takes whatever bytes a file has and reads zeros past its end, so
// another file (a CSV list, an empty file) would import nothing, or garbage,
// without a word. A file of a size no such file has is refused before the
// reader sees it; one whose size cannot be read is left to the reader, which
// says why it cannot load it.
std::optional<LoadResult> WrongSize(const std::string& path, const FileSizes& sizes) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || (size >= sizes.least && (sizes.most == 0 || size <= sizes.most))) {
    return std::nullopt;
  }
  std::string expected = std::to_string(sizes.least);
  if (sizes.most == 0) {
    expected = "at least " + expected;
  } else if (sizes.most != sizes.least) {
    expected += " to " + std::to_string(sizes.most);
  }
  return LoadResult{false, path + vbCrLf + "This is not a " + std::string(sizes.radio) +
                               " file: it holds " + std::to_string(size) + " bytes, where a " +
                               std::string(sizes.radio) + " " + std::string(sizes.kind) +
                               " file holds " + expected + " bytes."};
}

}  // namespace

ImportSource ICQ7Source() {
  auto radio = std::make_shared<readers::clsICQ7>();
  ImportSource source;
  source.filter = {"IC-Q7 Files (*.q7)", "*.q7"};
  source.first = 1;
  source.last = readers::clsICQ7::kMemoryCount;
  source.load = [radio](const std::string& path, MainWindowHost&) { return radio->OpenFile(path); };
  source.read = [radio](int n) -> std::optional<ChannelRow> {
    if (!radio->IsValidMemory(n)) return std::nullopt;
    // Frequency and offset are kHz digits: "146520", and "00600" for a
    // 600 kHz shift.
    return MapMemory({KhzDigitsToMhz(radio->GetFreq(n)), radio->GetMod(n), radio->GetSkip(n),
                      radio->GetStep(n), radio->GetDup(n), KhzDigitsToMhz(radio->GetShift(n)),
                      radio->GetTsql(n), radio->GetGTone(n), ""},
                     kICQ7Mapping);
  };
  return source;
}

ImportSource VX2Source() {
  auto radio = std::make_shared<readers::clsVX2R>();
  ImportSource source;
  source.filter = {"VX2 Files (*.vx2)", "*.vx2"};
  source.sourceRange = true;
  source.first = 1;
  source.last = clsVX2R::kMemoryCount;
  source.load = [radio](const std::string& path, MainWindowHost&) {
    if (auto refused = WrongSize(path, kVX2File)) return *refused;
    return radio->OpenFile(path);
  };
  source.read = [radio](int n) -> std::optional<ChannelRow> {
    if (!radio->IsValidMemory(n)) return std::nullopt;
    return MapMemory({radio->Freq(n), radio->Mode(n), radio->Skip(n), radio->Step(n), radio->RPT(n),
                      radio->Shift(n), radio->SQLType(n), radio->Tone(n), radio->tag(n)},
                     kVXMapping);
  };
  return source;
}

ImportSource VX5Source() {
  auto radio = std::make_shared<readers::clsVX5R>();
  ImportSource source;
  source.filter = {"EVE Files (*.eve *.rdf)", "*.eve; *.rdf"};
  source.first = 1;
  source.last = readers::clsVX5R::kMemoryCount;
  source.load = [radio](const std::string& path, MainWindowHost&) {
    const bool rdf = IsRdfPath(path);
    if (auto refused = WrongSize(path, rdf ? kVX5RdfFile : kVX5File)) return *refused;
    return rdf ? radio->OpenVX5RDFFile(path) : radio->OpenVX5File(path);
  };
  source.read = [radio](int n) -> std::optional<ChannelRow> {
    if (!radio->GetVX5IsMemDefined(n)) return std::nullopt;
    return MapMemory(
        {radio->GetVX5Freq(n), radio->GetVX5Mode(n), radio->GetVX5MemSkip(n) ? "SKIP" : "OFF",
         radio->GetVX5Step(n), radio->GetVX5Shift(n), radio->GetVX5TXFreq(n),
         radio->GetVX5SqType(n), radio->GetVX5TSQL(n), radio->GetVX5Label(n)},
        kVXMapping);
  };
  return source;
}

ImportSource VX7Source() {
  auto radio = std::make_shared<readers::clsVX7R>();
  ImportSource source;
  source.filter = {"VX7 Files (*.vx7 *.rdf)", "*.vx7; *.rdf"};
  source.first = 1;
  source.last = readers::clsVX7R::kMemoryCount;
  source.load = [radio](const std::string& path, MainWindowHost& window) {
    const bool rdf = IsRdfPath(path);
    if (auto refused = WrongSize(path, rdf ? kVX7RdfFile : kVX7File)) return *refused;
    return rdf ? radio->OpenVX7RDF(path, window) : radio->OpenVX7(path);
  };
  source.carryOnError = readers::clsVX7R::kRdfNotVX7Message;
  source.read = [radio](int n) -> std::optional<ChannelRow> {
    if (!radio->GetMemIsDefined(n)) return std::nullopt;
    return MapMemory({radio->GetMemFreq(n), radio->GetMemMode(n), radio->GetMemScanMode(n),
                      radio->GetMemStep(n), radio->GetRptShift(n), radio->GetShift(n),
                      radio->GetSql(n), radio->GetTsql(n), radio->GetMemTag(n)},
                     kVXMapping);
  };
  return source;
}

ImportSource VR120Source() {
  using readers::clsVr120;
  auto radio = std::make_shared<clsVr120>();
  ImportSource source;
  source.filter = {"VR-120 Files (*.tk1)", "*.tk1"};
  // Memory i is bank i / 64, channel i % 64; the rows are packed.
  source.packRows = true;
  source.first = 0;
  source.last = clsVr120::kBanks * clsVr120::kChannels - 1;
  source.load = [radio](const std::string& path, MainWindowHost&) {
    if (auto refused = WrongSize(path, kVR120File)) return *refused;
    return radio->OpenVR120(path);
  };
  source.read = [radio](int i) -> std::optional<ChannelRow> {
    const int bank = i / clsVr120::kChannels;
    const int channel = i % clsVr120::kChannels;
    const std::string freq = radio->GetMemFreq(bank, channel);
    if (Val(freq) == 0) return std::nullopt;
    return VR120Row(freq, radio->GetMode(bank, channel), radio->GetMemTag(bank, channel));
  };
  return source;
}

int WriteImportedRows(MSFlexGrid& grid, int startRow, int first, int last, bool packRows,
                      const std::function<std::optional<ChannelRow>(int n)>& read) {
  if (startRow < 1 || startRow > LastScanEdgeRow) return 0;
  int row = startRow;
  int written = 0;
  for (int n = first; n <= last && row <= LastScanEdgeRow; ++n) {
    const std::optional<ChannelRow> cells = read(n);
    if (cells) {
      WriteChannelRow(grid, row, *cells);
      ++written;
    }
    if (cells || !packRows) ++row;
  }
  return written;
}

void RunRadioImport(RadioImportHost& host, const ImportSource& source) {
  const FileDialogResult chosen =
      GetOpenFileName("Open File", {source.filter, {"All Files (*.*)", "*.*"}});
  if (!chosen.ok || chosen.path.empty()) return;

  DeferredReaderHost window(host.ReaderHost());
  const readers::LoadResult loaded = source.load(chosen.path, window);
  if (!loaded.ok) {
    MsgBox(ToMessageText(loaded.error), vbOKOnly | vbExclamation, "Error");
    if (source.carryOnError.empty() || loaded.error != source.carryOnError) return;
  }

  host.ShowStartDialog(source.sourceRange);
  // 0 is what a start dialog closed before any OK leaves: nothing to import.
  if (ImportStartRow != kStartAtLastEmptyRow &&
      (ImportStartRow < 1 || ImportStartRow > LastScanEdgeRow)) {
    return;
  }
  int first = source.first;
  int last = source.last;
  if (source.sourceRange) {
    // The dialog refuses no range; one reaching past the file's channels is
    // cut to them, and a first channel above the last imports nothing.
    first = std::max(static_cast<int>(VX2FirstChannel), source.first);
    last = std::min(static_cast<int>(VX2LastChannel), source.last);
  }

  host.SaveUndo();
  window.Apply();
  const int startRow =
      ImportStartRow == kStartAtLastEmptyRow ? host.GetLastEmptyRow() : ImportStartRow;
  const int written =
      WriteImportedRows(host.Grid(), startRow, first, last, source.packRows, source.read);
  host.Savegrid();
  host.FillGrid();
  // Bring the imported channels into sight; the grid may show rows far away.
  if (written > 0) host.Grid().SetTopRow(startRow);
}
