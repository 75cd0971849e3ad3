#include "mainwindow/Form1.h"

#include "platform/FlexGridData.h"

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form1");
  BuildWindow();
  BuildMenus();
  ConnectCommands();
  CreateCellEditors();
  ConnectTransferMenu();
  ConnectEditMenu();
  ConnectMemoryTools();
  ConnectSettingsMenu();
  ConnectRadioImports();
  ConnectFileExchange();
  // The design size, in twips; the stored placement replaces it at load.
  resize(9990 / kTwipsPerPixel, 7050 / kTwipsPerPixel);
  Form_Resize();
}

Form1::~Form1() = default;
