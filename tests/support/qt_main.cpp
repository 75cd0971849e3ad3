#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "platform/Application.h"
#include "platform/Runtime.h"

namespace {

// Each test starts with a program folder of its own, so what a command
// writes beside the program ("tmp.dat") lands in a temporary folder and
// never in the build's tests folder, nor in the next test's way. A fixture
// may still point it elsewhere.
class OwnProgramFolder : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    folder_ = std::make_unique<QTemporaryDir>();
    SetAppPath(folder_->path().toStdString());
  }
  void OnTestEnd(const ::testing::TestInfo&) override {
    SetAppPath("");
    folder_.reset();
  }
  std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace

// The program's own application object, so that events reach every test as
// they reach the program.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  Application app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new OwnProgramFolder);
  return RUN_ALL_TESTS();
}
