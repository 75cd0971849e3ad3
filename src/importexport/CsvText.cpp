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

bool IsSkippedCsvLine(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  return trimmed.empty() || LCase(trimmed) == "empty";
}

std::vector<std::string> SplitCsvFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
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
