#include "image/FileIo.h"

#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>

namespace {

std::string TooLargeMessage(const std::string& path, std::uintmax_t size, const FileLimit& limit) {
  return "The file " + path + " is too large to read: it holds " + std::to_string(size) +
         " bytes, more than the " + std::to_string(limit.maxSize) + " bytes (" +
         std::to_string(limit.maxSize / (1024 * 1024)) + " MiB) that " + limit.kind + " may hold.";
}

}  // namespace

std::string FileTooLarge(const std::string& path, const FileLimit& limit) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size <= limit.maxSize) return {};
  return TooLargeMessage(path, size, limit);
}

FileBytes ReadFileBytes(const std::string& path, const FileLimit& limit) {
  FileBytes file;
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
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size < 0 || !in) {
    file.error = "The file " + path + " could not be read.";
    return file;
  }
  if (static_cast<std::uintmax_t>(size) > limit.maxSize) {
    file.error = TooLargeMessage(path, static_cast<std::uintmax_t>(size), limit);
    file.tooLarge = true;
    return file;
  }
  // Within the limit a file may still not fit in what memory is left: that
  // is a file that cannot be read, not the end of the program.
  try {
    file.bytes.resize(static_cast<std::size_t>(size));
  } catch (const std::bad_alloc&) {
    file.error = "The file " + path + " could not be read: there is not enough memory for its " +
                 std::to_string(size) + " bytes.";
    return file;
  }
  in.read(file.bytes.data(), size);
  if (in.gcount() != size) {
    file.error = "The file " + path + " could not be read.";
    file.bytes.clear();
    return file;
  }
  file.ok = true;
  return file;
}

FileResult WriteFileReplacing(const std::string& path, std::string_view bytes) {
  const FileResult failed{false, "The file " + path + " could not be written."};
  if (path.empty()) return failed;
  const std::filesystem::path target(path);
  std::filesystem::path temp = target;
  temp += ".kestrane-tmp";
  std::error_code error;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return failed;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::filesystem::remove(temp, error);
      return failed;
    }
  }
  std::filesystem::rename(temp, target, error);
  if (error) {
    std::filesystem::remove(temp, error);
    return failed;
  }
  return {};
}

TextLines SplitLines(std::string_view text) {
  TextLines result;
  for (std::size_t start = 0; start < text.size();) {
    const LineAt at = NextLine(text, start);
    result.lines.push_back(at.line);
    start = at.next;
  }
  result.lastTerminated = !text.empty() && (text.back() == '\r' || text.back() == '\n');
  return result;
}

LineAt NextLine(std::string_view text, std::size_t start) {
  // A plain loop: find_first_of looks each byte up in the set of two.
  std::size_t end = start;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  if (end == text.size()) return {text.substr(start), text.size()};
  const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
  return {text.substr(start, end - start), end + (crLf ? 2 : 1)};
}

std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

void AppendCsvQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string TooShortMessage(const std::string& path) {
  return "The file " + path + " is too short to hold an IC-R2 image.";
}

std::string ShortImageMessage(const std::string& path, std::size_t fileSize, std::size_t wholeSize,
                              std::size_t found) {
  if (fileSize < wholeSize) return TooShortMessage(path);
  return "The file " + path + " holds only " + std::to_string(found) + " of the " +
         std::to_string(kImageSize) + " bytes of an IC-R2 image.";
}

std::string NotHexMessage(const std::string& path, std::size_t line) {
  return "The file " + path + " holds image data that is not hexadecimal (line " +
         std::to_string(line) + ").";
}

std::string MisfitRecordMessage(const std::string& path, const std::string& where,
                                std::size_t length, std::size_t expected) {
  return "The file " + path + " is damaged: " + where + " holds " + std::to_string(length) +
         " characters where a 16-byte record has " + std::to_string(expected) + ".";
}

std::string IncompleteCommentsMessage(const std::string& path, int whole) {
  return "The file " + path + " ends inside its channel comments: only " + std::to_string(whole) +
         " of the 450 comments could be read whole.\r\n"
         "The channels have been loaded. Save under another name to keep this file as it is.";
}
