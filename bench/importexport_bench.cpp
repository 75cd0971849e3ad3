// Timings of the CSV and text imports and the CSV export with the main
// window shown, as medians over many runs: a full labelled CSV file back
// into the grid, a 10,000-line text file scanned for frequencies, and the
// export of a full grid written to a file.
//
//   build/bench/importexport_bench [runs]
//
// Runs on whatever display Qt finds (QT_QPA_PLATFORM=offscreen or xvfb-run
// for a machine without one). Settings and files live in a temporary folder.

#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "BenchHarness.h"
#include "importexport/frmExportWizard.h"
#include "mainwindow/Form1.h"
#include "platform/FileDialogs.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"

namespace {

constexpr int kNameWidth = 40;  // the column result names are padded to

void FillGridRows(Form1& form) {
  MSFlexGrid& grid = *form.MSFlexGrid1;
  for (int r = 1; r <= 450; ++r) {
    const char* cells[] = {"", "146.520", "FM", "OFF", "5 KHz", "-DUP", "0.600", "ON", "100.0"};
    for (int c = 1; c <= 8; ++c) grid.SetTextMatrix(r, c, cells[c]);
    grid.SetTextMatrix(r, 9, "Repeater " + std::to_string(r));
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int runs = RunsArg(argc, argv, 50);

  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  UseFolder(folder);
  std::printf("imports and export, median of %d runs (%s)\n", runs,
              QGuiApplication::platformName().toStdString().c_str());

  Form1 form;
  form.Form_Load();
  form.EnableGUI();
  form.show();
  QApplication::processEvents();

  std::string chosen;
  SetFileDialogHandler([&](const FileDialogRequest&) { return FileDialogResult{true, chosen, 1}; });
  SetMsgBoxHandler([](const MsgBoxCall&) { return vbYes; });

  // The CSV file: the export of a full grid with every option that makes it longest.
  FillGridRows(form);
  const std::string csv = folder + "/full.csv";
  {
    frmExportWizard wizard(form);
    wizard.Check2->setChecked(true);
    wizard.Check3->setChecked(true);
    std::ofstream(csv, std::ios::binary) << wizard.GetExportData() << "\r\n";
  }
  const std::string text = folder + "/scan.txt";
  {
    std::ofstream out(text, std::ios::binary);
    for (int i = 0; i < 10000; ++i)
      out << "Line " << i << ": repeater output " << 144 + i % 300 << ".52 MHz, tone 100\r\n";
  }

  const double csvMs = MedianMs(
      runs,
      [&] {
        form.initgrid();
        chosen = csv;
      },
      [&] {
        form.mnuImport_Click();
        QApplication::processEvents();
      });
  Report("import 450-line CSV", csvMs, 50, kNameWidth);

  const double textMs = MedianMs(
      runs,
      [&] {
        form.initgrid();
        chosen = text;
      },
      [&] {
        form.mnuImport_Click();
        QApplication::processEvents();
      });
  Report("import 10,000-line text file", textMs, 50, kNameWidth);

  FillGridRows(form);
  const double exportMs = MedianMs(
      runs, [&] { chosen = folder + "/out.csv"; },
      [&] {
        frmExportWizard wizard(form);
        wizard.Check2->setChecked(true);
        wizard.Command4_Click();
      });
  Report("export full grid to CSV", exportMs, 50, kNameWidth);

  SetFileDialogHandler(nullptr);
  SetMsgBoxHandler(nullptr);
  return 0;
}
