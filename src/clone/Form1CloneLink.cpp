// The serial port set-up, the model-query handshake that opens every exchange
// with the receiver, and Transfer > Test Communication.

#include <functional>

#include "clone/CloneProtocol.h"
#include "image/clsICR2.h"
#include "mainwindow/Form1.h"
#include "platform/MSComm.h"
#include "platform/MsgBox.h"
#include "platform/Runtime.h"
#include "platform/Settings.h"

namespace {

void ShowCommError(const CommError& e) { MsgBox(CommErrorMessage(e), vbExclamation, "Error"); }

// The port number (or device path) from the "CommPort" setting.
CommError SetPortFromSetting(MSComm& comm) {
  const std::string setting = GetSetting("IC-R2", "Settings", "CommPort", "1");
  if (IsDevicePath(setting)) {
    const size_t b = setting.find_first_not_of(' ');
    return comm.SetCommPortDevice(setting.substr(b, setting.find_last_not_of(' ') - b + 1));
  }
  int number = 0;
  if (CommError e = WholeNumberOf(setting, number)) return e;
  CommError e = comm.SetCommPort(number);
  if (!e) comm.SetCommPortDevice("");
  return e;
}

// The port's set-up, one property a step, in the order the control is given them.
using PortStep = std::function<CommError(MSComm&)>;
const std::vector<PortStep>& PortSetup() {
  static const std::vector<PortStep> steps = {
      SetPortFromSetting,
      [](MSComm& c) { return c.SetSettings("9600,n,8,1"); },
      [](MSComm& c) { return c.SetDTREnable(true); },
      [](MSComm& c) { return c.SetEOFEnable(false); },
      [](MSComm& c) { return c.SetHandshaking(MSComm::comNone); },
      [](MSComm& c) { return c.SetInBufferSize(30000); },
      [](MSComm& c) { return c.SetInputMode(MSComm::comInputModeBinary); },
      [](MSComm& c) { return c.SetInputLen(0); },
      [](MSComm& c) { return c.SetNullDiscard(false); },
      [](MSComm& c) { return c.SetOutBufferSize(30000); },
      [](MSComm& c) { return c.SetParityReplace("?"); },
      [](MSComm& c) { return c.SetRThreshold(8); },
      [](MSComm& c) { return c.SetRTSEnable(true); },
      [](MSComm& c) { return c.SetSThreshold(0); },
  };
  return steps;
}

}  // namespace

void Form1::InitPort() {
  if (!MSComm1) MSComm1 = new MSComm(this);
  for (const PortStep& step : PortSetup()) {
    if (CommError e = step(*MSComm1)) ShowCommError(e);
  }
}

void Form1::pause(double seconds) {
  const double start = Timer();
  do {
    DoEvents();
    SleepMs(2);
  } while (Timer() - start < seconds);
}

std::string Form1::lHex(long long value) { return clsICR2::lHex(value); }

std::string Form1::ParseBytes(std::string_view bytes) {
  std::string text;
  for (char b : bytes) text += lHex(static_cast<unsigned char>(b)) + " ";
  return text;
}

bool Form1::ModelQueryHandshake(std::string& reply) {
  InitPort();
  // The port may be missing or in use: say why and end the command there.
  if (CommError e = MSComm1->SetPortOpen(true)) {
    ShowCommError(e);
    MSComm1->SetPortOpen(false);
    return false;
  }
  int tries = 0;
  while (MSComm1->InBufferCount() != kHandshakeLength && tries != 3) {
    MSComm1->Input();  // a wrong count is no answer: start afresh
    MSComm1->Output(std::string(kCloneLead));
    MSComm1->Output(std::string(1, static_cast<char>(CloneCommand::ModelQuery)));
    MSComm1->Output(std::string(kIcr2ModelCode));
    MSComm1->Output(std::string(1, kCloneEndOfFrame));
    ++tries;
    pause(0.5);
  }
  if (MSComm1->InBufferCount() != kHandshakeLength) {
    MsgBox("No response from IC-R2.", vbExclamation | vbOKOnly, kMsgTitle);
    MSComm1->SetPortOpen(false);
    return false;
  }
  reply = MSComm1->Input();
  RadioModelID.clear();
  for (char b : ReplyModelBytes(reply)) RadioModelID += lHex(static_cast<unsigned char>(b));
  return true;
}

void Form1::mnuTestComms_Click() {
  if (transferRunning_) return;
  TransferBusy busy(transferRunning_);
  std::string reply;
  if (ModelQueryHandshake(reply)) {
    const std::string config = ParseBytes(std::string_view(reply).substr(kReplyConfigAt,
                                                                          kReplyConfigLength));
    MsgBox(TestCommunicationMessage(ReplyComment(reply), config), vbInformation | vbOKOnly,
           kMsgTitle);
    MSComm1->SetPortOpen(false);
  }
}
