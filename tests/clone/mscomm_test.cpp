// The serial layer against the simulated receiver on a pseudo-terminal.

#include "platform/MSComm.h"

#include <gtest/gtest.h>

#include <memory>

#include "clone/ReceiverSim_support.h"

namespace {

const std::string kQuery{"\xFE\xFE\xEE\xEF\xE0\x21\x27\x00\x00\xFD", 10};
const std::string kReadRequest{"\xFE\xFE\xEE\xEF\xE2\x21\x27\x00\x00\xFD", 10};

ReceiverSim::Image Pattern() {
  ReceiverSim::Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return image;
}

bool WaitForCount(MSComm& comm, int count, double seconds = 5) {
  return ReceiverSim::WaitFor([&] { return comm.InBufferCount() >= count; }, seconds);
}

class MSCommTest : public ::testing::Test {
 protected:
  void SetUp() override {
    comm.SetCommPortDevice(sim.DevicePath());
    comm.SetSettings("9600,n,8,1");
    comm.SetDTREnable(true);
    comm.SetRTSEnable(true);
    comm.SetInBufferSize(30000);
    comm.SetInputMode(MSComm::comInputModeBinary);
  }
  void TearDown() override { SetSerialDeviceLister(nullptr); }

  ReceiverSim sim;
  MSComm comm;
};

TEST_F(MSCommTest, EchoAndReplyComeInAsOneCountAndInputOrReopeningEmptiesTheBuffer) {
  sim.SetComment("My scanner      ");
  // A pseudo-terminal has no modem lines; DTR and RTS on must not stop the port.
  ASSERT_FALSE(comm.SetPortOpen(true));
  EXPECT_TRUE(comm.PortOpen());
  for (const std::string& part :
       {kQuery.substr(0, 4), kQuery.substr(4, 1), kQuery.substr(5, 4), kQuery.substr(9)}) {
    comm.Output(part);
  }
  ASSERT_TRUE(WaitForCount(comm, 39));
  EXPECT_EQ(comm.InBufferCount(), 39);
  const std::string in = comm.Input();
  ASSERT_EQ(in.size(), 39u);
  EXPECT_EQ(in.substr(0, 10), kQuery);
  EXPECT_EQ(in.substr(19, 16), "My scanner      ");
  EXPECT_EQ(comm.InBufferCount(), 0);
  EXPECT_EQ(sim.Received(), kQuery);
  // Opening again discards input left from before.
  comm.Output(kQuery);
  ASSERT_TRUE(WaitForCount(comm, 39));
  comm.SetPortOpen(false);
  ASSERT_FALSE(comm.SetPortOpen(true));
  EXPECT_EQ(comm.InBufferCount(), 0);
}

TEST_F(MSCommTest, InputCountGoesFarPastTheKernelBuffer) {
  sim.SetImage(Pattern());
  ASSERT_FALSE(comm.SetPortOpen(true));
  comm.Output(kReadRequest);
  // Let the line fill up while nobody reads: the terminal holds only a few KB.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const int whole = 10 + 252 * 46 + 15;
  ASSERT_TRUE(WaitForCount(comm, whole));
  EXPECT_EQ(comm.InBufferCount(), whole);
  EXPECT_EQ(comm.Input(), kReadRequest + ReceiverSim::DownloadStream(Pattern()));
}

TEST_F(MSCommTest, ClosingSendsEverythingStillQueued) {
  ASSERT_FALSE(comm.SetPortOpen(true));
  // Far more than the terminal takes at once, handed over in one go.
  std::string bulk(40000, 'x');
  comm.Output(bulk);
  comm.SetPortOpen(false);
  ASSERT_TRUE(ReceiverSim::WaitFor([&] { return sim.Received().size() >= bulk.size(); }, 5));
  EXPECT_EQ(sim.Received(), bulk);
}

struct PropertyCase {
  const char* what;
  std::function<CommError(MSComm&)> set;
  int error;  // 0: taken
};

TEST_F(MSCommTest, PropertyValuesAreCheckedWhenSet) {
  const std::vector<PropertyCase> cases = {
      {"port 255", [](MSComm& c) { return c.SetCommPort(255); }, 0},
      {"port 0", [](MSComm& c) { return c.SetCommPort(0); }, kCommInvalidPortNumber},
      {"port 256", [](MSComm& c) { return c.SetCommPort(256); }, kCommInvalidPortNumber},
      {"1200,E,7,2", [](MSComm& c) { return c.SetSettings("1200,E,7,2"); }, 0},
      {"9600,x,8,1", [](MSComm& c) { return c.SetSettings("9600,x,8,1"); }, 380},
      {"9600,n,9,1", [](MSComm& c) { return c.SetSettings("9600,n,9,1"); }, 380},
      {"9600,n,8", [](MSComm& c) { return c.SetSettings("9600,n,8"); }, 380},
      {"handshaking 3", [](MSComm& c) { return c.SetHandshaking(3); }, 380},
      {"in buffer 32768", [](MSComm& c) { return c.SetInBufferSize(32768); }, 380},
      {"input mode 2", [](MSComm& c) { return c.SetInputMode(2); }, 380},
  };
  for (const PropertyCase& c : cases) {
    MSComm fresh;
    EXPECT_EQ(c.set(fresh).number, c.error) << c.what;
  }
}

TEST_F(MSCommTest, WhatCannotBeDoneToAnOpenOrClosedPort) {
  EXPECT_EQ(comm.Output("x").number, kCommPortNotOpen);
  EXPECT_EQ(comm.Input(), "");
  ASSERT_FALSE(comm.SetPortOpen(true));
  EXPECT_EQ(comm.SetPortOpen(true).number, kCommPortAlreadyOpen);
  EXPECT_EQ(comm.SetCommPort(2).number, kCommPortAlreadyOpen);
  EXPECT_EQ(comm.SetInBufferSize(100).number, kCommPortAlreadyOpen);
  // Line settings may change while open.
  EXPECT_FALSE(comm.SetSettings("4800,n,8,1"));
}

TEST_F(MSCommTest, OpenFailuresNameTheDeviceAndLeaveThePortClosed) {
  comm.SetCommPortDevice("/dev/no-such-serial-device");
  CommError missing = comm.SetPortOpen(true);
  EXPECT_EQ(missing.number, kCommInvalidPortNumber);
  EXPECT_EQ(missing.fault, CommFault::NoDevice);
  EXPECT_NE(missing.description.find("/dev/no-such-serial-device"), std::string::npos);
  EXPECT_FALSE(comm.PortOpen());

  // The device is held by another port.
  MSComm other;
  other.SetCommPortDevice(sim.DevicePath());
  ASSERT_FALSE(other.SetPortOpen(true));
  comm.SetCommPortDevice(sim.DevicePath());
  CommError busy = comm.SetPortOpen(true);
  EXPECT_EQ(busy.number, kCommPortNotAvailable);
  EXPECT_EQ(busy.fault, CommFault::Other) << "in use, not a question of permission";
  EXPECT_NE(busy.description.find(sim.DevicePath()), std::string::npos);
  EXPECT_FALSE(comm.PortOpen());
}

TEST_F(MSCommTest, PortNumbersMapToTheDevicesPresent) {
  const std::string path = sim.DevicePath();
  SetSerialDeviceLister([path] {
    return std::vector<SerialDevice>{{path, "cloning cable", true}, {"/dev/ttyS0", "", false}};
  });
  comm.SetCommPortDevice("");
  comm.SetCommPort(1);
  EXPECT_EQ(comm.DeviceToOpen(), path);
  EXPECT_FALSE(comm.SetPortOpen(true));
  comm.SetPortOpen(false);
  comm.SetCommPort(2);
  EXPECT_EQ(comm.DeviceToOpen(), "/dev/ttyS0");
  comm.SetCommPort(3);
  EXPECT_EQ(comm.DeviceToOpen(), "");
  CommError none = comm.SetPortOpen(true);
  EXPECT_EQ(none.number, kCommInvalidPortNumber);
  EXPECT_NE(none.description.find("port 3"), std::string::npos);
  // A device path wins over the number.
  comm.SetCommPortDevice(path);
  EXPECT_EQ(comm.DeviceToOpen(), path);
}

TEST(SerialDeviceOrder, UsbAdaptersFirstThenBuiltInPortsInNaturalOrder) {
  std::vector<SerialDevice> devices = {{"/dev/ttyS10", "", false},  {"/dev/ttyUSB1", "", true},
                                       {"/dev/ttyS2", "", false},   {"/dev/ttyACM0", "", true},
                                       {"/dev/ttyUSB0", "", true},  {"/dev/ttyS0", "", false},
                                       {"/dev/ttyUSB10", "", true}, {"/dev/ttyUSB9", "", true}};
  SortSerialDevices(devices);
  std::vector<std::string> paths;
  for (const SerialDevice& d : devices) paths.push_back(d.path);
  EXPECT_EQ(paths, (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1",
                                             "/dev/ttyUSB9", "/dev/ttyUSB10", "/dev/ttyS0",
                                             "/dev/ttyS2", "/dev/ttyS10"}));
}

}  // namespace
