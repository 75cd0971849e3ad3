#include "importexport/CsvExport.h"

#include "image/FileIo.h"
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
      const std::string& cell = grid.TextMatrix(r, c);
      // The import would cut an unquoted cell at its comma, or take its
      // quotes for the marks of a quoted field, so such a cell is quoted
      // whatever the option; inside quotes a quote is written twice.
      if (options.useQuotes || cell.find_first_of(",\"") != std::string::npos) {
        AppendCsvQuoted(text, cell);
      } else {
        text += cell;
      }
    }
    text += "\r\n";
  }
  return text;
}
