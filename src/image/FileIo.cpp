#include "image/FileIo.h"

#include <filesystem>
#include <fstream>
#include <system_error>

FileBytes ReadFileBytes(const std::string& path, std::size_t maxSize) {
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
  if (static_cast<std::uintmax_t>(size) > maxSize) {
    file.error = "The file " + path + " is too large to be an IC-R2 image file.";
    return file;
  }
  file.bytes.resize(static_cast<std::size_t>(size));
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
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    result.lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  result.lastTerminated = start == text.size() && !text.empty();
  if (start < text.size()) result.lines.push_back(text.substr(start));
  return result;
}

std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
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
