#pragma once
// TravelPlus ".tpe" repeater records as grid rows.

#include <string>
#include <string_view>
#include <vector>

class Form1;

// The options the "Import TPE" dialog leaves: the field that becomes the
// comment (0 city, 1 region, 2 call sign, 3 sponsor) and the first row
// (kStartAtLastEmptyRow for the row after the last used memory row).
extern int TPETagField;
extern int TPEStartRow;

// The fields of one record line: twelve empty fields appended, split at
// every quote-comma pair, each trimmed and stripped of one leading and one
// trailing quote.
std::vector<std::string> SplitTpeFields(std::string_view line);

// The frequency text of field 5 before normalising: MHz as written when it
// holds a point, kHz for three or more digits, else a TV channel number.
std::string TpeFrequencyText(const std::string& field);

// Writes the records of `lines` (a header line first) into consecutive rows
// from `startRow`, up to row 450. A line without a comma keeps its row as it
// was; a record with too few fields ends the import there, keeping the
// cells it wrote.
void ImportTpeLines(Form1& form, const std::vector<std::string>& lines, int startRow, int tagField);
