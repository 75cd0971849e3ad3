#pragma once
// The CSV and plain-text imports on lines already read, for File > Import
// From .CSV and for callers that hold the text themselves.

#include <string>
#include <vector>

class Form1;

// The CSV rows of `lines` (the header first) into the grid; false, and
// nothing written, when the first line is not the CSV header.
bool ImportCsvLines(Form1& form, const std::vector<std::string>& lines);

// One channel per line that holds a frequency, from the row after the last
// used memory row.
void ImportGenericLines(Form1& form, const std::vector<std::string>& lines);
