#include "image/TextFile.h"

#include <new>

#include "image/CodePage.h"
#include "image/FileIo.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view WithoutBom(std::string_view text) {
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  return text;
}

std::vector<std::string> LinesOf(std::string_view text, std::size_t maxLines) {
  // Counted first, so the lines take exactly the room they need: a file of
  // bare line ends is millions of empty lines.
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size() && count < maxLines; at = NextLine(text, at).next)
    ++count;
  std::vector<std::string> lines;
  lines.reserve(count);
  for (std::size_t at = 0; lines.size() < count;) {
    const LineAt line = NextLine(text, at);
    lines.emplace_back(line.line);
    at = line.next;
  }
  return lines;
}

}  // namespace

std::vector<std::string> TextLinesOf(std::string_view text) {
  return LinesOf(WithoutBom(text), std::numeric_limits<std::size_t>::max());
}

TextFileLines ReadTextFileLines(const std::string& path, std::size_t maxLines) {
  FileBytes read = ReadFileBytes(path, kTextFileLimit);
  TextFileLines file;
  file.ok = read.ok;
  file.error = std::move(read.error);
  if (!read.ok) return file;
  // The mark goes first: left in, it would count as UTF-8 itself and turn
  // into a '?' before plain ASCII text; before Windows-1252 text it goes too.
  read.bytes.erase(0, read.bytes.size() - WithoutBom(read.bytes).size());
  const std::string text = FileTextInCp1252(std::move(read.bytes));
  // Short lines cost more than their bytes: a file of millions of them may
  // not fit where its bytes did.
  try {
    file.lines = LinesOf(text, maxLines);
  } catch (const std::bad_alloc&) {
    file = {};
    file.error =
        "The file " + path + " could not be read: there is not enough memory for its lines.";
  }
  return file;
}
