#include "clone/ReceiverSim_support.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace {

constexpr double kByteTime = 10.0 / 9600.0;  // start bit, 8 data bits, stop bit
constexpr int kBlocks = 252;

const std::string kFromRadio{"\xFE\xFE\xEF\xEE", 4};
const std::string kFromPc{"\xFE\xFE\xEE\xEF", 4};
const std::string kEndBody = "Icom Inc.";

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void SleepUntil(double t) {
  const double d = t - Now();
  if (d > 0) std::this_thread::sleep_for(std::chrono::duration<double>(d));
}

std::string Hex2(unsigned v) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[(v >> 4) & 0xF], kDigits[v & 0xF]};
}

int Digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // lower case is not what the receiver takes
}

bool UpperHex(const std::string& text) {
  for (char c : text) {
    if (Digit(c) < 0) return false;
  }
  return true;
}

std::string Record(const ReceiverSim::Image& image, int block) {
  const unsigned address = static_cast<unsigned>(block) * 16;
  std::string record = Hex2(address >> 8) + Hex2(address & 0xFF) + "10";
  for (int i = 0; i < 16; ++i) record += Hex2(image[address + static_cast<unsigned>(i)]);
  return record + ReceiverSim::Checksum(record);
}

std::string DataFrame(const ReceiverSim::Image& image, int block) {
  return kFromRadio + '\xE4' + Record(image, block) + '\xFD';
}

std::string EndFrame() { return kFromRadio + '\xE5' + kEndBody + '\xFD'; }

std::string Bytes(const std::array<std::uint8_t, 4>& b) { return std::string(b.begin(), b.end()); }

}  // namespace

ReceiverSim::ReceiverSim() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    throw std::runtime_error("no pseudo-terminal");
  }
  slavePath_ = ptsname(master_);
  slave_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
  if (slave_ < 0) throw std::runtime_error("cannot open " + slavePath_);
  // A fresh terminal echoes and edits lines; the line must carry bytes as they are.
  termios raw{};
  tcgetattr(slave_, &raw);
  cfmakeraw(&raw);
  tcsetattr(slave_, TCSANOW, &raw);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  thread_ = std::thread([this] { Run(); });
}

ReceiverSim::~ReceiverSim() {
  stop_ = true;
  resumed_.notify_all();
  if (thread_.joinable()) thread_.join();
  close(slave_);
  close(master_);
}

void ReceiverSim::SetComment(const std::string& sixteen) {
  std::lock_guard lock(mutex_);
  comment_ = sixteen;
  comment_.resize(16, ' ');
}

void ReceiverSim::SetFault(Fault fault, int faultFrame) {
  std::lock_guard lock(mutex_);
  fault_ = fault;
  faultFrame_ = faultFrame;
  faultQueries_ = 0;
}

void ReceiverSim::Resume() {
  {
    std::lock_guard lock(mutex_);
    resume_ = true;
  }
  resumed_.notify_all();
}

bool ReceiverSim::WaitFor(const std::function<bool()>& condition, double seconds) {
  const double end = Now() + seconds;
  while (!condition()) {
    if (Now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

std::string ReceiverSim::Checksum(const std::string& digits) {
  unsigned sum = 0;
  for (size_t i = 0; i + 1 < digits.size(); i += 2) {
    sum += static_cast<unsigned>(Digit(digits[i]) * 16 + Digit(digits[i + 1]));
  }
  return Hex2((0x100 - (sum & 0xFF)) & 0xFF);
}

std::string ReceiverSim::DownloadStream(const Image& image) {
  std::string stream;
  for (int k = 0; k < kBlocks; ++k) stream += DataFrame(image, k);
  return stream + EndFrame();
}

void ReceiverSim::Run() {
  while (!stop_) {
    pollfd p{master_, POLLIN, 0};
    if (poll(&p, 1, 2) <= 0) continue;
    if (!(p.revents & POLLIN)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      continue;
    }
    bool paced = false;
    {
      std::lock_guard lock(mutex_);
      paced = paced_;
    }
    // Paced, the line takes a few bytes at a time, each 1.04 ms.
    char buffer[4096];
    const ssize_t n = read(master_, buffer, paced ? 8 : sizeof buffer);
    if (n > 0) OnBytes(std::string(buffer, static_cast<size_t>(n)));
  }
}

void ReceiverSim::WaitLine(size_t bytes) {
  double start = 0;
  {
    std::lock_guard lock(mutex_);
    if (!paced_) return;
    lineFree_ = std::max(lineFree_, Now()) + static_cast<double>(bytes) * kByteTime;
    start = lineFree_;
  }
  SleepUntil(start);
}

void ReceiverSim::Send(const std::string& bytes) {
  // A wire holds nothing: when the program's side has stopped taking bytes
  // (its port is closed and the terminal's buffer is full), what the
  // receiver sends is lost rather than held up.
  size_t done = 0;
  double stuckSince = 0;
  while (done < bytes.size() && !stop_) {
    const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      stuckSince = 0;
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
      return;
    } else {
      if (stuckSince == 0) stuckSince = Now();
      if (Now() - stuckSince > 0.2) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
}

void ReceiverSim::OnBytes(const std::string& bytes) {
  Fault fault;
  {
    std::lock_guard lock(mutex_);
    received_ += bytes;
    fault = fault_;
  }
  WaitLine(bytes.size());
  if (fault == Fault::Silent) return;
  if (fault != Fault::NoEcho) Send(bytes);

  for (char c : bytes) {
    if (frame_.empty()) {
      if (c == '\xFE') {
        frame_ += c;
      } else {
        std::lock_guard lock(mutex_);
        if (uploading_) upload_.errors.push_back("byte outside a frame");
      }
      continue;
    }
    if (frame_.size() == 1 && c != '\xFE') {
      frame_.clear();
      continue;
    }
    frame_ += c;
    if (c == '\xFD') {
      const std::string frame = frame_;
      frame_.clear();
      OnFrame(frame);
    }
  }
}

void ReceiverSim::OnFrame(const std::string& frame) {
  std::string reply;
  bool download = false;
  {
    std::lock_guard lock(mutex_);
    if (frame.size() < 6 || frame.compare(0, 4, kFromPc) != 0) {
      protocolErrors_.push_back("frame without the PC's address bytes");
      if (uploading_) upload_.errors.push_back("frame without the PC's address bytes");
      return;
    }
    const char command = frame[4];
    const std::string body = frame.substr(5, frame.size() - 6);
    if (uploading_ && (command == '\xE4' || command == '\xE5')) {
      OnUploadFrame(frame);
      return;
    }
    if (uploading_) {
      upload_.errors.push_back("upload broken off by another frame");
      uploading_ = false;
    }
    switch (command) {
      case '\xE0':
        ++queries_;
        ++faultQueries_;
        if (body != std::string("\x21\x27\x00\x00", 4)) {
          protocolErrors_.push_back("model query without the IC-R2's model code");
        }
        if (fault_ == Fault::AnswerThirdQuery && faultQueries_ % 3 != 0) return;
        reply = ModelReply();
        break;
      case '\xE2':
        if (body != Bytes(model_)) {
          protocolErrors_.push_back("read request with other model bytes");
          return;
        }
        ++readRequests_;
        download = true;
        break;
      case '\xE3':
        upload_ = Upload{};
        if (body != Bytes(model_)) {
          protocolErrors_.push_back("write start with other model bytes");
          upload_.errors.push_back("write start with other model bytes");
          return;
        }
        upload_.started = true;
        uploading_ = true;
        return;
      default:
        protocolErrors_.push_back("unexpected command " +
                                  Hex2(static_cast<unsigned char>(command)));
        return;
    }
  }
  if (!reply.empty()) {
    WaitLine(reply.size());
    Send(reply);
  }
  if (download) SendDownload();
}

// Called with the mutex held.
void ReceiverSim::OnUploadFrame(const std::string& frame) {
  Upload& u = upload_;
  const std::string where = "frame " + std::to_string(u.frames) + ": ";
  if (frame[4] == '\xE5') {
    if (frame != kFromPc + '\xE5' + kEndBody + '\xFD') u.errors.push_back("malformed end frame");
    if (u.frames != kBlocks) {
      u.errors.push_back("end frame after " + std::to_string(u.frames) + " data frames");
    }
    u.ended = true;
    uploading_ = false;
    return;
  }
  const std::string body = frame.substr(5, frame.size() - 6);
  if (frame.size() != 46 || body.size() != 40) {
    u.errors.push_back(where + "length " + std::to_string(frame.size()));
    ++u.frames;
    return;
  }
  const unsigned address = static_cast<unsigned>(u.frames) * 16;
  if (!UpperHex(body)) u.errors.push_back(where + "not upper-case hex");
  if (body.substr(0, 4) != Hex2(address >> 8) + Hex2(address & 0xFF)) {
    u.errors.push_back(where + "address " + body.substr(0, 4));
  }
  if (body.substr(4, 2) != "10") u.errors.push_back(where + "count " + body.substr(4, 2));
  if (body.substr(38, 2) != Checksum(body.substr(0, 38))) {
    u.errors.push_back(where + "checksum " + body.substr(38, 2));
  }
  if (u.frames >= kBlocks) u.errors.push_back(where + "more than 252 data frames");
  for (size_t i = 6; i < 38; i += 2) {
    u.image.push_back(static_cast<std::uint8_t>(std::max(0, Digit(body[i])) * 16 +
                                                std::max(0, Digit(body[i + 1]))));
  }
  ++u.frames;
}

std::string ReceiverSim::ModelReply() {
  std::string reply = kFromRadio + '\xE1' + Bytes(model_) + comment_;
  reply.append(config_.begin(), config_.end());
  if (fault_ == Fault::ShortReply) reply.pop_back();
  if (fault_ == Fault::LongReply) reply += '\x00';
  return reply + '\xFD';
}

void ReceiverSim::SendDownload() {
  Image image;
  Fault fault;
  int at = 0;
  {
    std::lock_guard lock(mutex_);
    image = image_;
    fault = fault_;
    at = faultFrame_;
    framesSent_ = 0;
    downloadDone_ = false;
    resume_ = false;
  }
  auto sendFrame = [this](const std::string& frame) {
    WaitLine(frame.size());
    Send(frame);
  };
  for (int k = 0; k < kBlocks && !stop_; ++k) {
    if (fault == Fault::Stall && k == at) {
      std::unique_lock lock(mutex_);
      stalled_ = true;
      resumed_.wait(lock, [this] { return resume_ || stop_.load(); });
      stalled_ = false;
    }
    if (fault == Fault::StopEarly && k == at) break;
    std::string frame = DataFrame(image, k);
    if (k == at) {
      if (fault == Fault::DropFrame) continue;
      if (fault == Fault::RepeatFrame) sendFrame(frame);
      if (fault == Fault::CorruptFrame) frame[11] = frame[11] == '0' ? '1' : '0';
      if (fault == Fault::BadChecksum) frame[44] = frame[44] == '0' ? '1' : '0';
    }
    if (k == kBlocks - 1 && fault == Fault::CutLastFrame) frame.resize(30);
    if (k == kBlocks - 1 && fault == Fault::LateEnd) {
      // The program's count is reached 10 bytes before the data ends.
      sendFrame(frame.substr(0, frame.size() - 10));
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      frame = frame.substr(frame.size() - 10);
    }
    sendFrame(frame);
    std::lock_guard lock(mutex_);
    ++framesSent_;
  }
  if (fault != Fault::NoEndFrame) sendFrame(EndFrame());
  std::lock_guard lock(mutex_);
  downloadDone_ = true;
}
