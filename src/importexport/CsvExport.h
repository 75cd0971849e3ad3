#pragma once
// The grid as comma-separated text, the layout the CSV import reads back.

#include <string>

class Form1;

struct ExportOptions {
  bool includeNumber = true;   // the "#" column of row labels first
  bool includeUnused = false;  // rows whose Mode cell is blank too
  bool useQuotes = false;      // every cell between double quotes, not only
                               // those that hold a comma
};

// Header row and channel rows, cells as the grid holds them, each row ending
// in CR LF. A cell that holds a comma is always between double quotes, so the
// import keeps it whole. Quotes inside a cell are written as they stand
// (doubling them, as other CSV writers do, would change what our own import
// reads back), so a cell holding a quote right before a comma still comes
// back cut there.
std::string GetExportData(Form1& form, const ExportOptions& options);
