#include "importexport/TextFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "image/FileIo.h"

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
}  // namespace

std::vector<std::string> TextLinesOf(std::string_view text) {
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
  const TextLines split = SplitLines(text);
  return std::vector<std::string>(split.lines.begin(), split.lines.end());
}

TextFileLines ReadTextFileLines(const std::string& path) {
  TextFileLines file;
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) {
    file.error = "The file " + path + " could not be opened.";
    return file;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    file.error = "The file " + path + " could not be opened.";
    return file;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    file.error = "The file " + path + " could not be read.";
    return file;
  }
  file.lines = TextLinesOf(bytes);
  file.ok = true;
  return file;
}

std::string TrimSpaces(std::string_view text) { return std::string(TrimBlanks(text)); }
