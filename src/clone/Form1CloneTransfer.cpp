// Transfer > Read from IC-R2 and Write To IC-R2: the download of the
// receiver's image into the grid and the upload of the grid to the receiver,
// with the progress window and its Cancel.

#include <QLabel>
#include <QProgressBar>

#include "clone/CloneProtocol.h"
#include "editing/Undo.h"
#include "image/clsICR2.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Globals.h"
#include "mainwindow/frmProgress.h"
#include "platform/Cp1252.h"
#include "platform/MSComm.h"
#include "platform/MsgBox.h"
#include "platform/Runtime.h"

namespace {

void ShowProgress(const char* text, long long count) {
  const int percent = ClonePercent(count);
  frmProgress& progress = frmProgress::Instance();
  progress.Label1->setText(QString::fromLatin1(text) + QString::number(percent) +
                           QStringLiteral("% complete..."));
  progress.ProgressBar1->setValue(percent);
  if (!progress.isVisible()) progress.show();
}

// Takes the Cancel click: true (and the flag reset) when the user asked to stop.
bool CancelTaken() {
  if (CancelRequested != 1) return false;
  CancelRequested = 0;
  return true;
}

void SendFrame(MSComm& comm, CloneCommand command, std::string_view body) {
  comm.Output(std::string(kCloneLead));
  comm.Output(std::string(1, static_cast<char>(command)));
  comm.Output(std::string(body));
  comm.Output(std::string(1, kCloneEndOfFrame));
}

}  // namespace

void Form1::UpdateStatus(long long count) { ShowProgress("Reading from IC-R2: ", count); }

void Form1::UpdateStatusB(long long count) { ShowProgress("Writing to IC-R2: ", count); }

// ---- download --------------------------------------------------------------

void Form1::mnuRead_Click() {
  if (transferRunning_) return;
  if (!QuerySaveChanges()) return;
  // From here on the window holds no image: whatever happens on the line,
  // nothing of the old image can be saved over its file or written back.
  ICR2Image.Init();
  ClearUndo();
  FillGrid();
  CurrentFile.clear();
  setWindowTitle(QString::fromStdString(AppTitle));
  InitGUI();
  ReadFromICR2();
}

void Form1::ReadFromICR2() {
  TransferBusy busy(transferRunning_);
  std::string reply;
  if (!ModelQueryHandshake(reply)) return;
  SendFrame(*MSComm1, CloneCommand::ReadRequest, ReplyModelBytes(reply));

  // The stream, the echoed request first. The wait ends at the byte count,
  // or early when the receiver's end frame shows that it has sent all it
  // will; only Cancel stops a receiver that goes quiet.
  std::string stream;
  std::size_t endSearch = 0;
  bool ended = false;
  while (static_cast<long long>(stream.size()) < kDownloadLength && !ended) {
    stream += MSComm1->Input();
    ended = FindEndOfData(stream, endSearch);
    UpdateStatus(static_cast<long long>(stream.size()));
    DoEvents();
    if (CancelTaken()) {
      MSComm1->SetPortOpen(false);
      frmProgress::Unload();
      return;
    }
    SleepMs(2);
  }
  frmProgress::Unload();

  // The last data bytes and the end frame are still on their way when the
  // count is reached: wait for the end frame, for a bounded time.
  const double start = Timer();
  while (!ended && Timer() - start < kEndFrameWait) {
    DoEvents();
    SleepMs(2);
    stream += MSComm1->Input();
    ended = FindEndOfData(stream, endSearch);
  }
  stream += MSComm1->Input();
  MSComm1->SetPortOpen(false);

  // Only a whole, well-formed image is taken: a missing, repeated or damaged
  // block would shift or spoil every channel after it.
  if (!ICR2Image.ParseFile(stream).Complete()) {
    ICR2Image.Init();
    FillGrid();
    MsgBox("Incomplete or corrupt data from IC-R2.", vbExclamation | vbOKOnly, kMsgTitle);
    return;
  }
  FillGrid();
  EnableGUI();
}

// ---- upload ----------------------------------------------------------------

void Form1::mnuWrite_Click() {
  if (transferRunning_) return;
  StoreAltPanel();
  Savegrid();
  WriteToICR2();
}

void Form1::WriteToICR2() {
  // An image that was never loaded (a failed read) is no memory to send.
  if (!ICR2Image.IsFileLoaded()) {
    MsgBox(std::string("There is no IC-R2 image to write.") + vbCrLf +
               "Open a file or read the radio first.",
           vbExclamation | vbOKOnly, kMsgTitle);
    return;
  }
  TransferBusy busy(transferRunning_);
  std::string reply;
  if (!ModelQueryHandshake(reply)) return;
  const std::string model = ReplyModelBytes(reply);
  if (model != kIcr2ModelCode) {
    const int answer = MsgBox("The radio answered with the model code " + RadioModelID +
                                  ", not that of an IC-R2 (21270000)." + vbCrLf +
                                  "Write the IC-R2 memory to it anyway?",
                              vbYesNo | vbExclamation | vbDefaultButton2, kMsgTitle);
    if (answer != vbYes) {
      MSComm1->SetPortOpen(false);
      return;
    }
  }
  const ImageBytes image = ICR2Image.GetArry();
  const std::string stream = BuildUploadStream(model, image);

  auto cancelled = [this] {
    if (!CancelTaken()) return false;
    // What is already on the line stays sent; the rest is not.
    MSComm1->ClearOutBuffer();
    MSComm1->SetPortOpen(false);
    frmProgress::Unload();
    return true;
  };
  for (char byte : stream) {
    MSComm1->Output(std::string(1, byte));
    UpdateStatusB(MSComm1->InBufferCount());
    DoEvents();
    if (cancelled()) return;
  }
  // The line echoes each byte as it goes out: the stream has left when its
  // echo is in. Wait for that (Cancel still works), giving up when the echo
  // stops coming.
  int echoed = -1;
  double lastProgress = Timer();
  for (;;) {
    const int now = MSComm1->InBufferCount();
    if (now != echoed) lastProgress = Timer();
    echoed = now;
    UpdateStatusB(echoed);
    DoEvents();
    if (cancelled()) return;
    if (echoed >= kUploadLength || Timer() - lastProgress >= kEchoStallWait) break;
    SleepMs(2);
  }
  frmProgress::Unload();
  MSComm1->SetPortOpen(false);
}
