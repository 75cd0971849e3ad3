#include "importexport/TextFile.h"

#include <limits>

#include "image/FileIo.h"
#include "mainwindow/Form1Shared.h"

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
}  // namespace

std::vector<std::string> TextLinesOf(std::string_view text) {
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
  const TextLines split = SplitLines(text);
  return std::vector<std::string>(split.lines.begin(), split.lines.end());
}

TextFileLines ReadTextFileLines(const std::string& path) {
  // Text files have no size limit of their own.
  const FileBytes read = ReadFileBytes(path, std::numeric_limits<std::size_t>::max());
  TextFileLines file;
  file.ok = read.ok;
  // The message names the file by its native path; boxes take code-page bytes.
  file.error = ToMessageText(read.error);
  if (read.ok) file.lines = TextLinesOf(read.bytes);
  return file;
}
