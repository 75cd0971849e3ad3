// The main window's command surface: menu bar, popup menus, toolbar, row
// buttons, the option toggles and the layout rule.

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QToolBar>
#include <array>
#include <string_view>

#include "mainwindow/Form1.h"
#include "mainwindow/Form5.h"
#include "platform/MSFlexGrid.h"
#include "platform/Modal.h"
#include "platform/Settings.h"

namespace {

QAction* Item(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(QString::fromLatin1(caption));
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QAction* Separator(QMenu* menu, const char* name) {
  QAction* action = menu->addSeparator();
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QAction* Option(QMenu* menu, const char* name, const char* caption, bool designChecked) {
  QAction* action = Item(menu, name, caption);
  action->setCheckable(true);
  action->setChecked(designChecked);
  return action;
}

QMenu* TopMenu(QMenuBar* bar, QWidget* owner, const char* name, const char* caption) {
  auto* menu = new QMenu(QString::fromLatin1(caption), owner);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  if (bar) bar->addMenu(menu);
  return menu;
}

// The items of the popup menus mnu1 to mnu7, top to bottom; a null name is a
// separator. Menu 0 stands for the Step submenu of mnu4.
struct PopupItem {
  int menu;
  const char* name;
  const char* caption;
};
constexpr int kStepSubmenu = 0;
constexpr PopupItem kPopupItems[] = {
    {1, "mnu1Copy", "&Copy"},
    {1, "mnu1Paste", "&Paste"},
    {2, "mnu2copy", "&Copy"},
    {2, "mnu2Paste", "&Paste"},
    {2, nullptr, nullptr},
    {2, "mnuFM", "&FM"},
    {2, "mnuWFM", "&WFM"},
    {2, "mnuAM", "&AM"},
    {3, "mnu3copy", "&Copy"},
    {3, "mnu3paste", "&Paste"},
    {3, nullptr, nullptr},
    {3, "mnu3off", "&OFF"},
    {3, "mnuPskip", "&PSKIP"},
    {3, "mnu3skip", "&SKIP"},
    {4, "mnu4copy", "&Copy"},
    {4, "mnu4paste", "&Paste"},
    {4, nullptr, nullptr},
    {4, "mnu4Step", "&Step"},
    {kStepSubmenu, "mnu45k", "5 KHz"},
    {kStepSubmenu, "mnu625khz", "6.25 KHz"},
    {kStepSubmenu, "mnu410k", "10 KHz"},
    {kStepSubmenu, "mnu415k", "15 KHz"},
    {kStepSubmenu, "mnu420K", "20 KHz"},
    {kStepSubmenu, "mnu425K", "25 KHz"},
    {kStepSubmenu, "mnu430K", "30 KHz"},
    {kStepSubmenu, "mnu450K", "50 KHz"},
    {kStepSubmenu, "mnu4100k", "100 KHz"},
    {5, "mnu5copy", "&Copy"},
    {5, "mnu5paste", "&Paste"},
    {5, nullptr, nullptr},
    {5, "mnusimp", "SIMP"},
    {5, "mnumdup", "-DUP"},
    {5, "mnupDUP", "+DUP"},
    {6, "mnu6Copy", "&Copy"},
    {6, "mnu6paste", "&Paste"},
    {6, nullptr, nullptr},
    {6, "mnu6off", "O&FF"},
    {6, "mnu6on", "O&N"},
    {7, "mnu7Copy", "&Copy"},
    {7, "mnu7Paste", "&Paste"},
    {7, nullptr, nullptr},
    {7, "mnuAutoIncrement", "&Auto-Fill Comments"},
};

// Small drawn pictures for the commands that have no standard one.
enum class Glyph { Cut, Copy, Paste, Print, InsertBlank, Clear, Read, Write, Radio };

QIcon DrawnIcon(Glyph glyph) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(40, 40, 40), 2);
  p.setPen(pen);
  switch (glyph) {
    case Glyph::Cut:
      p.drawEllipse(QRectF(5, 20, 8, 8));
      p.drawEllipse(QRectF(19, 20, 8, 8));
      p.drawLine(QPointF(11, 21), QPointF(24, 3));
      p.drawLine(QPointF(21, 21), QPointF(8, 3));
      break;
    case Glyph::Copy:
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4, 4, 15, 19));
      p.drawRect(QRectF(12, 10, 15, 19));
      break;
    case Glyph::Paste:
      p.setBrush(QColor(200, 160, 90));
      p.drawRect(QRectF(5, 5, 22, 25));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(10, 2, 12, 6));
      p.drawRect(QRectF(10, 12, 14, 15));
      break;
    case Glyph::Print:
      p.setBrush(Qt::white);
      p.drawRect(QRectF(9, 3, 14, 10));
      p.setBrush(QColor(150, 150, 150));
      p.drawRect(QRectF(3, 12, 26, 12));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(9, 20, 14, 9));
      break;
    case Glyph::InsertBlank:
      p.setBrush(Qt::white);
      p.drawRect(QRectF(3, 4, 26, 24));
      p.setPen(QPen(QColor(0, 120, 0), 3));
      p.drawLine(QPointF(16, 9), QPointF(16, 23));
      p.drawLine(QPointF(9, 16), QPointF(23, 16));
      break;
    case Glyph::Clear:
      p.setBrush(Qt::white);
      p.drawRect(QRectF(3, 4, 26, 24));
      p.setPen(QPen(QColor(180, 0, 0), 3));
      p.drawLine(QPointF(9, 10), QPointF(23, 22));
      p.drawLine(QPointF(23, 10), QPointF(9, 22));
      break;
    case Glyph::Read:
    case Glyph::Write: {
      p.setBrush(QColor(60, 60, 60));
      p.drawRoundedRect(QRectF(glyph == Glyph::Read ? 3 : 19, 6, 10, 22), 2, 2);
      p.setPen(QPen(QColor(0, 90, 180), 3));
      const qreal from = glyph == Glyph::Read ? 28 : 4;
      const qreal to = glyph == Glyph::Read ? 15 : 17;
      const qreal tip = glyph == Glyph::Read ? 4 : -4;
      p.drawLine(QPointF(from, 17), QPointF(to, 17));
      p.drawLine(QPointF(to, 17), QPointF(to + tip, 12));
      p.drawLine(QPointF(to, 17), QPointF(to + tip, 22));
      break;
    }
    case Glyph::Radio:
      p.setBrush(QColor(30, 30, 30));
      p.drawRoundedRect(QRectF(8, 8, 16, 23), 3, 3);
      p.drawLine(QPointF(20, 8), QPointF(22, 1));
      p.setBrush(QColor(120, 200, 120));
      p.drawRect(QRectF(11, 11, 10, 6));
      break;
  }
  return QIcon(pixmap);
}

QIcon StandardIcon(QStyle::StandardPixmap which) {
  return QApplication::style()->standardIcon(which);
}

// The toolbar, button by button: text (nullptr for a separator) and picture.
struct ToolbarButtonDef {
  const char* text;
  int picture;  // a QStyle::StandardPixmap, or -1 - Glyph for a drawn one, or kNoPicture
};
constexpr int kNoPicture = -1000;
constexpr int Drawn(Glyph g) { return -1 - static_cast<int>(g); }
constexpr const char* kSeparator = nullptr;

const ToolbarButtonDef kToolbar[19] = {
    {"", kNoPicture},
    {"Open", QStyle::SP_DialogOpenButton},
    {"Save", QStyle::SP_DialogSaveButton},
    {kSeparator, kNoPicture},
    {"Cut", Drawn(Glyph::Cut)},
    {"Copy", Drawn(Glyph::Copy)},
    {"Paste", Drawn(Glyph::Paste)},
    {kSeparator, kNoPicture},
    {"Move Up", QStyle::SP_ArrowUp},
    {"Move Down", QStyle::SP_ArrowDown},
    {"Insert Blank", Drawn(Glyph::InsertBlank)},
    {"Delete", QStyle::SP_TrashIcon},
    {"Clear", Drawn(Glyph::Clear)},
    {kSeparator, kNoPicture},
    {"Find", QStyle::SP_FileDialogContentsView},
    {"Print", Drawn(Glyph::Print)},
    {kSeparator, kNoPicture},
    {"Read from IC-R2", Drawn(Glyph::Read)},
    {"Write To IC-R2", Drawn(Glyph::Write)},
};

QIcon PictureOf(int picture) {
  if (picture == kNoPicture) return {};
  if (picture < 0) return DrawnIcon(static_cast<Glyph>(-1 - picture));
  return StandardIcon(static_cast<QStyle::StandardPixmap>(picture));
}

// Layout sizes in twips.
constexpr int kGridTop = 720;
constexpr int kFrame1Height = 600;

struct RowButtonDef {
  QPushButton* Form1::*button;
  const char* name;
  const char* caption;
  int top;
};
constexpr int kRowButtonLeft = 135;
constexpr int kRowButtonWidth = 1320;
constexpr int kRowButtonHeight = 375;
const RowButtonDef kRowButtons[] = {
    {&Form1::Command2, "Command2", "Move", 720},
    {&Form1::Command1, "Command1", "Move", 1260},
    {&Form1::Command8, "Command8", "Insert Blank", 1980},
    {&Form1::Command3, "Command3", "Delete", 2475},
    {&Form1::Command7, "Command7", "Clear", 2970},
};

QRect Twips(int left, int top, int width, int height) {
  return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
               height / kTwipsPerPixel);
}

}  // namespace

// ---- building the window -----------------------------------------------------

void Form1::BuildMenus() {
  QMenuBar* bar = menuBar();

  mnuFile = TopMenu(bar, this, "mnuFile", "&File");
  mnuOpen = Item(mnuFile, "mnuOpen", "&Open");
  mnuSaveOnly = Item(mnuFile, "mnuSaveOnly", "&Save");
  mnuSave = Item(mnuFile, "mnuSave", "Save &As...");
  mnusep1 = Separator(mnuFile, "mnusep1");
  mnuImport = Item(mnuFile, "mnuImport", "&Import From .CSV...");
  mnuExportWizard = Item(mnuFile, "mnuExportWizard", "&Export to .CSV...");
  mnuExport = Item(mnuFile, "mnuExport", "&Export To .CSV...");
  mnuExport->setVisible(false);
  mnuExportCSV2 = Item(mnuFile, "mnuExportCSV2", "&Export To CSV Type 2...");
  mnuExportCSV2->setVisible(false);
  mnusep3 = Separator(mnuFile, "mnusep3");
  mnuImportTPE = Item(mnuFile, "mnuImportTPE", "Import From .&TPE...");
  mnuImportICQ7 = Item(mnuFile, "mnuImportICQ7", "Import From &IC-Q7 File...");
  mnuImportVX2 = Item(mnuFile, "mnuImportVX2", "Import From VX&2 File...");
  mnuImportEve = Item(mnuFile, "mnuImportEve", "Import From VX&5 File...");
  mnuImportVX7 = Item(mnuFile, "mnuImportVX7", "Import From VX&7 File...");
  mnuImportVR120 = Item(mnuFile, "mnuImportVR120", "Import From VR-120 File...");
  mnuSep2 = Separator(mnuFile, "mnuSep2");
  mnuFreqImportTool = Item(mnuFile, "mnuFreqImportTool", "Frequency Import Tool");
  mnusep1a = Separator(mnuFile, "mnusep1a");
  mnuPrint = Item(mnuFile, "mnuPrint", "&Print");
  mnusep5 = Separator(mnuFile, "mnusep5");
  mnuexit = Item(mnuFile, "mnuexit", "E&xit");
  mnuMRUSep = Separator(mnuFile, "mnuMRUSep");
  for (int i = 0; i < static_cast<int>(mnuMRU.size()); ++i) {
    const std::string caption = "&" + std::to_string(i + 1);
    mnuMRU[i] = Item(mnuFile, "mnuMRU", caption.c_str());
    mnuMRU[i]->setProperty("Index", i);
  }

  mnuEdit = TopMenu(bar, this, "mnuEdit", "&Edit");
  mnuUndo = Item(mnuEdit, "mnuUndo", "&Undo");
  undosep = Separator(mnuEdit, "undosep");
  mnuCut = Item(mnuEdit, "mnuCut", "Cu&t");
  mnuCopy = Item(mnuEdit, "mnuCopy", "&Copy");
  mnuPaste = Item(mnuEdit, "mnuPaste", "&Paste");
  mnuSep23 = Separator(mnuEdit, "mnuSep23");
  mnuSep23->setVisible(false);
  mnuInsert = Item(mnuEdit, "mnuInsert", "&Insert Cut Rows");
  mnuInsert->setVisible(false);

  mnuView = TopMenu(bar, this, "mnuView", "&View");
  mnuButtons = Option(mnuView, "mnuButtons", "&Buttons", true);
  mnuVisible = Item(mnuView, "mnuVisible", "&Visible Columns...");

  mnuOptions = TopMenu(bar, this, "mnuOptions", "&Settings");
  mnuPort = Item(mnuOptions, "mnuPort", "&Port...");
  mnusepport = Separator(mnuOptions, "mnusepport");
  mnuAltInterface = Option(mnuOptions, "mnuAltInterface", "&Use Alternate GUI", false);
  mnuAutoShift = Option(mnuOptions, "mnuAutoShift", "&Use Auto-Shift", true);
  mnuAutoMode = Option(mnuOptions, "mnuAutoMode", "&Use Auto-Mode", true);
  mnuInsertFills = Option(mnuOptions, "mnuInsertFills", "&Insert Fills Empty Rows", false);
  mnuSingleClick = Option(mnuOptions, "mnuSingleClick", "Single-Click Editing", false);
  mnuNoComments = Option(mnuOptions, "mnuNoComments", "&No Comments In .R2 Files", false);
  mnusetsep = Separator(mnuOptions, "mnusetsep");
  mnuUse9K = Option(mnuOptions, "mnuUse9K", "&Use 9KHz Step for BCB", false);

  mnuMemories = TopMenu(bar, this, "mnuMemories", "&Memories");
  mnuFind = Item(mnuMemories, "mnuFind", "&Find...");
  mnuDupCheck = Item(mnuMemories, "mnuDupCheck", "&Check for Duplicate Freqs");
  mnuCheckBlocked = Item(mnuMemories, "mnuCheckBlocked", "&Check For USA Blocked Freqs");
  mnusepmem1 = Separator(mnuMemories, "mnusepmem1");
  mnuSortAscending = Item(mnuMemories, "mnuSortAscending", "Sort All Rows &Ascending");
  mnuSortDescending = Item(mnuMemories, "mnuSortDescending", "Sort All Rows &Descending");
  mnuSortRowsAscending = Item(mnuMemories, "mnuSortRowsAscending", "Sort &Selected Rows Ascending");
  mnuSortRowsDeascending =
      Item(mnuMemories, "mnuSortRowsDeascending", "Sort Selected &Rows Descending");
  mnuInsertSep1 = Separator(mnuMemories, "mnuInsertSep1");
  mnuInsertFreqList = TopMenu(nullptr, this, "mnuInsertFreqList", "Insert Frequency List");
  mnuMemories->addMenu(mnuInsertFreqList);
  for (int k = 0; k < static_cast<int>(mnuInsertN.size()); ++k) {
    // The captions are list names, filled in each time the menu opens.
    const std::string name = "mnuInsert" + std::to_string(k + 1);
    mnuInsertN[k] = Item(mnuInsertFreqList, name.c_str(), "");
    mnuInsertN[k]->setVisible(false);
  }
  mnumemsep1 = Separator(mnuMemories, "mnumemsep1");
  mnuRemoveEmpty = Item(mnuMemories, "mnuRemoveEmpty", "&Remove Empty Rows");
  mnuFillSelected = Item(mnuMemories, "mnuFillSelected", "&Fill Selected Rows...");
  mnusep9 = Separator(mnuMemories, "mnusep9");
  mnuClearMem = Item(mnuMemories, "mnuClearMem", "&Clear All Memories");
  mnuPrioritySep = Separator(mnuMemories, "mnuPrioritySep");
  mnuPrioritySep->setVisible(false);
  mnuPriority = Item(mnuMemories, "mnuPriority", "&Priority Channel...");
  mnuPriority->setVisible(false);

  mnuGoTo = TopMenu(bar, this, "mnuGoTo", "&Go To");
  for (int k = 0; k < static_cast<int>(mnuBank.size()); ++k) {
    const std::string name = "mnuBank" + std::to_string(k);
    const std::string caption = "Bank " + std::to_string(k);
    mnuBank[k] = Item(mnuGoTo, name.c_str(), caption.c_str());
  }
  mnuScanEdge = Item(mnuGoTo, "mnuScanEdge", "Scan Edge");

  mnuVX2Settings = TopMenu(bar, this, "mnuVX2Settings", "&IC-R2 Settings");
  mnuSetMode = Item(mnuVX2Settings, "mnuSetMode", "&Set Mode...");
  mnuSquelch = Item(mnuVX2Settings, "mnuSquelch", "&Squelch...");
  mnuUserComments = Item(mnuVX2Settings, "mnuUserComments", "&User Comments...");

  mnuTransfer = TopMenu(bar, this, "mnuTransfer", "&Transfer");
  mnuTestComms = Item(mnuTransfer, "mnuTestComms", "&Test Communication");
  mnuRead = Item(mnuTransfer, "mnuRead", "&Read from IC-R2");
  mnuWrite = Item(mnuTransfer, "mnuWrite", "&Write To IC-R2");

  mnuHelp = TopMenu(bar, this, "mnuHelp", "&Help");
  mnuabout = Item(mnuHelp, "mnuabout", "&About...");

  // The per-column popup menus, opened by a right click in the grid.
  std::array<QMenu**, 7> popups = {&mnu1, &mnu2, &mnu3, &mnu4, &mnu5, &mnu6, &mnu7};
  for (int m = 0; m < static_cast<int>(popups.size()); ++m) {
    const std::string name = "mnu" + std::to_string(m + 1);
    *popups[m] = TopMenu(nullptr, this, name.c_str(), name.c_str());
  }
  QMenu* steps = nullptr;
  for (const PopupItem& item : kPopupItems) {
    QMenu* menu = item.menu == kStepSubmenu ? steps : *popups[item.menu - 1];
    if (!item.name) {
      menu->addSeparator();
    } else if (item.menu == 4 && std::string_view(item.name) == "mnu4Step") {
      steps = TopMenu(nullptr, this, item.name, item.caption);
      menu->addMenu(steps);
    } else {
      Item(menu, item.name, item.caption);
    }
  }
}

void Form1::BuildToolbar() {
  Toolbar1 = new QToolBar(centralWidget());
  Toolbar1->setObjectName("Toolbar1");
  Toolbar1->setMovable(false);
  // Nineteen buttons with their texts under the pictures would not fit the
  // window's width, so the texts are the buttons' tool tips.
  Toolbar1->setIconSize(QSize(20, 20));
  Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (int i = 0; i < 19; ++i) {
    const ToolbarButtonDef& def = kToolbar[i];
    const int number = i + 1;
    QAction* button;
    if (def.text == kSeparator) {
      button = Toolbar1->addSeparator();
    } else {
      button = Toolbar1->addAction(PictureOf(def.picture), QString::fromLatin1(def.text));
      connect(button, &QAction::triggered, this, [this, number] { Toolbar1_ButtonClick(number); });
    }
    button->setObjectName(QStringLiteral("Toolbar1Button%1").arg(number));
    toolbarButtons_[i] = button;
  }
}

void Form1::BuildWindow() {
  auto* client = new QWidget(this);
  client->setObjectName("client");
  setCentralWidget(client);
  setWindowIcon(DrawnIcon(Glyph::Radio));

  // Bottom first, so that the grid and the panel lie over the strip.
  Frame1 = new QFrame(client);
  Frame1->setObjectName("Frame1");
  Frame1->setFrameShape(QFrame::NoFrame);
  Label1 = new QLabel(Frame1);
  Label1->setObjectName("Label1");

  for (const RowButtonDef& def : kRowButtons) {
    auto* button = new QPushButton(QString::fromLatin1(def.caption), client);
    button->setObjectName(QString::fromLatin1(def.name));
    button->setGeometry(Twips(kRowButtonLeft, def.top, kRowButtonWidth, kRowButtonHeight));
    this->*def.button = button;
  }
  Command2->setIcon(StandardIcon(QStyle::SP_ArrowUp));
  Command1->setIcon(StandardIcon(QStyle::SP_ArrowDown));

  MSFlexGrid1 = new MSFlexGrid(client);
  MSFlexGrid1->setObjectName("MSFlexGrid1");

  Frame2 = new QFrame(client);
  Frame2->setObjectName("Frame2");
  Frame2->setFrameShape(QFrame::StyledPanel);
  Frame2->setAutoFillBackground(true);
  Frame2->setVisible(false);

  BuildToolbar();
}

// ---- layout ------------------------------------------------------------------

void Form1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Form_Resize();
}

void Form1::Form_Resize() {
  if (!MSFlexGrid1) return;
  // The window's size in twips; each placement that would come out negative
  // is skipped.
  const int windowWidth = width() * kTwipsPerPixel;
  const int windowHeight = height() * kTwipsPerPixel;
  const int toolbarHeight = Toolbar1->sizeHint().height();
  Toolbar1->setGeometry(0, 0, centralWidget()->width(), toolbarHeight);

  const int gridTop = std::max(kGridTop, toolbarHeight * kTwipsPerPixel);
  const int gridHeight = windowHeight - 1500;
  const bool buttons = mnuButtons->isChecked();
  const int gridLeft = buttons ? 1575 : 100;
  const int gridWidth = windowWidth - (buttons ? 1800 : 300);
  if (gridHeight >= 0 && gridWidth >= 0) {
    MSFlexGrid1->setGeometry(Twips(gridLeft, gridTop, gridWidth, gridHeight));
  } else if (gridHeight >= 0) {
    MSFlexGrid1->setGeometry(Twips(MSFlexGrid1->x() * kTwipsPerPixel, gridTop,
                                   MSFlexGrid1->width() * kTwipsPerPixel, gridHeight));
  } else if (gridWidth >= 0) {
    MSFlexGrid1->setGeometry(
        Twips(gridLeft, gridTop, gridWidth, MSFlexGrid1->height() * kTwipsPerPixel));
  }
  const int frame2Width = gridLeft + gridWidth - 100;
  if (frame2Width >= 0) Frame2->resize(frame2Width / kTwipsPerPixel, Frame2->height());
  if (gridHeight >= 0) Frame2->resize(Frame2->width(), gridHeight / kTwipsPerPixel);
  Frame1->setGeometry(Twips(0, windowHeight - 1050, windowWidth, kFrame1Height));
  Label1->setGeometry(0, 0, Frame1->width(), Frame1->height());
}

// ---- commands ------------------------------------------------------------------

void Form1::Toolbar1_ButtonClick(int button) {
  switch (button) {
    case 2:
      mnuOpen_Click();
      break;
    case 3:
      mnuSaveOnly_Click();
      break;
    case 5:
      CellCut();
      break;
    case 6:
      CellCopy();
      break;
    case 7:
      CellPaste();
      break;
    case 9:
      HighlightRow();
      Command2_Click();
      break;
    case 10:
      HighlightRow();
      Command1_Click();
      break;
    case 11:
      HighlightRow();
      Command8_Click();
      break;
    case 12:
      HighlightRow();
      Command3_Click();
      break;
    case 13:
      HighlightRow();
      Command7_Click();
      break;
    case 15:
      mnuFind_Click();
      break;
    case 16:
      mnuPrint_Click();
      break;
    case 18:
      mnuRead_Click();
      break;
    case 19:
      mnuWrite_Click();
      break;
    default:
      // 1 and the separators have no command.
      break;
  }
}

QAction* Form1::Toolbar1Button(int button) const {
  if (button < 1 || button > static_cast<int>(toolbarButtons_.size())) return nullptr;
  return toolbarButtons_[button - 1];
}

void Form1::ToggleOption(QAction* item, const char* key) {
  item->setChecked(!item->isChecked());
  SaveSetting("IC-R2", "Settings", key, item->isChecked() ? "True" : "False");
  SyncOptionFlags();
}

void Form1::mnuAutoShift_Click() { ToggleOption(mnuAutoShift, "AutoShift"); }
void Form1::mnuAutoMode_Click() { ToggleOption(mnuAutoMode, "AutoMode"); }
void Form1::mnuInsertFills_Click() { ToggleOption(mnuInsertFills, "InsertFills"); }
void Form1::mnuSingleClick_Click() { ToggleOption(mnuSingleClick, "SingleClick"); }
void Form1::mnuNoComments_Click() { ToggleOption(mnuNoComments, "NoComments"); }
void Form1::mnuUse9K_Click() { ToggleOption(mnuUse9K, "Use9K"); }

void Form1::mnuButtons_Click() {
  HideEditors();
  ToggleOption(mnuButtons, "Buttons");
  Form_Resize();
}

void Form1::mnuScanEdge_Click() { MSFlexGrid1->SetTopRow(401); }

void Form1::mnuabout_Click() {
  Form5 about(this);
  ShowModal(about);
}

void Form1::mnuexit_Click() { close(); }

void Form1::ConnectCommands() {
  // Option items flip their own check mark in their handlers, so Qt's own
  // toggling on a click is undone first.
  const std::pair<QAction*, void (Form1::*)()> toggles[] = {
      {mnuButtons, &Form1::mnuButtons_Click},
      {mnuAutoShift, &Form1::mnuAutoShift_Click},
      {mnuAutoMode, &Form1::mnuAutoMode_Click},
      {mnuInsertFills, &Form1::mnuInsertFills_Click},
      {mnuSingleClick, &Form1::mnuSingleClick_Click},
      {mnuNoComments, &Form1::mnuNoComments_Click},
      {mnuUse9K, &Form1::mnuUse9K_Click},
      {mnuAltInterface, &Form1::mnuAltInterface_Click},
  };
  for (const auto& [item, handler] : toggles) {
    connect(item, &QAction::triggered, this, [this, item, handler] {
      item->setChecked(!item->isChecked());
      (this->*handler)();
    });
  }

  const std::pair<QAction*, void (Form1::*)()> commands[] = {
      {mnuOpen, &Form1::mnuOpen_Click},
      {mnuSaveOnly, &Form1::mnuSaveOnly_Click},
      {mnuSave, &Form1::mnuSave_Click},
      {mnuexit, &Form1::mnuexit_Click},
      {mnuScanEdge, &Form1::mnuScanEdge_Click},
      {mnuabout, &Form1::mnuabout_Click},
      {mnuUndo, &Form1::Undo},
  };
  for (const auto& [item, handler] : commands) {
    connect(item, &QAction::triggered, this, handler);
  }
  for (int i = 0; i < static_cast<int>(mnuMRU.size()); ++i) {
    connect(mnuMRU[i], &QAction::triggered, this, [this, i] { mnuMRU_Click(i); });
  }
  for (int k = 0; k < static_cast<int>(mnuBank.size()); ++k) {
    connect(mnuBank[k], &QAction::triggered, this, [this, k] { mnuBank_Click(k); });
  }

  // Row buttons: the press widens the selection to whole rows before the
  // click runs the row command.
  const std::pair<QPushButton*, void (Form1::*)()> rowButtons[] = {
      {Command2, &Form1::Command2_Click}, {Command1, &Form1::Command1_Click},
      {Command8, &Form1::Command8_Click}, {Command3, &Form1::Command3_Click},
      {Command7, &Form1::Command7_Click},
  };
  for (const auto& [button, handler] : rowButtons) {
    connect(button, &QPushButton::pressed, this, [this] { HighlightRow(); });
    connect(button, &QPushButton::clicked, this, handler);
  }
}

void Form1::SyncOptionFlags() { InsertFillsOn = mnuInsertFills->isChecked(); }
