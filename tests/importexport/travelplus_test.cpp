// File > Import From .TPE: record fields, frequency and shift forms, tones,
// start rows and records that run out of fields.

#include "importexport/TravelPlus.h"

#include <QPushButton>
#include <QRadioButton>

#include "importexport/exchange_support.h"
#include "importexport/frmTravelPlus.h"
#include "platform/Modal.h"
#include "platform/VbTextBox.h"

namespace exchange_test {
namespace {

// A record with the given frequency, shift and tone fields.
std::string Record(const std::string& freq, const std::string& shift, const std::string& tone) {
  return "\"US\",\"x\",\"y\",\"Region\",\"City\",\"" + freq + "\",\"" + shift +
         "\",\"W1ABC\",\"z\",\"" + tone + "\",\"Sponsor\"";
}

using TravelPlus = ExchangeTest;

TEST_F(TravelPlus, FrequencyShiftAndToneForms) {
  struct Case {
    std::string freq, shift, tone;
    const char* cells;
  };
  const Case cases[] = {
      {"146.94", "-", "100", "146.940|FM|OFF|5 KHz|-DUP|0.600|ON|100.0|City"},
      {"146940", "+", "88.5", "146.940|FM|OFF|5 KHz|+DUP|0.600|ON|88.5|City"},
      {"442", "", "", "0.440|AM|OFF|5 KHz|SIMP|0.000|OFF|100.0|City"},
      {"7", "0.600", "", "179.750|WFM|OFF|5 KHz|SIMP|0.600|OFF|100.0|City"},
      {"70", " ", " ", "0.000|AM|OFF|5 KHz|SIMP|0.000|OFF|100.0|City"},
  };
  std::vector<std::string> lines{"header"};
  for (const Case& c : cases) lines.push_back(Record(c.freq, c.shift, c.tone));
  ImportTpeLines(g_.form, lines, 1, 0);
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i)
    EXPECT_EQ(Row(i + 1), cases[i].cells) << cases[i].freq;
}

TEST_F(TravelPlus, RowsTagsAndShortRecords) {
  const std::string r = Record("146.94", "", "");
  // A blank line keeps its row; rows past 450 are dropped.
  ImportTpeLines(g_.form, {"header", r, "", r, r, r}, 448, 2);
  EXPECT_EQ(g_.grid.TextMatrix(448, ColComments), "W1ABC");
  EXPECT_EQ(g_.grid.TextMatrix(449, ColFreq), "");
  EXPECT_EQ(g_.grid.TextMatrix(450, ColFreq), "146.940");

  // Tag fields; a record too short for its tag or its tone stops the import
  // with the cells already written.
  ImportTpeLines(g_.form, {"header", r, r}, 1, 3);
  EXPECT_EQ(g_.grid.TextMatrix(2, ColComments), "Sponsor");
  g_.form.initgrid();
  ImportTpeLines(g_.form, {"header", "\"a\",\"b\",\"c\",\"Reg\",\"Town\",\"146.94\",\"\",\"x\"", r},
                 1, 1);
  EXPECT_EQ(Row(1), "146.940|FM|OFF|5 KHz|SIMP|0.000|OFF|88.5|Reg");
  EXPECT_EQ(Row(2), "||||||||");
}

TEST_F(TravelPlus, DialogChoosesFieldAndStart) {
  g_.Use(1, 4);
  const std::string path = Write("r.tpe", "header\r\n" + Record("146.94", "", "") + "\r\n");
  struct Case {
    std::function<void(frmTravelPlus&)> choose;
    int row;
    const char* tag;
  };
  const Case cases[] = {
      {[](frmTravelPlus& d) { d.Command1->click(); }, 5, "City"},
      {[](frmTravelPlus& d) {
         d.Option3->click();
         d.Option5->click();
         d.Command9->click();
         d.Command9->click();
         EXPECT_EQ(d.Text1->Text(), "24A");
         d.Command1->click();
       },
       449, "W1ABC"},
      {[](frmTravelPlus& d) {
         d.Option2->click();
         d.Option7->click();
         d.Command1->click();
       },
       3, "Region"},
      {[](frmTravelPlus& d) { d.reject(); }, 0, nullptr},  // closed: nothing imported
  };
  g_.grid.SetRow(3);
  for (const Case& c : cases) {
    const auto before = g_.Cells();
    SetModalRunner([&](QDialog& d) {
      c.choose(static_cast<frmTravelPlus&>(d));
      return d.result();
    });
    dialogs_.Choose(path);
    g_.form.mnuImportTPE_Click();
    SetModalRunner({});
    if (!c.tag) {
      EXPECT_EQ(g_.Cells(), before);
      continue;
    }
    EXPECT_EQ(g_.grid.TextMatrix(c.row, ColComments), c.tag);
    g_.form.Undo();
    EXPECT_EQ(g_.Cells(), before);
  }
}

}  // namespace
}  // namespace exchange_test
