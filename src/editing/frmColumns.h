#pragma once
// "Visible Columns": one box per grid column 1 to 9, ticked when the column
// is shown. It reads and writes only the "Visible0" to "Visible8" settings;
// the main window applies them to the grid.

#include <QDialog>
#include <array>

class MSFlexGrid;
class QCheckBox;
class QPushButton;

class frmColumns : public QDialog {
  Q_OBJECT

 public:
  // The captions of boxes 0 to 7 come from the grid's header row.
  explicit frmColumns(const MSFlexGrid& grid, QWidget* parent = nullptr);

  void Command1_Click();  // OK: stores the boxes
  void Command2_Click();  // Cancel
  // Stores box i as "1" (ticked) or "0" under "Visible" followed by i.
  void SaveAll();

  std::array<QCheckBox*, 9> Check1{};
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
};

// Whether a stored "Visible" value shows its column: only a value that reads
// as the number 0 hides it.
bool VisibleSettingShows(int box);
