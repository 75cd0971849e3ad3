#pragma once
// The program's own CSV layout, read back: the header that marks a file as
// ours, and the field splitting of a data line.

#include <string>
#include <string_view>
#include <vector>

// How a file's rows map onto the grid.
enum class CsvLayout {
  NotCsv,    // no column header: the file is plain text
  Labelled,  // first field "#": each line names its row by the row label
  Packed,    // no "#" field: lines fill rows 1, 2, 3 ... in file order
};

// The header's columns, quotes removed and lower-cased, as they must appear
// somewhere in the first line.
inline constexpr std::string_view kCsvHeaderColumns = "freq,mode,skip,step,rpt sh,shift,tsql,tone";

CsvLayout CsvLayoutOf(std::string_view firstLine);

// A line that takes no row: blank, or the word "empty" in any case.
bool IsSkippedCsvLine(std::string_view line);

// The fields of a data line. A field that opens with a double quote runs,
// commas included, to a lone double quote standing before a comma or at the
// end of the line, and loses those two quotes; inside it two double quotes
// stand for one, as spreadsheets and the export write them, and any other
// lone quote stays as it stands (so files written before quotes were doubled
// read as they did wherever they can). A field whose quote never closes, and
// any other field, ends at the next comma and loses one trailing and then one
// leading double quote.
std::vector<std::string> SplitCsvFields(std::string_view line);
