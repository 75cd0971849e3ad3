// A small form driven headless through the scripted message boxes, file
// dialogs and modal runner, the way the program's own forms are tested.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "platform/FileDialogs.h"
#include "platform/Modal.h"
#include "platform/MsgBox.h"
#include "support/PlatformDoubles.h"

namespace {

// Asks before it "deletes", then asks for a file; remembers what happened.
class DemoForm : public QDialog {
 public:
  DemoForm() {
    auto* layout = new QVBoxLayout(this);
    name = new QLineEdit(this);
    name->setObjectName("Text1");
    ok = new QPushButton("&OK", this);
    ok->setObjectName("Command6");
    layout->addWidget(name);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, [this] { Command6_Click(); });
  }

  void Command6_Click() {
    const int answer = MsgBox("Delete " + name->text().toStdString() + "?" + vbCrLf + "Sure?",
                              vbYesNo | vbQuestion | vbDefaultButton2, kMsgTitle);
    if (answer != vbYes) return;
    FileDialogResult r =
        GetSaveFileName("Save As...", {{"R2 Files (*.R2)", "*.r2"}, {"All Files (*.*)", "*.*"}});
    chosen = r.ok ? r.path : "";
    chosenFilter = r.filterIndex;
    accept();
  }

  QLineEdit* name;
  QPushButton* ok;
  std::string chosen;
  int chosenFilter = 0;
};

}  // namespace

TEST(Doubles, QueuedAnswersDriveTheForm) {
  QTemporaryDir dir;
  const QString start = QDir::currentPath();
  MsgBoxScript boxes;
  FileDialogScript files;
  boxes.Answer(vbYes, "Delete 0-01?");
  const std::string target = (dir.path() + "/out.r2").toStdString();
  files.Choose(target, 2);

  DemoForm form;
  SetModalRunner([](QDialog& d) {
    d.findChild<QLineEdit*>("Text1")->setText("0-01");
    d.findChild<QPushButton*>("Command6")->click();
    return d.result();
  });
  const int result = ShowModal(form);
  SetModalRunner(nullptr);

  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(form.chosen, target);
  EXPECT_EQ(form.chosenFilter, 2);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  const MsgBoxCall& call = boxes.Calls()[0];
  EXPECT_EQ(call.prompt, "Delete 0-01?\r\nSure?");
  EXPECT_EQ(call.title, "IC-R2 Kestrane");
  EXPECT_EQ(call.ButtonSet(), vbYesNo);
  EXPECT_EQ(call.Icon(), vbQuestion);
  EXPECT_EQ(call.DefaultButton(), vbDefaultButton2);
  ASSERT_EQ(files.Requests().size(), 1u);
  EXPECT_TRUE(files.Requests()[0].save);
  EXPECT_EQ(files.Requests()[0].title, "Save As...");
  ASSERT_EQ(files.Requests()[0].filters.size(), 2u);
  EXPECT_EQ(files.Requests()[0].filters[1].pattern, "*.*");
  EXPECT_EQ(files.Requests()[0].initialDir, start.toStdString());
  // After OK the current folder is the chosen file's folder.
  EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
  QDir::setCurrent(start);
}

// No stops before the file dialog; Cancel in the dialog leaves the folder.
TEST(Doubles, NoOrCancelStopsTheCommand) {
  const QString start = QDir::currentPath();
  for (int answer : {vbNo, vbYes}) {
    MsgBoxScript boxes;
    FileDialogScript files;  // nothing queued after No: a file dialog would fail the test
    boxes.Answer(answer);
    if (answer == vbYes) files.Cancel();
    DemoForm form;
    form.Command6_Click();
    EXPECT_TRUE(form.chosen.empty());
    EXPECT_EQ(QDir::currentPath(), start);
  }
}

TEST(Doubles, UnexpectedOrUnusedAnswersFailTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        MsgBoxScript boxes;
        EXPECT_EQ(MsgBox("Surprise", vbYesNoCancel | vbExclamation), vbCancel);
      },
      "unexpected message box \"Surprise\"");
  EXPECT_NONFATAL_FAILURE(
      {
        MsgBoxScript boxes;
        boxes.Answer(vbOK, "No response");
        MsgBox("Something else");
      },
      "does not mention");
  EXPECT_NONFATAL_FAILURE({ MsgBoxScript().Answer(vbOK); }, "never used");
  EXPECT_NONFATAL_FAILURE({ FileDialogScript().Cancel(); }, "never used");
}
