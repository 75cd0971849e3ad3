#pragma once
// The main window: the channel grid and the commands that work on it. The
// class is split over several source files by concern (grid and row commands,
// channel rules, file commands, menus, ...); this header declares all of it.

#include <QMainWindow>
#include <string>

class MSFlexGrid;

class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // ---- channel grid and row operations (Form1Grid.cpp) -------------------
  // (declarations of the grid procedures go here)
  // ---- end of channel grid and row operations -----------------------------

  // ---- channel field rules (ChannelRules.cpp) ----------------------------
  // ---- end of channel field rules -----------------------------------------

  // ---- shell: start-up, settings, files, menus, GUI states ----------------
  // ---- end of shell -------------------------------------------------------

  MSFlexGrid* MSFlexGrid1 = nullptr;
};
