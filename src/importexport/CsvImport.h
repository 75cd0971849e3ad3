#pragma once
// The CSV import on lines already read, for File > Import From .CSV, which
// reads the file once to tell CSV from plain text.

#include <string>
#include <vector>

class Form1;

// The CSV rows of `lines` (the header first) into the grid; false, and
// nothing written, when the first line is not the CSV header.
bool ImportCsvLines(Form1& form, const std::vector<std::string>& lines);
