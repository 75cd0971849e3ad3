// Timings of the main window's everyday paths, as medians over many runs:
// start-up to the window shown, opening each image format into the grid,
// storing the grid into the image, and saving each format.
//
//   build/bench/mainwindow_bench [runs]
//
// Runs on whatever display Qt finds (QT_QPA_PLATFORM=offscreen or xvfb-run
// for a machine without one). The settings store, program folder and files
// live in a temporary folder; the user's own store is not touched.

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchHarness.h"
#include "image/clsICR2.h"
#include "mainwindow/Form1.h"
#include "platform/FileDialogs.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"

namespace {

constexpr int kNameWidth = 34;  // the column result names are padded to

// A full image: every channel in use, with a comment, and the loaded mark.
void FillImage() {
  ICR2Image.Init();
  for (int bit = 0; bit < 8; ++bit)
    ICR2Image.SetBit(kLoadedMarkAddress, bit, (kLoadedMark >> bit) & 1);
  const OptionList tones = clsICR2::GetTone_Opt();
  for (int n = 1; n <= kChannelCount; ++n) {
    ICR2Image.SetFreq(n, std::to_string(144 + n % 300) + ".520");
    ICR2Image.SetMode(n, "FM");
    ICR2Image.SetSkip(n, "OFF");
    ICR2Image.SetStep(n, "5 KHz");
    ICR2Image.SetDup(n, n % 2 ? "-DUP" : "SIMP");
    ICR2Image.SetOffset(n, "0.600");
    ICR2Image.SetTsql(n, "OFF");
    ICR2Image.SetTone(n, tones[static_cast<size_t>(n) % tones.size()]);
    ChannelComments[n] = "Channel " + std::to_string(n);
  }
  ICR2Image.SetChecksum();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int runs = RunsArg(argc, argv, 50);

  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  UseFolder(folder);

  std::printf("main window, median of %d runs (%s)\n", runs,
              QGuiApplication::platformName().toStdString().c_str());

  // Start-up: the window built, loaded and shown, its first paint done.
  const double startup = MedianMs(
      runs, [] {},
      [] {
        Form1 form;
        form.Form_Load();
        form.show();
        QApplication::processEvents();
      });
  Report("start-up to window shown", startup, 300, kNameWidth);

  Form1 form;
  form.Form_Load();
  form.show();
  QApplication::processEvents();

  // The files to open, one per format, written from a full image.
  FillImage();
  const char* extensions[] = {"r2", "icf", "ic2", "tr2"};
  std::vector<std::string> files;
  for (const char* ext : extensions) files.push_back(folder + "/full." + ext);
  ICR2Image.SaveFile(files[0]);
  ICR2Image.SaveICFFile(files[1]);
  ICR2Image.SaveArcFile(files[2]);
  ICR2Image.SaveBinary(files[3]);

  // Dialogs answer at once: the chosen file, and Yes to the replace question.
  std::string chosen;
  int filter = 1;
  SetFileDialogHandler([&](const FileDialogRequest&) {
    return FileDialogResult{true, chosen, filter};
  });
  SetMsgBoxHandler([](const MsgBoxCall&) { return vbYes; });

  for (size_t i = 0; i < files.size(); ++i) {
    const double ms = MedianMs(
        runs, [&] { chosen = files[i]; },
        [&] {
          form.mnuOpen_Click();
          QApplication::processEvents();
        });
    Report(("open ." + std::string(extensions[i]) + " into the grid").c_str(), ms, 20, kNameWidth);
  }

  form.MSFlexGrid1->SetTextMatrix(1, 9, "changed");
  const double store = MedianMs(
      runs, [] {}, [&] { form.Savegrid(); });
  Report("Savegrid", store, 20, kNameWidth);

  for (size_t i = 0; i < files.size(); ++i) {
    const double ms = MedianMs(
        runs,
        [&] {
          chosen = folder + "/saved." + extensions[i];
          filter = static_cast<int>(i) + 1;
        },
        [&] { form.mnuSave_Click(); });
    Report(("save ." + std::string(extensions[i])).c_str(), ms, 20, kNameWidth);
  }

  // A damaged or hostile file may carry a comment of a megabyte full of the
  // ".ic2" comment mark "#2", each of which the writer must break up.
  const std::string kept = ChannelComments[1];
  std::string marks;
  for (int i = 0; i < 150000; ++i) marks += "#2 abcd";
  ChannelComments[1] = marks;
  const double marked = MedianMs(
      std::max(1, runs / 10), [] {}, [&] { ICR2Image.SaveArcFile(folder + "/marked.ic2"); });
  Report("save .ic2, 1 MB comment, 150000 \"#2\"", marked, 50, kNameWidth);
  ChannelComments[1] = kept;

  SetFileDialogHandler(nullptr);
  SetMsgBoxHandler(nullptr);
  form.hide();
  ICR2Image.Init();  // nothing left to ask about
  return 0;
}
