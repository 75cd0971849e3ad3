#include "importexport/CsvExport.h"

#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "platform/MSFlexGrid.h"

std::string GetExportData(Form1& form, const ExportOptions& options) {
  const MSFlexGrid& grid = *form.MSFlexGrid1;
  const int firstCol = options.includeNumber ? ColLabel : ColFreq;
  std::string text;
  text.reserve(static_cast<std::size_t>(grid.Rows()) * 80);
  for (int r = 0; r < grid.Rows(); ++r) {
    if (!options.includeUnused && !form.IsRowUsed(r)) continue;
    for (int c = firstCol; c < grid.Cols(); ++c) {
      if (c > firstCol) text += ',';
      if (options.useQuotes) text += '"';
      text += grid.TextMatrix(r, c);
      if (options.useQuotes) text += '"';
    }
    text += "\r\n";
  }
  return text;
}
