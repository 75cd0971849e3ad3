#pragma once
// A main window wired to the simulated receiver: the "CommPort" setting names
// the simulator's pseudo-terminal, message boxes are scripted, and the clock
// that the half-second pauses read runs four times fast, so a handshake costs
// an eighth of a second of real time. A test can have the progress window's
// Cancel clicked from inside the transfer's own event step, the way a user's
// click arrives.

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <chrono>
#include <functional>
#include <random>
#include <string>

#include "clone/ReceiverSim_support.h"
#include "image/clsICR2.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Globals.h"
#include "mainwindow/frmProgress.h"
#include "platform/MSComm.h"
#include "platform/MSFlexGrid.h"
#include "platform/Runtime.h"
#include "platform/Settings.h"
#include "support/PlatformDoubles.h"

struct CloneRig {
  TempSettingsStore store;
  ReceiverSim sim;
  MsgBoxScript boxes;
  Form1 form;

  // Checked at every event step of a transfer; when it returns true the
  // progress window's Cancel is clicked (once).
  std::function<bool()> cancelWhen;
  // Runs at every event step of a transfer (after the cancel check).
  std::function<void()> onEvents;
  int eventSteps = 0;
  int highestPercent = -1;  // the most the progress bar showed
  std::string lastProgressText;

  CloneRig() {
    SaveSetting("IC-R2", "Settings", "CommPort", sim.DevicePath());
    ICR2Image.Init();
    RadioModelID.clear();
    CancelRequested = 0;
    const auto start = std::chrono::steady_clock::now();
    SetTimerSource([start] {
      return 4 * std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    });
    SetDoEventsHandler([this] { Events(); });
    form.Form_Load();
  }

  ~CloneRig() {
    SetDoEventsHandler(nullptr);
    SetTimerSource(nullptr);
    frmProgress::Unload();
    QCoreApplication::processEvents();
  }

  void Events() {
    ++eventSteps;
    if (frmProgress::IsLoaded()) {
      frmProgress& p = frmProgress::Instance();
      highestPercent = std::max(highestPercent, p.ProgressBar1->value());
      lastProgressText = p.Label1->text().toStdString();
    }
    if (cancelWhen && cancelWhen()) {
      cancelWhen = nullptr;
      if (frmProgress::IsLoaded()) frmProgress::Instance().Command1_Click();
    }
    if (onEvents) onEvents();
    QCoreApplication::processEvents();
  }

  bool PortClosed() const { return !form.MSComm1 || !form.MSComm1->PortOpen(); }

  // The grid cells of rows 1 to 450, columns 1 to 9.
  std::string GridText() const {
    std::string all;
    for (int r = 1; r <= 450; ++r) {
      for (int c = 1; c <= 9; ++c) all += form.MSFlexGrid1->TextMatrix(r, c) + "|";
    }
    return all;
  }
  bool GridEmpty() const { return GridText() == std::string(450 * 9, '|'); }
};

// An image of random bytes with the loaded mark, as a receiver would hold it.
inline ReceiverSim::Image RandomImage(unsigned seed) {
  std::mt19937 random(seed);
  ReceiverSim::Image image{};
  for (auto& b : image) b = static_cast<std::uint8_t>(random());
  image[0xFBF] = 0x33;
  return image;
}

static_assert(std::is_same_v<ImageBytes, ReceiverSim::Image>);
