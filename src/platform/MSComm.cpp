#include "platform/MSComm.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <chrono>

#include "platform/Runtime.h"

#if defined(Q_OS_UNIX)
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

std::function<std::vector<SerialDevice>()>& DeviceLister() {
  static std::function<std::vector<SerialDevice>()> lister;
  return lister;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// "ttyS10" sorts after "ttyS2": runs of digits compare by value.
bool NaturalLess(const std::string& a, const std::string& b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (std::isdigit(static_cast<unsigned char>(a[i])) &&
        std::isdigit(static_cast<unsigned char>(b[j]))) {
      size_t ei = i;
      size_t ej = j;
      while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
      while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
      // Compare by length first (leading zeros aside), then digit by digit.
      std::string da = a.substr(i, ei - i);
      std::string db = b.substr(j, ej - j);
      da.erase(0, std::min(da.find_first_not_of('0'), da.size()));
      db.erase(0, std::min(db.find_first_not_of('0'), db.size()));
      if (da.size() != db.size()) return da.size() < db.size();
      if (da != db) return da < db;
      i = ei;
      j = ej;
    } else {
      if (a[i] != b[j]) return a[i] < b[j];
      ++i;
      ++j;
    }
  }
  return a.size() - i < b.size() - j;
}

std::vector<SerialDevice> SystemSerialDevices() {
  std::vector<SerialDevice> devices;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    SerialDevice d;
    d.path = info.systemLocation().toStdString();
    d.description = info.description().toStdString();
    const std::string name = info.portName().toStdString();
    d.usb = info.hasVendorIdentifier() || StartsWith(name, "ttyUSB") || StartsWith(name, "ttyACM");
    devices.push_back(std::move(d));
  }
  SortSerialDevices(devices);
  return devices;
}

CommError InvalidValue(const std::string& what) {
  return {kCommInvalidPropertyValue, "Invalid property value (" + what + ")"};
}

// Parsed "baud,parity,data,stop".
struct LineSettings {
  int baud = 0;
  QSerialPort::Parity parity = QSerialPort::NoParity;
  QSerialPort::DataBits dataBits = QSerialPort::Data8;
  QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

bool ParseInt(const std::string& text, int& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  auto [ptr, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && ptr == last;
}

std::string Trim(const std::string& text) {
  const size_t b = text.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

bool ParseLineSettings(const std::string& text, LineSettings& out) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    parts.push_back(Trim(text.substr(start, comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (parts.size() != 4) return false;
  if (!ParseInt(parts[0], out.baud) || out.baud <= 0) return false;
  if (parts[1].size() != 1) return false;
  switch (std::tolower(static_cast<unsigned char>(parts[1][0]))) {
    case 'n': out.parity = QSerialPort::NoParity; break;
    case 'e': out.parity = QSerialPort::EvenParity; break;
    case 'o': out.parity = QSerialPort::OddParity; break;
    case 'm': out.parity = QSerialPort::MarkParity; break;
    case 's': out.parity = QSerialPort::SpaceParity; break;
    default: return false;
  }
  int bits = 0;
  if (!ParseInt(parts[2], bits) || bits < 5 || bits > 8) return false;
  out.dataBits = static_cast<QSerialPort::DataBits>(bits);
  if (parts[3] == "1") {
    out.stopBits = QSerialPort::OneStop;
  } else if (parts[3] == "1.5") {
    out.stopBits = QSerialPort::OneAndHalfStop;
  } else if (parts[3] == "2") {
    out.stopBits = QSerialPort::TwoStop;
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::vector<SerialDevice> SerialDevices() {
  if (DeviceLister()) return DeviceLister()();
  return SystemSerialDevices();
}

void SetSerialDeviceLister(std::function<std::vector<SerialDevice>()> lister) {
  DeviceLister() = std::move(lister);
}

void SortSerialDevices(std::vector<SerialDevice>& devices) {
  std::stable_sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
    if (a.usb != b.usb) return a.usb;
    return NaturalLess(a.path, b.path);
  });
}

MSComm::MSComm(QObject* parent) : QObject(parent) {}

MSComm::~MSComm() {
  if (PortOpen()) SetPortOpen(false);
}

CommError MSComm::NotWhileOpen(const char* property) const {
  if (!PortOpen()) return {};
  return {kCommPortAlreadyOpen, std::string("Port already open (") + property + ")"};
}

CommError MSComm::SetCommPort(int number) {
  if (CommError e = NotWhileOpen("CommPort")) return e;
  if (number < 1 || number > 255) return {kCommInvalidPortNumber, "Invalid port number"};
  commPort_ = number;
  return {};
}

CommError MSComm::SetCommPortDevice(const std::string& path) {
  if (CommError e = NotWhileOpen("CommPort")) return e;
  device_ = path;
  return {};
}

std::string MSComm::DeviceToOpen() const {
  if (!device_.empty()) return device_;
  const std::vector<SerialDevice> devices = SerialDevices();
  if (commPort_ < 1 || static_cast<size_t>(commPort_) > devices.size()) return "";
  return devices[static_cast<size_t>(commPort_ - 1)].path;
}

CommError MSComm::SetSettings(const std::string& settings) {
  LineSettings parsed;
  if (!ParseLineSettings(settings, parsed)) return InvalidValue("Settings \"" + settings + "\"");
  settings_ = settings;
  if (PortOpen()) return ApplyLineSettings();
  return {};
}

CommError MSComm::SetHandshaking(int mode) {
  if (mode != comNone && mode != comXOnXoff && mode != comRTS) {
    return InvalidValue("Handshaking " + std::to_string(mode));
  }
  handshaking_ = mode;
  if (PortOpen()) return ApplyLineSettings();
  return {};
}

CommError MSComm::SetDTREnable(bool on) {
  dtr_ = on;
  // A device without modem lines refuses; the data still flows.
  if (PortOpen()) port_->setDataTerminalReady(on);
  return {};
}

CommError MSComm::SetRTSEnable(bool on) {
  rts_ = on;
  if (PortOpen() && handshaking_ != comRTS) port_->setRequestToSend(on);
  return {};
}

CommError MSComm::SetInBufferSize(int bytes) {
  if (CommError e = NotWhileOpen("InBufferSize")) return e;
  if (bytes < 1 || bytes > 32767) return InvalidValue("InBufferSize " + std::to_string(bytes));
  inBufferSize_ = bytes;
  return {};
}

CommError MSComm::SetOutBufferSize(int bytes) {
  if (CommError e = NotWhileOpen("OutBufferSize")) return e;
  if (bytes < 1 || bytes > 32767) return InvalidValue("OutBufferSize " + std::to_string(bytes));
  outBufferSize_ = bytes;
  return {};
}

CommError MSComm::SetInputMode(int mode) {
  if (mode != comInputModeText && mode != comInputModeBinary) {
    return InvalidValue("InputMode " + std::to_string(mode));
  }
  inputMode_ = mode;
  return {};
}

CommError MSComm::SetInputLen(int bytes) {
  if (bytes < 0 || bytes > 32767) return InvalidValue("InputLen " + std::to_string(bytes));
  inputLen_ = bytes;
  return {};
}

CommError MSComm::SetNullDiscard(bool on) {
  nullDiscard_ = on;
  return {};
}

CommError MSComm::SetEOFEnable(bool on) {
  eofEnable_ = on;
  return {};
}

CommError MSComm::SetParityReplace(const std::string& text) {
  if (text.size() > 1) return InvalidValue("ParityReplace \"" + text + "\"");
  parityReplace_ = text;
  return {};
}

CommError MSComm::SetRThreshold(int bytes) {
  if (bytes < 0) return InvalidValue("RThreshold " + std::to_string(bytes));
  rThreshold_ = bytes;
  return {};
}

CommError MSComm::SetSThreshold(int bytes) {
  if (bytes < 0) return InvalidValue("SThreshold " + std::to_string(bytes));
  sThreshold_ = bytes;
  return {};
}

bool MSComm::PortOpen() const { return port_ && port_->isOpen(); }

CommError MSComm::ApplyLineSettings() {
  LineSettings s;
  ParseLineSettings(settings_, s);  // checked when it was set
  static constexpr QSerialPort::FlowControl kFlow[] = {
      QSerialPort::NoFlowControl, QSerialPort::SoftwareControl, QSerialPort::HardwareControl};
  const bool ok = port_->setBaudRate(s.baud) && port_->setParity(s.parity) &&
                  port_->setDataBits(s.dataBits) && port_->setStopBits(s.stopBits) &&
                  port_->setFlowControl(kFlow[handshaking_]);
  if (ok) return {};
  return {kCommInvalidPropertyValue,
          "Invalid property value (the device refuses \"" + settings_ + "\": " +
              port_->errorString().toStdString() + ")"};
}

CommError MSComm::SetPortOpen(bool open) {
  if (!open) {
    if (!PortOpen()) return {};
    DrainOutput();
    port_->close();
    input_.clear();
    return {};
  }
  if (PortOpen()) return {kCommPortAlreadyOpen, "Port already open"};
  const std::string device = DeviceToOpen();
  if (device.empty()) {
    return {kCommInvalidPortNumber,
            "Invalid port number (no serial device is port " + std::to_string(commPort_) + ")",
            CommFault::NoDevice};
  }
  if (!port_) port_ = new QSerialPort(this);
  port_->setPortName(QString::fromStdString(device));
  if (!port_->open(QIODevice::ReadWrite)) {
    const int number = port_->error() == QSerialPort::DeviceNotFoundError ? kCommInvalidPortNumber
                                                                         : kCommPortNotAvailable;
    CommError e{number, "Cannot open " + device + ": " + port_->errorString().toStdString()};
    if (port_->error() == QSerialPort::DeviceNotFoundError) e.fault = CommFault::NoDevice;
#if defined(Q_OS_UNIX)
    // Not a port in use (which the toolkit reports the same way): the
    // device's permissions keep this user out.
    if (port_->error() == QSerialPort::PermissionError &&
        ::access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES)
      e.fault = CommFault::NoPermission;
#endif
    port_->clearError();
    return e;
  }
  if (CommError e = ApplyLineSettings()) {
    port_->close();
    return e;
  }
  // A pseudo-terminal or a cable without modem lines refuses these; the
  // receiver does not need them to answer.
  port_->setDataTerminalReady(dtr_);
  if (handshaking_ != comRTS) port_->setRequestToSend(rts_);
  port_->clear(QSerialPort::AllDirections);
  port_->clearError();
  input_.clear();
  return {};
}

void MSComm::Pump() {
  if (!PortOpen()) return;
  // A zero wait polls the device once: it reads what has arrived and writes
  // what the device will take, without blocking.
  if (port_->bytesToWrite() > 0) port_->waitForBytesWritten(0);
  port_->waitForReadyRead(0);
  const QByteArray got = port_->readAll();
  port_->clearError();  // the zero waits report a time-out when nothing moved
  for (char c : got) {
    if (nullDiscard_ && c == '\0') continue;
    // A full buffer drops what arrives, like the control's overflow.
    if (input_.size() >= static_cast<size_t>(inBufferSize_)) break;
    input_.push_back(c);
  }
}

CommError MSComm::Output(const std::string& bytes) {
  if (!PortOpen()) return {kCommPortNotOpen, "Operation valid only when the port is open"};
  port_->write(bytes.data(), static_cast<qint64>(bytes.size()));
  Pump();
  return {};
}

std::string MSComm::Input() {
  if (!PortOpen()) return "";
  Pump();
  size_t take = input_.size();
  if (inputLen_ > 0) take = std::min(take, static_cast<size_t>(inputLen_));
  std::string out = input_.substr(0, take);
  input_.erase(0, take);
  return out;
}

int MSComm::InBufferCount() {
  Pump();
  return static_cast<int>(input_.size());
}

int MSComm::OutBufferCount() {
  if (!PortOpen()) return 0;
  Pump();
  int queued = 0;
#if defined(Q_OS_UNIX)
  // Bytes the driver holds but has not yet put on the wire.
  if (ioctl(static_cast<int>(port_->handle()), TIOCOUTQ, &queued) != 0) queued = 0;
#endif
  return static_cast<int>(port_->bytesToWrite()) + queued;
}

void MSComm::ClearOutBuffer() {
  if (PortOpen()) port_->clear(QSerialPort::Output);
}

bool MSComm::DrainOutput(double stallSeconds) {
  using Clock = std::chrono::steady_clock;
  int left = OutBufferCount();
  auto lastProgress = Clock::now();
  while (left > 0) {
    SleepMs(2);
    const int now = OutBufferCount();
    if (now < left) {
      lastProgress = Clock::now();
    } else if (std::chrono::duration<double>(Clock::now() - lastProgress).count() > stallSeconds) {
      return false;
    }
    left = now;
  }
  return true;
}
