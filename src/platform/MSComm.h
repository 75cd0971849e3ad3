#pragma once
// The serial port of the clone link, spoken in the vocabulary of the classic
// serial-port control: a port number, a settings text "9600,n,8,1", the
// handshaking mode, the DTR and RTS lines, binary or text input, buffer sizes,
// open/close, output, input and the count of waiting input bytes.
//
// Underneath is a QSerialPort, raw and without events: the commands poll
// InBufferCount. The port keeps its own input buffer (up to InBufferSize
// bytes), fed from the device on every poll, because the kernel's own count
// stops near 4 KB while a download waits for more than 11 KB.
//
// Property setters return a CommError (number 0 when the value was taken), so
// that set-up can report a failing step and go on with the next.
//
// Port numbers: number n means the n-th serial device present, USB adapters
// first, then built-in ports, each group in name order (ttyUSB0, ttyUSB1,
// ttyACM0, ..., ttyS0, ttyS1, ...). A device path set with CommPortDevice is
// opened as it is, whatever the number says.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QSerialPort;

// Why a port could not be opened, where the user can put it right.
enum class CommFault {
  Other,
  NoDevice,      // no serial device behind the number or path (a cable unplugged)
  NoPermission,  // the device is there but this user may not open it
};

struct CommError {
  int number = 0;
  std::string description;
  CommFault fault = CommFault::Other;
  explicit operator bool() const { return number != 0; }
};

// Error numbers this layer reports.
inline constexpr int kCommInvalidPropertyValue = 380;
inline constexpr int kCommInvalidPortNumber = 8002;
inline constexpr int kCommPortAlreadyOpen = 8005;
inline constexpr int kCommPortNotAvailable = 8010;
inline constexpr int kCommPortNotOpen = 8018;

// One serial device as the port numbering sees it.
struct SerialDevice {
  std::string path;         // "/dev/ttyUSB0"
  std::string description;  // what the system calls it, may be empty
  bool usb = false;
};

// The serial devices present, in port-number order (element 0 is port 1).
std::vector<SerialDevice> SerialDevices();
// Replaces the device list (tests); an empty function restores the system's.
void SetSerialDeviceLister(std::function<std::vector<SerialDevice>()> lister);
// Puts USB devices first, then the others, each group in natural name order
// (ttyS2 before ttyS10).
void SortSerialDevices(std::vector<SerialDevice>& devices);

class MSComm : public QObject {
 public:
  enum Handshake { comNone = 0, comXOnXoff = 1, comRTS = 2, comRTSXOnXOff = 3 };
  enum InputModeValue { comInputModeText = 0, comInputModeBinary = 1 };

  explicit MSComm(QObject* parent = nullptr);
  ~MSComm() override;
  MSComm(const MSComm&) = delete;
  MSComm& operator=(const MSComm&) = delete;

  // Port number 1 to 255; not while the port is open.
  CommError SetCommPort(int number);
  int CommPort() const { return commPort_; }
  // A device path opened instead of the numbered port; "" goes back to the number.
  CommError SetCommPortDevice(const std::string& path);
  const std::string& CommPortDevice() const { return device_; }
  // The device the port opens: the device path, or the device of the number
  // ("" when there is none).
  std::string DeviceToOpen() const;

  // "baud,parity,data bits,stop bits": parity n, e, o, m or s; 5 to 8 data
  // bits; 1, 1.5 or 2 stop bits.
  CommError SetSettings(const std::string& settings);
  const std::string& Settings() const { return settings_; }

  CommError SetHandshaking(int mode);  // comNone, comXOnXoff or comRTS
  int Handshaking() const { return handshaking_; }
  CommError SetDTREnable(bool on);
  bool DTREnable() const { return dtr_; }
  CommError SetRTSEnable(bool on);
  bool RTSEnable() const { return rts_; }
  CommError SetInBufferSize(int bytes);  // 1 to 32767, not while open
  int InBufferSize() const { return inBufferSize_; }
  CommError SetOutBufferSize(int bytes);  // 1 to 32767, not while open
  int OutBufferSize() const { return outBufferSize_; }
  CommError SetInputMode(int mode);  // text or binary: both give the bytes as they came
  int InputMode() const { return inputMode_; }
  CommError SetInputLen(int bytes);  // bytes one Input takes at most; 0 takes all
  int InputLen() const { return inputLen_; }
  CommError SetNullDiscard(bool on);  // drop zero bytes from the input
  bool NullDiscard() const { return nullDiscard_; }

  // Kept for set-up's sake: this layer raises no receive or send events, does
  // no end-of-file processing in text mode and sees no parity errors, so these
  // values change nothing on the line.
  CommError SetEOFEnable(bool on);
  bool EOFEnable() const { return eofEnable_; }
  CommError SetParityReplace(const std::string& text);
  const std::string& ParityReplace() const { return parityReplace_; }
  CommError SetRThreshold(int bytes);
  int RThreshold() const { return rThreshold_; }
  CommError SetSThreshold(int bytes);
  int SThreshold() const { return sThreshold_; }

  // Opens the device with the properties above, input buffer empty. DTR and
  // RTS that the device cannot set (a pseudo-terminal has no modem lines) are
  // not an error. Closing first sends every byte still waiting (giving up
  // after two seconds without progress), then discards the input.
  CommError SetPortOpen(bool open);
  bool PortOpen() const;

  // Queues the bytes for sending and starts sending them at once.
  CommError Output(const std::string& bytes);
  // The waiting input bytes in arrival order (at most InputLen), removed from
  // the buffer; "" when the port is closed.
  std::string Input();
  // Number of waiting input bytes.
  int InBufferCount();
  // Number of bytes written but not yet on the line.
  int OutBufferCount();
  // Drops the bytes written but not yet sent (the control's OutBufferCount = 0).
  void ClearOutBuffer();

  // Waits until every byte written has left, giving up after `stallSeconds`
  // without progress; true when nothing is left.
  bool DrainOutput(double stallSeconds = 2.0);

 private:
  // Moves what the device has received into the input buffer and hands the
  // device whatever it can take of the pending output.
  void Pump();
  CommError ApplyLineSettings();
  CommError NotWhileOpen(const char* property) const;

  int commPort_ = 1;
  std::string device_;
  std::string settings_ = "9600,n,8,1";
  int handshaking_ = comNone;
  bool dtr_ = false;
  bool rts_ = false;
  int inBufferSize_ = 1024;
  int outBufferSize_ = 512;
  int inputMode_ = comInputModeText;
  int inputLen_ = 0;
  bool nullDiscard_ = false;
  bool eofEnable_ = false;
  std::string parityReplace_ = "?";
  int rThreshold_ = 0;
  int sThreshold_ = 0;

  QSerialPort* port_ = nullptr;
  std::string input_;
};
