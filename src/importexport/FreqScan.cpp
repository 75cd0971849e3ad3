#include "importexport/FreqScan.h"

#include "image/Val.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::size_t kCommentLength = 25;

std::string CommentOf(std::string_view line, const ScannedNumber& n) {
  // A number at the start of the line is followed by its description; one
  // further in is preceded by it, so the line's start is the better comment.
  if (n.start > 1) return std::string(line.substr(0, kCommentLength));
  std::size_t from = n.end + 1;
  while (from < line.size() && line[from] == ' ') ++from;
  if (from >= line.size()) return "";
  return std::string(line.substr(from, kCommentLength));
}

}  // namespace

bool ScannedNumber::IsZero() const { return Val(text) == 0; }

std::optional<ScannedNumber> NextNumber(std::string_view line, std::size_t from) {
  for (std::size_t p = line.find('.', from); p != std::string_view::npos;
       p = line.find('.', p + 1)) {
    if (p + 1 >= line.size() || !IsDigit(line[p + 1])) continue;
    ScannedNumber n;
    n.point = p;
    n.end = p + 1;
    while (n.end < line.size() && IsDigit(line[n.end])) ++n.end;
    n.start = p;
    while (n.start > 0 && IsDigit(line[n.start - 1])) --n.start;
    n.text = std::string(line.substr(n.start, n.end - n.start));
    return n;
  }
  return std::nullopt;
}

std::string ScanFrequency(std::string_view line) {
  for (auto n = NextNumber(line, 0); n; n = NextNumber(line, n->point + 1)) {
    if (n->IsZero()) return "";
    if (n->HasWholePart()) return n->text;
  }
  return "";
}

std::vector<FoundFrequency> ScanFrequencies(std::string_view line, bool multiple, bool comments) {
  std::vector<FoundFrequency> found;
  for (auto n = NextNumber(line, 0); n; n = NextNumber(line, n->point + 1)) {
    if (n->IsZero()) {
      if (!multiple) break;
      continue;
    }
    if (!n->HasWholePart()) continue;
    FoundFrequency f{n->text, ""};
    if (comments && !multiple) f.comment = CommentOf(line, *n);
    found.push_back(std::move(f));
    if (!multiple) break;
  }
  return found;
}
