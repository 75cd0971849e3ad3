#include "shell_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "mainwindow/Globals.h"
#include "platform/FileDialogs.h"
#include "platform/MSFlexGrid.h"
#include "platform/Runtime.h"
#include "platform/Settings.h"

namespace shell_test {

const std::array<Channel, 6> kImageChannels = {{
    {1, {"", "146.520", "FM", "OFF", "5 KHz", "SIMP", "0.000", "OFF", "88.5", "Calling"}},
    {2, {"", "145.230", "FM", "SKIP", "10 KHz", "-DUP", "0.600", "ON", "100.0", "Rptr 1"}},
    {3, {"", "0.540", "AM", "OFF", "9 KHz", "SIMP", "0.000", "OFF", "67.0", "AM broadcast"}},
    {50, {"", "1299.995", "WFM", "PSKIP", "100 KHz", "+DUP", "5.000", "OFF", "254.1", ""}},
    {401, {"", "118.000", "AM", "OFF", "25 KHz", "SIMP", "0.000", "OFF", "88.5", "Air"}},
    {402, {"", "137.000", "AM", "OFF", "25 KHz", "SIMP", "0.000", "OFF", "88.5", "Air"}},
}};

void MakeImage(clsICR2& image, bool setComments) {
  // No Init here: it would empty the shared comments of the program's image.
  for (int n = 1; n <= kChannelCount; ++n) image.ClearMemory(n);
  for (int bit = 0; bit < 8; ++bit) image.SetBit(kLoadedMarkAddress, bit, (kLoadedMark >> bit) & 1);
  for (const Channel& c : kImageChannels) {
    if (c.cells[4] == "9 KHz") {
      image.SetBCBFreq(c.row, c.cells[1]);
    } else {
      image.SetFreq(c.row, c.cells[1]);
    }
    image.SetMode(c.row, c.cells[2]);
    image.SetSkip(c.row, c.cells[3]);
    image.SetStep(c.row, c.cells[4]);
    image.SetDup(c.row, c.cells[5]);
    image.SetOffset(c.row, c.cells[6]);
    image.SetTsql(c.row, c.cells[7]);
    image.SetTone(c.row, c.cells[8]);
    if (setComments) ChannelComments[c.row] = c.cells[9];
  }
  image.SetChecksum();
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

Written FormatOfFile(const std::string& path) {
  if (!QFileInfo::exists(QString::fromStdString(path))) return Written::Missing;
  const std::string bytes = ReadAll(path);
  if (bytes.starts_with("\xFE\xFE\xEE\xEF")) return Written::R2;
  if (bytes.starts_with("21270000\r\n#")) return Written::Icf;
  if (bytes.starts_with("000010")) return Written::Ic2;
  // A ".tr2" file is the image itself, then the labels: the first record is
  // channel 1 of the test image and the loaded mark is in its place.
  clsICR2 image;
  MakeImage(image, false);
  const ImageBytes expected = image.GetArry();
  if (bytes.size() >= expected.size() &&
      std::equal(expected.begin(), expected.begin() + 8, bytes.begin(),
                 [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }) &&
      static_cast<std::uint8_t>(bytes[kLoadedMarkAddress]) == kLoadedMark) {
    return Written::Tr2;
  }
  return Written::Other;
}

void ShellTest::SetUp() {
  ASSERT_TRUE(dir_.isValid());
  startDir_ = CurDir();
  SetAppPath(dir_.path().toStdString());
  ChDir(dir_.path().toStdString());
  ICR2Image.Init();
  CancelRequested = 0;
  form_ = std::make_unique<Form1>();
}

void ShellTest::TearDown() {
  form_.reset();
  ICR2Image.Init();
  SetAppPath("");
  ChDir(startDir_);
}

std::string ShellTest::File(const std::string& name) const {
  return dir_.filePath(QString::fromStdString(name)).toStdString();
}

std::string ShellTest::WriteImageFile(const std::string& name) {
  const std::string path = File(name);
  // The writers keep their own change state; a scratch image leaves the
  // program's one untouched (the comments are shared and set again by open).
  clsICR2 image;
  MakeImage(image);
  const std::string ext = QFileInfo(QString::fromStdString(name)).suffix().toLower().toStdString();
  FileResult result;
  if (ext == "icf") result = image.SaveICFFile(path);
  if (ext == "ic2") result = image.SaveArcFile(path);
  if (ext == "tr2") result = image.SaveBinary(path);
  if (ext == "r2") result = image.SaveFile(path);
  EXPECT_TRUE(result.ok) << result.error;
  for (int n = 1; n <= kChannelCount; ++n) ChannelComments[n].clear();
  return path;
}

void ShellTest::LoadAndOpen(const std::string& path) {
  form_->Form_Load();
  FileDialogScript dialogs;
  dialogs.Choose(path);
  form_->mnuOpen_Click();
  ASSERT_EQ(form_->CurrentFile, path);
}

std::string ShellTest::Stored(const std::string& key, const std::string& section) const {
  return GetSetting("IC-R2", section, key, "<absent>");
}

void ShellTest::ClearStore() { QFile::remove(QString::fromStdString(store_.Path())); }

std::string ShellTest::GridCell(int row, int col) const {
  return form_->MSFlexGrid1->TextMatrix(row, col);
}

void ShellTest::SetGridCell(int row, int col, const std::string& text) {
  form_->MSFlexGrid1->SetTextMatrix(row, col, text);
}

}  // namespace shell_test
