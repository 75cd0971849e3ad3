#pragma once
// Text files and clipboard text as the imports and the frequency lists read
// them: Windows-1252 bytes split into lines at CR, LF or CR LF (files written
// on other systems end their lines with LF alone), with a UTF-8 byte-order
// mark at the start dropped so that it never sticks to the first field or
// header.

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

struct TextFileLines {
  bool ok = false;
  std::vector<std::string> lines;
  // Why the file could not be read: a sentence that names the file by its
  // path as given (native text, which a message box must convert).
  std::string error;
};

// The lines of a text, after the byte-order mark. The text is Windows-1252
// already (clipboard text is converted where it arrives).
std::vector<std::string> TextLinesOf(std::string_view text);

// The first `maxLines` lines of a file (a command that can use no more asks
// for no more). A file in UTF-8 (see FileTextInCp1252) is turned into
// Windows-1252; any other file is read as Windows-1252. A file that cannot be
// opened or read, or that is larger than any text file the program reads,
// gives ok false and a sentence naming it.
TextFileLines ReadTextFileLines(const std::string& path,
                                std::size_t maxLines = std::numeric_limits<std::size_t>::max());
