#pragma once
// The scratch file "tmp.dat" that mirrors the cell clipboard: one line per
// copied row, top row first, each ended by CR LF. A line holds one field per
// grid column, each followed by a comma, so a ten-column grid gives ten
// commas a line; a column outside the copied block is an empty field.
//
// A cell holding a comma, a double quote or a line break is written as a
// quoted field with its quotes doubled ("a,b" becomes "\"a,b\"") so that it
// comes back as one cell in its own column; every other field is the cell's
// text as it stands, so the file of a copy without such cells is exactly the
// plain comma layout that every running copy of the program reads.

#include <string>
#include <string_view>
#include <vector>

#include "mainwindow/Globals.h"

// The file's bytes for rows 1 to n of `buffer` (element 0 is not written),
// `cols` fields a line.
std::string CopyFileBytes(const std::vector<CopyRecord>& buffer, int cols);

// The rows of a file's bytes as a copy buffer: element 0 empty, then one
// element per line with fields 0 to `cols` - 1 in Cell[0] ... (missing
// fields are ""; fields past them are dropped), for the first `maxRows`
// lines only. No lines give an empty vector.
std::vector<CopyRecord> ParseCopyFile(std::string_view bytes, int cols, int maxRows);
