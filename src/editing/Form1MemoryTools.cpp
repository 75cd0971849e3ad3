// The Memories menu's sorts, checks, find and lists, and View > Visible
// Columns, wired to the menu items the window builds.

#include <QAction>
#include <QMenu>
#include <utility>

#include "editing/frmColumns.h"
#include "editing/frmFind.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "platform/MSFlexGrid.h"
#include "platform/Modal.h"

void Form1::ConnectMemoryTools() {
  const std::pair<QAction*, void (Form1::*)()> commands[] = {
      {mnuSortAscending, &Form1::mnuSortAscending_Click},
      {mnuSortDescending, &Form1::mnuSortDescending_Click},
      {mnuSortRowsAscending, &Form1::mnuSortRowsAscending_Click},
      {mnuSortRowsDeascending, &Form1::mnuSortRowsDeascending_Click},
      {mnuDupCheck, &Form1::mnuDupCheck_Click},
      {mnuFind, &Form1::mnuFind_Click},
      {mnuVisible, &Form1::mnuVisible_Click},
  };
  for (const auto& [item, handler] : commands) connect(item, &QAction::triggered, this, handler);
  connect(mnuMemories, &QMenu::aboutToShow, this, &Form1::mnuMemories_Click);
  for (QAction* item : mnuInsertN) {
    connect(item, &QAction::triggered, this,
            [this, item] { InsertList(item->data().toString().toStdString()); });
  }
}

void Form1::mnuFind_Click() {
  HideEditors();
  frmFind dialog(*this);
  ShowModal(dialog);
}

void Form1::mnuVisible_Click() {
  HideEditors();
  frmColumns dialog(*MSFlexGrid1, this);
  if (ShowModal(dialog) == QDialog::Accepted) ApplyVisibleColumns();
}

// The widths are set in place: the grid keeps every text it holds, also
// what the receiver's image could not take back.
void Form1::ApplyVisibleColumns() {
  for (int box = 0; box <= 8; ++box) {
    const int col = box + 1;
    MSFlexGrid1->SetColWidth(col, VisibleSettingShows(box) ? kGridColumnLayout[col].width : 0);
  }
}
