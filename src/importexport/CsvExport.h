#pragma once
// The grid as comma-separated text, the layout the CSV import reads back.

#include <string>

class Form1;

struct ExportOptions {
  bool includeNumber = true;   // the "#" column of row labels first
  bool includeUnused = false;  // rows whose Mode cell is blank too
  bool useQuotes = false;      // every cell between double quotes
};

// Header row and channel rows, cells as the grid holds them (commas and
// quotes unescaped), each row ending in CR LF.
std::string GetExportData(Form1& form, const ExportOptions& options);
