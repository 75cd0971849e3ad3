#include "editing/CopyFile.h"

#include <algorithm>

#include "image/FileIo.h"

namespace {

bool NeedsQuotes(std::string_view text) {
  return text.find_first_of(",\"\r\n") != std::string_view::npos;
}

void AppendField(std::string& out, std::string_view text) {
  if (NeedsQuotes(text)) {
    AppendCsvQuoted(out, text);
  } else {
    out += text;
  }
}

}  // namespace

std::string CopyFileBytes(const std::vector<CopyRecord>& buffer, int cols) {
  const int fields = std::clamp(cols, 0, static_cast<int>(CopyRecord{}.Cell.size()));
  std::string out;
  for (std::size_t k = 1; k < buffer.size(); ++k) {
    for (int c = 0; c < fields; ++c) {
      AppendField(out, buffer[k].Cell[c]);
      out += ',';
    }
    out += "\r\n";
  }
  return out;
}

std::vector<CopyRecord> ParseCopyFile(std::string_view bytes, int cols, int maxRows) {
  const int fields = std::clamp(cols, 0, static_cast<int>(CopyRecord{}.Cell.size()));
  std::vector<CopyRecord> rows;
  CopyRecord row;
  int field = 0;
  std::string text;
  bool lineStarted = false;
  auto endField = [&] {
    if (field < fields) row.Cell[field] = std::move(text);
    text.clear();
    ++field;
  };
  auto endLine = [&] {
    endField();
    if (rows.empty()) rows.emplace_back();  // element 0 is never used
    rows.push_back(std::move(row));
    row = CopyRecord{};
    field = 0;
    lineStarted = false;
  };

  // Lines past the rows a paste can fill are never held: each one would be a
  // whole record of cells.
  const auto full = [&] {
    const std::size_t held = rows.empty() ? 0 : rows.size() - 1;
    return held >= static_cast<std::size_t>(std::max(maxRows, 0));
  };
  std::size_t i = 0;
  while (i < bytes.size() && !full()) {
    const char c = bytes[i];
    if (c == '"' && text.empty()) {
      // A quoted field: up to the quote not doubled; what follows it up to
      // the next comma or line end is kept as it stands.
      lineStarted = true;
      for (++i; i < bytes.size(); ++i) {
        if (bytes[i] != '"') {
          text += bytes[i];
        } else if (i + 1 < bytes.size() && bytes[i + 1] == '"') {
          text += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
      continue;
    }
    if (c == ',') {
      lineStarted = true;
      endField();
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      endLine();
    } else {
      lineStarted = true;
      text += c;
    }
    ++i;
  }
  // A last line without its CR LF still counts; a final CR LF starts none.
  if (lineStarted) endLine();
  return rows;
}
