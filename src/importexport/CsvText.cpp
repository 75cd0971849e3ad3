#include "importexport/CsvText.h"

#include <algorithm>
#include <optional>

#include "image/FileIo.h"
#include "image/Module1.h"

CsvLayout CsvLayoutOf(std::string_view firstLine) {
  std::string cleaned;
  for (char c : firstLine)
    if (c != '"') cleaned += c;
  cleaned = LCase(cleaned);
  if (cleaned.find(kCsvHeaderColumns) == std::string::npos) return CsvLayout::NotCsv;
  return cleaned.substr(0, cleaned.find(',')) == "#" ? CsvLayout::Labelled : CsvLayout::Packed;
}

namespace {

struct QuotedField {
  std::string text;
  std::size_t close;  // position of the closing quote
};

// The field opened by the quote at `open`. Two quotes side by side stand for
// one; a lone quote before a comma or at the end of the line closes the
// field; any other lone quote is kept as it stands. Nothing when no quote
// closes it.
//
// Where the scan stands at a quote that begins a run of quotes does not
// depend on where the field opened, so once a scan has found no close, no
// later field finds one in a run of quotes after its own opening run:
// `noCloseFrom`, the first position after the opening run of the field that
// found none, ends later scans early, and a long line of stray quotes is
// read once, not once per field.
std::optional<QuotedField> ReadQuotedField(std::string_view line, std::size_t open,
                                           std::size_t& noCloseFrom) {
  QuotedField field;
  for (std::size_t at = open + 1;;) {
    const std::size_t q = line.find('"', at);
    if (q == std::string_view::npos || (q >= noCloseFrom && line[q - 1] != '"')) {
      const std::size_t runEnd = line.find_first_not_of('"', open);
      noCloseFrom = std::min(noCloseFrom, runEnd == std::string_view::npos ? line.size() : runEnd);
      return std::nullopt;
    }
    field.text.append(line.substr(at, q - at));
    if (q + 1 < line.size() && line[q + 1] == '"') {
      field.text += '"';
      at = q + 2;
    } else if (q + 1 == line.size() || line[q + 1] == ',') {
      field.close = q;
      return field;
    } else {
      field.text += '"';
      at = q + 1;
    }
  }
}

}  // namespace

bool IsSkippedCsvLine(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  return trimmed.empty() || LCase(trimmed) == "empty";
}

std::vector<std::string> SplitCsvFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  std::size_t noCloseFrom = std::string_view::npos;
  while (true) {
    if (start < line.size() && line[start] == '"') {
      if (std::optional<QuotedField> quoted = ReadQuotedField(line, start, noCloseFrom)) {
        fields.push_back(std::move(quoted->text));
        if (quoted->close + 1 == line.size()) break;
        start = quoted->close + 2;
        continue;
      }
    }
    const std::size_t comma = line.find(',', start);
    std::string field(
        line.substr(start, comma == std::string_view::npos ? line.npos : comma - start));
    if (!field.empty() && field.back() == '"') field.pop_back();
    if (!field.empty() && field.front() == '"') field.erase(0, 1);
    fields.push_back(std::move(field));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return fields;
}
