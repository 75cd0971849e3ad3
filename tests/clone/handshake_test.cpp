// Port set-up, the model-query handshake and Transfer > Test Communication,
// end to end against the simulated receiver; the Comm Port dialog.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

#include "clone/CloneRig_support.h"
#include "clone/Form2.h"

namespace {

using Fault = ReceiverSim::Fault;

const std::string kQuery{"\xFE\xFE\xEE\xEF\xE0\x21\x27\x00\x00\xFD", 10};

TEST(Handshake, AnsweredAtOnceShowsTheCommentAndConfig) {
  CloneRig rig;
  rig.sim.SetComment("MY SCANNER      ");
  rig.sim.SetConfig({0x0A, 0x00, 0x3F});
  rig.sim.SetModel({0x12, 0x34, 0x0A, 0xFF});  // another model's bytes become the model id
  rig.boxes.Answer(vbOK);
  rig.form.mnuTestComms_Click();

  ASSERT_EQ(rig.boxes.Calls().size(), 1u);
  const MsgBoxCall& box = rig.boxes.Calls()[0];
  EXPECT_EQ(box.prompt, "Response Received: Comment: MY SCANNER. Config: 0A 00 3F ");
  EXPECT_EQ(box.Icon(), vbInformation);
  EXPECT_EQ(box.ButtonSet(), vbOKOnly);
  EXPECT_EQ(box.title, "IC-R2 Kestrane");
  EXPECT_EQ(rig.sim.Received(), kQuery);  // one query, in its four parts
  EXPECT_EQ(RadioModelID, "12340AFF");
  EXPECT_TRUE(rig.PortClosed());
}

// Three queries at most, each after the stray input of the one before was
// dropped; only a reply of 39 bytes with the echo counts.
TEST(Handshake, ThreeTriesForThe39Bytes) {
  const struct {
    Fault fault;
    const char* what;
  } cases[] = {
      {Fault::AnswerThirdQuery, "answered at the third query"},
      {Fault::Silent, "silent receiver"},
      {Fault::NoEcho, "no echo: 29 bytes"},
      {Fault::ShortReply, "38 bytes"},
      {Fault::LongReply, "40 bytes"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CloneRig rig;
    rig.sim.SetFault(c.fault);
    RadioModelID = "ABCDEF01";
    rig.boxes.Answer(vbOK);
    rig.form.mnuTestComms_Click();
    const bool answered = c.fault == Fault::AnswerThirdQuery;
    ASSERT_EQ(rig.boxes.Calls().size(), 1u);
    EXPECT_EQ(rig.boxes.Calls()[0].prompt,
              answered ? "Response Received: Config: 00 00 00 " : "No response from IC-R2.");
    EXPECT_EQ(rig.boxes.Calls()[0].Icon(), answered ? vbInformation : vbExclamation);
    EXPECT_EQ(rig.boxes.Calls()[0].title, "IC-R2 Kestrane");
    EXPECT_EQ(rig.sim.Received(), kQuery + kQuery + kQuery);
    EXPECT_EQ(RadioModelID, answered ? "21270000" : "ABCDEF01");
    EXPECT_TRUE(rig.PortClosed());
  }
}

TEST(InitPort, AStepThatFailsIsShownAndTheOthersStillRun) {
  CloneRig rig;
  const std::string path = rig.sim.DevicePath();
  // Port 1 is the simulator; the stored text is no number.
  SetSerialDeviceLister([path] { return std::vector<SerialDevice>{{path, "", true}}; });
  SaveSetting("IC-R2", "Settings", "CommPort", "abc");
  rig.boxes.Answer(vbOK, "Error 13: Type mismatch");
  rig.boxes.Answer(vbOK, "Response Received");
  rig.form.mnuTestComms_Click();
  SetSerialDeviceLister(nullptr);

  ASSERT_EQ(rig.boxes.Calls().size(), 2u);
  EXPECT_EQ(rig.boxes.Calls()[0].title, "Error");
  EXPECT_EQ(rig.boxes.Calls()[0].Icon(), vbExclamation);
  ASSERT_NE(rig.form.MSComm1, nullptr);
  MSComm& port = *rig.form.MSComm1;
  EXPECT_EQ(port.CommPort(), 1);
  EXPECT_EQ(port.Settings(), "9600,n,8,1");
  EXPECT_TRUE(port.DTREnable());
  EXPECT_TRUE(port.RTSEnable());
  EXPECT_EQ(port.Handshaking(), MSComm::comNone);
  EXPECT_EQ(port.InBufferSize(), 30000);
  EXPECT_EQ(port.InputMode(), MSComm::comInputModeBinary);
}

TEST(InitPort, APortThatCannotBeOpenedEndsTheCommandWithTheReason) {
  const std::string unplugged = "The cable may be unplugged";
  const struct {
    std::string setting;
    std::vector<std::string> messages;
    std::vector<bool> advice;  // whether each message tells of the cable
  } cases[] = {
      {"/dev/no-such-cable", {"Error 8002: Cannot open /dev/no-such-cable"}, {true}},
      {"12", {"Error 8002: Invalid port number (no serial device is port 12)"}, {true}},
      // The number is refused at set-up and port 1 stays; it has no device either.
      {"0",
       {"Error 8002: Invalid port number",
        "Error 8002: Invalid port number (no serial device is port 1)"},
       {false, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.setting);
    CloneRig rig;
    SetSerialDeviceLister([] { return std::vector<SerialDevice>{}; });
    SaveSetting("IC-R2", "Settings", "CommPort", c.setting);
    for (const std::string& m : c.messages) rig.boxes.Answer(vbOK, m);
    rig.form.mnuTestComms_Click();
    SetSerialDeviceLister(nullptr);
    ASSERT_EQ(rig.boxes.Calls().size(), c.messages.size());
    for (size_t i = 0; i < c.messages.size(); ++i) {
      const MsgBoxCall& box = rig.boxes.Calls()[i];
      EXPECT_EQ(box.title, "Error");
      EXPECT_EQ(box.Icon(), vbExclamation);
      EXPECT_EQ(box.prompt.find(unplugged) != std::string::npos, c.advice[i]) << box.prompt;
    }
    EXPECT_TRUE(rig.sim.Received().empty());
    EXPECT_TRUE(rig.PortClosed());
  }
}

TEST(InitPort, PortInUseIsReported) {
  CloneRig rig;
  MSComm other;
  other.SetCommPortDevice(rig.sim.DevicePath());
  ASSERT_FALSE(other.SetPortOpen(true));
  rig.boxes.Answer(vbOK, "Error 8010: Cannot open " + rig.sim.DevicePath());
  rig.form.mnuTestComms_Click();
  EXPECT_TRUE(rig.PortClosed());
  ASSERT_EQ(rig.boxes.Calls().size(), 1u);
  EXPECT_EQ(rig.boxes.Calls()[0].prompt.find("\r\n"), std::string::npos)
      << "a port in use is no question of cable or permission";
  other.SetPortOpen(false);
  // Once the port is free the same command gets through.
  rig.boxes.Answer(vbOK, "Response Received");
  rig.form.mnuTestComms_Click();
}

TEST(Handshake, ASecondTransferWhileOneWaitsDoesNothing) {
  CloneRig rig;
  int nested = 0;
  rig.onEvents = [&] {
    if (nested++ == 0) {
      rig.form.mnuTestComms_Click();
      rig.form.mnuRead_Click();
      rig.form.mnuWrite_Click();
    }
  };
  rig.boxes.Answer(vbOK, "Response Received");
  rig.form.mnuTestComms_Click();
  EXPECT_EQ(rig.sim.Received(), kQuery);
  EXPECT_EQ(rig.boxes.Calls().size(), 1u);
}

// ---- the Comm Port dialog ------------------------------------------------------

TEST(CommPortDialog, ListsTwelvePortsAndShowsTheStoredOne) {
  TempSettingsStore store;
  SetSerialDeviceLister([] {
    return std::vector<SerialDevice>{{"/dev/ttyUSB0", "FT232R USB UART", true},
                                     {"/dev/ttyS0", "", false}};
  });
  const struct {
    const char* stored;  // nullptr: nothing stored
    const char* text;
    const char* device;
  } cases[] = {
      {nullptr, "COM 1", "/dev/ttyUSB0 (FT232R USB UART)"},
      {"2", "COM 2", "/dev/ttyS0"},
      {"7", "COM 7", "no serial device"},
      {"/dev/pts/4", "COM /dev/pts/4", "/dev/pts/4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    if (c.stored) SaveSetting("IC-R2", "Settings", "CommPort", c.stored);
    Form2 dialog;
    ASSERT_EQ(dialog.Combo1->count(), 12);
    EXPECT_EQ(dialog.Combo1->currentText().toStdString(), c.text);
    EXPECT_EQ(dialog.Label1->text().toStdString(), c.device);
  }
  SetSerialDeviceLister(nullptr);
}

TEST(CommPortDialog, OkStoresTheChosenPort) {
  TempSettingsStore store;
  const struct {
    int entry;  // -1: type the text instead
    const char* typed;
    const char* stored;
  } cases[] = {
      {0, "", "1"},
      {-1, "COM /dev/ttyUSB3", "/dev/ttyUSB3"},
      {-1, "/dev/ttyACM0", "/dev/ttyACM0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    Form2 dialog;
    if (c.entry >= 0) {
      dialog.Combo1->setCurrentIndex(c.entry);
    } else {
      dialog.Combo1->setEditText(c.typed);
    }
    dialog.Command1_Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(GetSetting("IC-R2", "Settings", "CommPort"), c.stored);
  }
}

TEST(CommPortDialog, TheNextTransferOpensTheChosenPort) {
  CloneRig rig;
  const std::string path = rig.sim.DevicePath();
  SetSerialDeviceLister([path] {
    std::vector<SerialDevice> devices(11, SerialDevice{"/dev/no-such-port", "", false});
    devices.push_back({path, "", false});
    return devices;
  });
  Form2 dialog(&rig.form);
  dialog.Combo1->setCurrentIndex(11);
  dialog.Command1_Click();
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "CommPort"), "12");
  rig.boxes.Answer(vbOK, "Response Received");
  rig.form.mnuTestComms_Click();
  SetSerialDeviceLister(nullptr);
  EXPECT_EQ(rig.form.MSComm1->CommPort(), 12);
  EXPECT_EQ(rig.sim.Queries(), 1);
}

}  // namespace
