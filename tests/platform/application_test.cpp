// A command that runs out of memory is stopped and reported; the program,
// and the events after it, go on.

#include "platform/Application.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <new>

#include "support/PlatformDoubles.h"

namespace {

// Runs out of memory on each event it gets while `fail` holds.
class Receiver : public QObject {
 public:
  int runs = 0;
  bool fail = true;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    ++runs;
    if (fail) throw std::bad_alloc();
    return true;
  }
};

// The tests run under the program's own application object; an event sent
// and one posted reach a command along different ways.
TEST(Application, CommandsOutOfMemoryAreReportedAndTheProgramGoesOn) {
  ASSERT_NE(dynamic_cast<Application*>(QCoreApplication::instance()), nullptr);
  for (bool posted : {false, true}) {
    SCOPED_TRACE(posted);
    Receiver receiver;
    MsgBoxScript boxes;
    boxes.Answer(vbOK,
                 "There is not enough memory to finish this command, so it has been stopped.");
    for (bool fail : {true, false}) {  // the next command runs as usual, without a box
      receiver.fail = fail;
      QEvent sent(QEvent::User);
      posted ? QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User))
             : void(QCoreApplication::sendEvent(&receiver, &sent));
      QCoreApplication::processEvents();
    }
    EXPECT_EQ(receiver.runs, 2);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].title, "IC-R2 Kestrane");
    EXPECT_EQ(boxes.Calls()[0].Icon(), vbExclamation);
  }
}

}  // namespace
