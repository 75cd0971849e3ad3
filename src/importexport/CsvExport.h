#pragma once
// The grid as comma-separated text, the layout the CSV import reads back.

#include <string>

class Form1;

struct ExportOptions {
  bool includeNumber = true;   // the "#" column of row labels first
  bool includeUnused = false;  // rows whose Mode cell is blank too
  bool useQuotes = false;      // every cell between double quotes, not only
                               // those that hold a comma or a quote
};

// Header row and channel rows, cells as the grid holds them, each row ending
// in CR LF. A cell that holds a comma or a double quote is always between
// double quotes, and inside double quotes every quote is written twice, as
// spreadsheets write them, so the import reads every cell back whole.
std::string GetExportData(Form1& form, const ExportOptions& options);
