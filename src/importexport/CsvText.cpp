#include "importexport/CsvText.h"

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

// The quote that closes a field opened by the quote at `open`: the next quote
// that ends the field, standing before a comma or at the end of the line.
std::size_t ClosingQuote(std::string_view line, std::size_t open) {
  for (std::size_t q = line.find('"', open + 1); q != std::string_view::npos;
       q = line.find('"', q + 1)) {
    if (q + 1 == line.size() || line[q + 1] == ',') return q;
  }
  return std::string_view::npos;
}

}  // namespace

bool IsSkippedCsvLine(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  return trimmed.empty() || LCase(trimmed) == "empty";
}

std::vector<std::string> SplitCsvFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  // Once no closing quote is left on the line, none is left after any later
  // opening quote either: the rest of the line splits as plain fields, and a
  // long line of stray quotes is not searched again and again.
  bool closingQuoteLeft = true;
  while (true) {
    if (closingQuoteLeft && start < line.size() && line[start] == '"') {
      const std::size_t close = ClosingQuote(line, start);
      if (close != std::string_view::npos) {
        fields.emplace_back(line.substr(start + 1, close - start - 1));
        if (close + 1 == line.size()) break;
        start = close + 2;
        continue;
      }
      closingQuoteLeft = false;
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
