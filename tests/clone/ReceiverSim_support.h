#pragma once
// A stand-in IC-R2 on the far end of a pseudo-terminal, for the clone tests
// and the benchmark. The program opens DevicePath() as its serial port; the
// simulator, on a thread of its own, behaves as the receiver and its cable do
// on the line:
//   - every byte the program sends comes back at once (the cable's echo);
//   - a model query (FE FE EE EF E0 .. FD) is answered with the 29-byte
//     reply: FE FE EF EE E1, the four model bytes, 16 comment bytes, 3
//     configuration bytes, FD;
//   - a read request carrying its model bytes is answered with the image as
//     252 data frames and the end frame "Icom Inc.";
//   - a write start carrying its model bytes begins an upload, whose data
//     frames, addresses, checksums and end frame it checks byte for byte.
// With SetPaced(true) both directions run at the real 9600-baud rate (1.04 ms
// a byte). A fault makes it misbehave in one chosen way.
//
// The simulator computes its frames and checksums itself, from first
// principles, so it does not share a fault with the program's own helpers.

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ReceiverSim {
 public:
  using Image = std::array<std::uint8_t, 4032>;
  using ModelBytes = std::array<std::uint8_t, 4>;

  enum class Fault {
    None,
    Silent,            // reads everything, sends nothing: no echo, no answer
    NoEcho,            // answers, but the line does not echo
    AnswerThirdQuery,  // echoes, but answers only every third model query (3rd, 6th, ...)
    ShortReply,        // the model-query reply lacks one byte (38 bytes in with the echo)
    LongReply,         // the reply carries one byte too many (40 bytes in with the echo)
    DropFrame,         // the download leaves out data frame FaultFrame
    RepeatFrame,       // the download sends data frame FaultFrame twice
    CorruptFrame,      // one data digit of frame FaultFrame is changed (checksum stays)
    BadChecksum,       // the checksum digits of frame FaultFrame are wrong
    StopEarly,         // the download ends (end frame) after FaultFrame data frames
    CutLastFrame,      // the last data frame is cut after 30 bytes, then the end frame
    Stall,             // the download stops after FaultFrame frames until Resume()
    LateEnd,           // the last 10 bytes and the end frame come 300 ms late
    NoEndFrame,        // the download sends no end frame
  };

  struct Upload {
    bool started = false;             // a write start with the right model bytes came
    bool ended = false;               // the end frame came
    int frames = 0;                   // data frames taken
    std::vector<std::uint8_t> image;  // their data, in arrival order
    std::vector<std::string> errors;  // everything that was not as the receiver expects
  };

  ReceiverSim();
  ~ReceiverSim();
  ReceiverSim(const ReceiverSim&) = delete;
  ReceiverSim& operator=(const ReceiverSim&) = delete;

  // The device the program opens ("/dev/pts/N").
  const std::string& DevicePath() const { return slavePath_; }

  void SetImage(const Image& image) { Set(image_, image); }
  void SetModel(const ModelBytes& model) { Set(model_, model); }
  // Exactly 16 bytes of comment and 3 configuration bytes.
  void SetComment(const std::string& sixteen);
  void SetConfig(const std::array<std::uint8_t, 3>& config) { Set(config_, config); }
  void SetFault(Fault fault, int faultFrame = 100);
  void SetPaced(bool paced) { Set(paced_, paced); }
  // Lets a stalled download go on.
  void Resume();

  // What it saw and did: model queries, read requests, data frames sent by the
  // last download, whether it waits in a Stall fault or has sent all the last
  // download meant to, the last upload, every byte the program sent (in
  // order), and frames it could not make sense of.
  int Queries() const { return Get(queries_); }
  int ReadRequests() const { return Get(readRequests_); }
  int FramesSent() const { return Get(framesSent_); }
  bool Stalled() const { return Get(stalled_); }
  bool DownloadDone() const { return Get(downloadDone_); }
  Upload LastUpload() const { return Get(upload_); }
  std::string Received() const { return Get(received_); }
  std::vector<std::string> ProtocolErrors() const { return Get(protocolErrors_); }
  void ClearReceived() { Set(received_, std::string()); }

  // Polls `condition` every millisecond for at most `seconds`.
  static bool WaitFor(const std::function<bool()>& condition, double seconds);

  // The stream a well-behaved receiver sends for `image` (252 data frames
  // and the end frame).
  static std::string DownloadStream(const Image& image);
  static std::string Checksum(const std::string& digits);  // two upper-case hex digits

 private:
  void Run();
  void OnBytes(const std::string& bytes);
  void OnFrame(const std::string& frame);
  void OnUploadFrame(const std::string& frame);
  void SendDownload();
  void Send(const std::string& bytes);
  void WaitLine(size_t bytes);  // pacing: the line is busy for `bytes` byte-times
  std::string ModelReply();

  // A field read or written under the lock, for the other thread.
  template <typename T>
  T Get(const T& field) const {
    std::lock_guard lock(mutex_);
    return field;
  }
  template <typename T>
  void Set(T& field, const T& value) {
    std::lock_guard lock(mutex_);
    field = value;
  }

  int master_ = -1;
  int slave_ = -1;  // kept open so the line never hangs up between commands
  std::string slavePath_;
  std::thread thread_;
  std::atomic<bool> stop_{false};

  mutable std::mutex mutex_;
  std::condition_variable resumed_;
  Image image_{};
  ModelBytes model_{0x21, 0x27, 0x00, 0x00};
  std::string comment_ = std::string(16, ' ');
  std::array<std::uint8_t, 3> config_{0x00, 0x00, 0x00};
  Fault fault_ = Fault::None;
  int faultFrame_ = 100;
  bool paced_ = false;
  bool resume_ = false;
  bool stalled_ = false;
  int queries_ = 0;
  int faultQueries_ = 0;  // model queries since the fault was set
  int readRequests_ = 0;
  int framesSent_ = 0;
  bool downloadDone_ = false;
  Upload upload_;
  bool uploading_ = false;
  std::string received_;
  std::string frame_;  // frame being assembled from the program's bytes
  std::vector<std::string> protocolErrors_;
  double lineFree_ = 0;  // pacing clock, seconds
};
