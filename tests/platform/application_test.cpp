// A command that runs out of memory is stopped and reported; the program,
// and the events after it, go on.

#include "platform/Application.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QTimer>
#include <functional>
#include <new>

#include "support/PlatformDoubles.h"

namespace {

constexpr const char* kOutOfMemory =
    "There is not enough memory to finish this command, so it has been stopped.";

// Runs its command on each event it gets.
class Receiver : public QObject {
 public:
  std::function<void()> command;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    command();
    return true;
  }
};

// The tests run under the program's own application object.
TEST(Application, CommandsOutOfMemoryAreReportedAndTheProgramGoesOn) {
  ASSERT_NE(dynamic_cast<Application*>(QCoreApplication::instance()), nullptr);
  Receiver receiver;
  int runs = 0;
  bool fail = true;
  receiver.command = [&] {
    ++runs;
    if (fail) throw std::bad_alloc();
  };
  struct Case {
    const char* what;
    std::function<void()> deliver;
  };
  const Case cases[] = {
      {"an event sent",
       [&] {
         QEvent event(QEvent::User);
         QCoreApplication::sendEvent(&receiver, &event);
       }},
      {"an event posted",
       [&] {
         QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
         QCoreApplication::processEvents();
       }},
      {"a timer",
       [&] {
         QTimer::singleShot(0, &receiver, [&] { receiver.command(); });
         QCoreApplication::processEvents();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MsgBoxScript boxes;
    boxes.Answer(vbOK, kOutOfMemory);
    const int before = runs;
    fail = true;
    c.deliver();
    ASSERT_EQ(runs, before + 1);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].title, "IC-R2 Kestrane");
    EXPECT_EQ(boxes.Calls()[0].Icon(), vbExclamation);
    // The next command runs as usual, without a box.
    fail = false;
    c.deliver();
    EXPECT_EQ(runs, before + 2);
    EXPECT_EQ(boxes.Calls().size(), 1u);
  }
}

}  // namespace
