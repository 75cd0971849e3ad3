// File > Import From .TPE: frequency, shift and tone forms, tag fields,
// start rows, and records that run out of fields.

#include "importexport/TravelPlus.h"

#include <QPushButton>
#include <QRadioButton>

#include "importexport/ImportStartFrame.h"
#include "importexport/exchange_support.h"
#include "importexport/frmTravelPlus.h"
#include "platform/Modal.h"
#include "platform/VbTextBox.h"

namespace exchange_test {
namespace {

std::string Record(const std::string& freq, const std::string& shift, const std::string& tone) {
  return "\"US\",\"x\",\"y\",\"Region\",\"City\",\"" + freq + "\",\"" + shift +
         "\",\"W1ABC\",\"z\",\"" + tone + "\",\"Sponsor\"";
}

using TravelPlus = ExchangeTest;

TEST_F(TravelPlus, FrequencyShiftAndToneForms) {
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"146.94", "-", "100", "146.940|FM|OFF|5 KHz|-DUP|0.600|ON|100.0|City"},
      {"146940", "+", "88.5", "146.940|FM|OFF|5 KHz|+DUP|0.600|ON|88.5|City"},
      {"442", "", "", "0.440|AM|OFF|5 KHz|SIMP|0.000|OFF|100.0|City"},
      {"7", "0.600", "", "179.750|WFM|OFF|5 KHz|SIMP|0.600|OFF|100.0|City"},
      {"70", " ", " ", "0.000|AM|OFF|5 KHz|SIMP|0.000|OFF|100.0|City"},
  };
  std::vector<std::string> lines{"header"};
  for (const auto& [freq, shift, tone, cells] : cases) lines.push_back(Record(freq, shift, tone));
  ImportTpeLines(g_.form, lines, 1, 0);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Row(i + 1), std::get<3>(cases[i])) << i;
}

TEST_F(TravelPlus, RowsTagsAndShortRecords) {
  const std::string r = Record("146.94", "", "");
  ImportTpeLines(g_.form, {"header", r, "", r, r}, 448, 2);  // a blank line keeps its row
  EXPECT_EQ(g_.grid.TextMatrix(448, ColComments), "W1ABC");
  EXPECT_EQ(g_.grid.TextMatrix(449, ColFreq), "");
  EXPECT_EQ(g_.grid.TextMatrix(450, ColFreq), "146.940");
  // A record too short for its tone ends the import with what it wrote.
  g_.form.initgrid();
  ImportTpeLines(g_.form, {"header", "\"a\",\"b\",\"c\",\"Reg\",\"Town\",\"146.94\",\"\",\"x\"", r},
                 1, 1);
  EXPECT_EQ(Row(1), "146.940|FM|OFF|5 KHz|SIMP|0.000|OFF|88.5|Reg");
  EXPECT_EQ(Row(2), "||||||||");
}

TEST_F(TravelPlus, DialogChoosesFieldAndStart) {
  const std::string path = Write("r.tpe", "header\r\n" + Record("146.94", "", "") + "\r\n");
  for (const bool ok : {true, false}) {
    const auto before = g_.Cells();
    SetModalRunner([&](QDialog& dialog) {
      auto& d = static_cast<frmTravelPlus&>(dialog);
      for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
               d.Option4, d.Frame2->Option5, d.Frame2->Command9, d.Frame2->Command9})
        b->click();
      EXPECT_EQ(d.Frame2->Text1->Text(), "24A");
      ok ? d.Command1_Click() : d.reject();  // closed: nothing imported
      return d.result();
    });
    dialogs_.Choose(path);
    g_.form.mnuImportTPE_Click();
    SetModalRunner({});
    EXPECT_EQ(g_.grid.TextMatrix(449, ColComments), ok ? "Sponsor" : "");
    g_.form.Undo();
    EXPECT_EQ(g_.Cells(), before);
  }
}

}  // namespace
}  // namespace exchange_test
