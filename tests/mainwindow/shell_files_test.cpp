// File > Open, the recent files, Save and Save As, and the unsaved-changes
// question in front of Open, a recent file and closing the window.

#include <QAction>
#include <QFile>

#include "mainwindow/Globals.h"
#include "platform/MSFlexGrid.h"
#include "platform/Runtime.h"
#include "platform/Settings.h"
#include "shell_support.h"

namespace shell_test {
namespace {

class FilesTest : public ShellTest {
 protected:
  // Opens the ".r2" test image and changes one cell, so the grid holds
  // unsaved changes.
  std::string OpenAndEdit() {
    const std::string path = WriteImageFile("start.r2");
    LoadAndOpen(path);
    SetGridCell(1, 9, "edited");
    return path;
  }
  bool SavedWithEdit(const std::string& path) {
    return ReadAll(path).find("edited") != std::string::npos;
  }
};

TEST_F(FilesTest, OpenReadsEveryFormatIntoTheGrid) {
  for (const std::string name : {"a.r2", "b.icf", "c.ic2", "d.tr2", "UPPER.TR2"}) {
    SCOPED_TRACE(name);
    const std::string path = WriteImageFile(name);
    form_ = std::make_unique<Form1>();
    ICR2Image.Init();
    LoadAndOpen(path);
    // An Icom ".icf" file stores no comments.
    const bool icf = name == "b.icf";
    for (const Channel& c : kImageChannels) {
      for (int col = 1; col <= 8; ++col) {
        EXPECT_EQ(GridCell(c.row, col), c.cells[col]) << "row " << c.row << " col " << col;
      }
      EXPECT_EQ(GridCell(c.row, 9), icf ? "" : c.cells[9]) << "row " << c.row;
    }
    EXPECT_EQ(GridCell(4, 1), "");
    EXPECT_EQ(form_->windowTitle().toStdString(), AppTitle + " - " + path);
    EXPECT_TRUE(form_->mnuSave->isEnabled());
    EXPECT_EQ(Stored("mru0", "MRU"), path);
    EXPECT_FALSE(ICR2Image.IsDataChanged());
  }
}

TEST_F(FilesTest, OpenOfAMissingFileChangesNothing) {
  const std::string path = OpenAndEdit();
  MsgBoxScript boxes;
  boxes.Answer(vbNo, "data has changed");
  boxes.Answer(vbOK, "This file does not exist.");
  FileDialogScript dialogs;
  dialogs.Choose(File("nothing-here.r2"));
  form_->mnuOpen_Click();
  EXPECT_EQ(form_->CurrentFile, path);
  EXPECT_EQ(GridCell(1, 9), "edited");
  EXPECT_TRUE(form_->mnuSave->isEnabled());
}

TEST_F(FilesTest, AFailedOpenLeavesNothingLoaded) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"short.r2", "not a clone stream\r\n"},
      {"bad.ic2", "zzzz\r\n"},
      {"notes.txt", "146.520\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form_ = std::make_unique<Form1>();
    ICR2Image.Init();
    OpenAndEdit();
    WriteAll(File(c.name), c.bytes);
    MsgBoxScript boxes;
    boxes.Answer(vbNo, "data has changed");
    boxes.Answer(vbOK, "");
    FileDialogScript dialogs;
    dialogs.Choose(File(c.name));
    form_->mnuOpen_Click();
    EXPECT_FALSE(ICR2Image.IsFileLoaded());
    EXPECT_EQ(form_->CurrentFile, "");
    EXPECT_EQ(form_->windowTitle().toStdString(), AppTitle);
    EXPECT_EQ(GridCell(1, 1), "");
    EXPECT_FALSE(form_->mnuSave->isEnabled());
    EXPECT_FALSE(form_->mnuSaveOnly->isEnabled());
    EXPECT_FALSE(form_->mnuWrite->isEnabled());
    EXPECT_EQ(Stored("mru0", "MRU"), File("start.r2"));
  }
}

// The question in front of Open: Yes saves (to the current file, or through
// Save As when there is none), No goes on, Cancel stops.
TEST_F(FilesTest, UnsavedChangesBeforeOpen) {
  struct Case {
    const char* what;
    int answer;
    bool hasCurrentFile;
    bool cancelSaveAs;
    bool expectSaved;
    bool expectOpenDialog;
  };
  const Case cases[] = {
      {"yes saves to the current file", vbYes, true, false, true, true},
      {"yes without a file asks for one", vbYes, false, false, true, true},
      {"yes with a cancelled save as", vbYes, false, true, false, false},
      {"no", vbNo, true, false, false, true},
      {"cancel", vbCancel, true, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form_ = std::make_unique<Form1>();
    ICR2Image.Init();
    const std::string path = OpenAndEdit();
    if (!c.hasCurrentFile) form_->CurrentFile.clear();
    const std::string saveAsPath = File("saved-as.r2");
    QFile::remove(QString::fromStdString(saveAsPath));

    MsgBoxScript boxes;
    boxes.Answer(c.answer, "The IC-R2 data has changed.\r\nDo you want to save the changes?");
    FileDialogScript dialogs;
    if (c.answer == vbYes && !c.hasCurrentFile) {
      if (c.cancelSaveAs) {
        dialogs.Cancel();
      } else {
        dialogs.Choose(saveAsPath, 1);
      }
    }
    if (c.expectOpenDialog) dialogs.Cancel();
    form_->mnuOpen_Click();

    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].buttons, vbYesNoCancel | vbExclamation);
    EXPECT_EQ(boxes.Calls()[0].title, "IC-R2 Kestrane");
    const std::string savedTo = c.hasCurrentFile ? path : saveAsPath;
    EXPECT_EQ(SavedWithEdit(savedTo), c.expectSaved);
    EXPECT_FALSE(form_->SaveCancelled);
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_EQ(GridCell(1, 9), "edited");
  }
}

TEST_F(FilesTest, NoQuestionWhenNothingChanged) {
  const std::string path = WriteImageFile("start.r2");
  LoadAndOpen(path);
  FileDialogScript dialogs;
  dialogs.Cancel();
  form_->mnuOpen_Click();  // an unexpected box would fail the test
  EXPECT_EQ(dialogs.Requests().at(0).title, "Open File");
  EXPECT_EQ(dialogs.Requests().at(0).filters.at(0).label, "IC-R2 Files (*.r2 *.icf *.ic2 *.tr2)");
  EXPECT_EQ(dialogs.Requests().at(0).filters.at(0).pattern, "*.r2;*.icf;*.ic2;*.tr2");
}

TEST_F(FilesTest, UnsavedChangesBeforeARecentFile) {
  const std::string other = WriteImageFile("other.tr2");
  struct Case {
    const char* what;
    int answer;
    bool cancelSaveAs;
    bool expectOpened;
  };
  const Case cases[] = {
      {"yes", vbYes, false, true},
      {"yes with a cancelled save as", vbYes, true, false},
      {"no", vbNo, false, true},
      {"cancel", vbCancel, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form_ = std::make_unique<Form1>();
    ICR2Image.Init();
    const std::string path = WriteImageFile("start.r2");
    LoadAndOpen(path);
    form_->AddToMRU(other);
    SetGridCell(1, 9, "edited");
    if (c.cancelSaveAs) form_->CurrentFile.clear();

    MsgBoxScript boxes;
    boxes.Answer(c.answer, "data has changed");
    FileDialogScript dialogs;
    if (c.cancelSaveAs) dialogs.Cancel();
    form_->mnuMRU_Click(0);
    EXPECT_EQ(form_->CurrentFile, c.expectOpened ? other : (c.cancelSaveAs ? "" : path));
    EXPECT_EQ(GridCell(1, 9), c.expectOpened ? "Calling" : "edited");
    // The list keeps its order when a recent file is opened.
    EXPECT_EQ(Stored("mru0", "MRU"), other);
    EXPECT_EQ(Stored("mru1", "MRU"), path);
  }
}

TEST_F(FilesTest, UnsavedChangesWhenClosing) {
  struct Case {
    const char* what;
    int answer;
    bool cancelSaveAs;
    bool expectCancel;
    bool expectSaved;
  };
  const Case cases[] = {
      {"yes", vbYes, false, false, true},
      {"yes with a cancelled save as", vbYes, true, true, false},
      {"no", vbNo, false, false, false},
      {"cancel", vbCancel, false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form_ = std::make_unique<Form1>();
    ICR2Image.Init();
    const std::string path = OpenAndEdit();
    if (c.cancelSaveAs) form_->CurrentFile.clear();
    WriteAll(File("tmp.dat"), ",,,,,,,,,,\r\n");

    MsgBoxScript boxes;
    boxes.Answer(c.answer, "data has changed");
    FileDialogScript dialogs;
    if (c.cancelSaveAs) dialogs.Cancel();
    bool cancel = false;
    form_->Form_Unload(cancel);
    EXPECT_EQ(cancel, c.expectCancel);
    EXPECT_EQ(SavedWithEdit(path), c.expectSaved);
    EXPECT_FALSE(form_->SaveCancelled);
    // Settings and the grid's store happen before the question.
    EXPECT_NE(Stored("FilePath"), "<absent>");
    EXPECT_EQ(ChannelComments[1], "edited");
    EXPECT_EQ(QFile::exists(QString::fromStdString(File("tmp.dat"))), c.expectCancel);
  }
}

TEST_F(FilesTest, ClosingUnchangedAsksNothing) {
  LoadAndOpen(WriteImageFile("start.r2"));
  bool cancel = true;
  form_->Form_Unload(cancel);  // an unexpected box would fail the test
  EXPECT_FALSE(cancel);
}

// Save As: the filter chooses the format unless the typed name carries an
// image extension; the extension is added only to a file name without a point.
TEST_F(FilesTest, SaveAsChoosesTheFormat) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("radio.d"));
  struct Case {
    const char* typed;
    int filter;
    const char* written;
    Written format;
  };
  const Case cases[] = {
      {"chan", 1, "chan.r2", Written::R2},
      {"chan", 2, "chan.icf", Written::Icf},
      {"chan", 3, "chan.ic2", Written::Ic2},
      {"chan", 4, "chan.tr2", Written::Tr2},
      {"chan", 5, "chan.r2", Written::R2},
      {"chan.txt", 1, "chan.txt", Written::R2},
      {"chan.txt", 2, "chan.txt", Written::Icf},
      {"chan.ICF", 1, "chan.ICF", Written::Icf},
      {"chan.tr2", 5, "chan.tr2", Written::Tr2},
      {"chan.ic2", 1, "chan.ic2", Written::Ic2},
      {"radio.d/chan", 3, "radio.d/chan.ic2", Written::Ic2},
  };
  LoadAndOpen(WriteImageFile("start.r2"));
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " filter " + std::to_string(c.filter));
    const std::string written = File(c.written);
    QFile::remove(QString::fromStdString(written));
    SetGridCell(2, 9, c.written);
    FileDialogScript dialogs;
    dialogs.Choose(File(c.typed), c.filter);
    form_->mnuSave_Click();
    ASSERT_EQ(dialogs.Requests().size(), 1u);
    EXPECT_EQ(dialogs.Requests()[0].title, "Save As...");
    EXPECT_EQ(dialogs.Requests()[0].filters.size(), 5u);
    EXPECT_EQ(FormatOfFile(written), c.format);
    EXPECT_EQ(form_->CurrentFile, written);
    EXPECT_EQ(form_->windowTitle().toStdString(), AppTitle + " - " + written);
    EXPECT_EQ(Stored("mru0", "MRU"), written);
    EXPECT_FALSE(ICR2Image.IsDataChanged());
    EXPECT_FALSE(form_->SaveCancelled);
  }
}

TEST_F(FilesTest, SaveAsFilterList) {
  LoadAndOpen(WriteImageFile("start.r2"));
  FileDialogScript dialogs;
  dialogs.Cancel();
  form_->mnuSave_Click();
  EXPECT_TRUE(form_->SaveCancelled);
  const std::vector<FileFilter>& f = dialogs.Requests().at(0).filters;
  const std::pair<const char*, const char*> expected[] = {{"R2 Files (*.R2)", "*.r2"},
                                                          {"ICOM ICF Files (*.ICF)", "*.icf"},
                                                          {"ARC2 Files (*.IC2)", "*.ic2"},
                                                          {"TK2 Files (*.tr2)", "*.tr2"},
                                                          {"All Files (*.*)", "*.*"}};
  ASSERT_EQ(f.size(), std::size(expected));
  for (size_t i = 0; i < f.size(); ++i) {
    EXPECT_EQ(f[i].label, expected[i].first);
    EXPECT_EQ(f[i].pattern, expected[i].second);
  }
  EXPECT_EQ(dialogs.Requests()[0].filterIndex, 1);
}

TEST_F(FilesTest, ReplaceQuestion) {
  struct Case {
    const char* what;
    int answer;
    bool secondDialogChooses;  // after No
    bool expectReplaced;
    bool expectOtherWritten;
    bool expectCancelled;
  };
  const Case cases[] = {
      {"yes replaces", vbYes, false, true, false, false},
      {"no asks again", vbNo, true, false, true, false},
      {"no then cancel", vbNo, false, false, false, true},
      {"cancel", vbCancel, false, false, false, true},
  };
  LoadAndOpen(WriteImageFile("start.r2"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string target = File("target.r2");
    const std::string other = File("other.r2");
    WriteAll(target, "old");
    QFile::remove(QString::fromStdString(other));
    form_->SaveCancelled = false;
    SetGridCell(1, 9, c.what);

    MsgBoxScript boxes;
    boxes.Answer(c.answer, target + " already exists.\r\nDo you want to replace it?");
    FileDialogScript dialogs;
    dialogs.Choose(target, 1);
    if (c.answer == vbNo) {
      if (c.secondDialogChooses) {
        dialogs.Choose(other, 1);
      } else {
        dialogs.Cancel();
      }
    }
    form_->mnuSave_Click();
    EXPECT_EQ(boxes.Calls().at(0).title, "Save As");
    EXPECT_EQ(boxes.Calls().at(0).buttons, vbYesNoCancel | vbExclamation);
    EXPECT_EQ(ReadAll(target) != "old", c.expectReplaced);
    EXPECT_EQ(QFile::exists(QString::fromStdString(other)), c.expectOtherWritten);
    EXPECT_EQ(form_->SaveCancelled, c.expectCancelled);
  }
}

TEST_F(FilesTest, AFailedSaveIsNotTakenForASavedOne) {
  const std::string path = OpenAndEdit();
  // A folder that is a file: no one, not even an administrator, can write there.
  WriteAll(File("plain-file"), "x");
  const std::string target = File("plain-file") + "/chan.r2";

  MsgBoxScript boxes;
  boxes.Answer(vbOK, "The file could not be saved.");
  FileDialogScript dialogs;
  dialogs.Choose(target, 1);
  form_->mnuSave_Click();
  EXPECT_EQ(boxes.Calls().at(0).buttons, vbOKOnly | vbExclamation);
  EXPECT_TRUE(form_->SaveCancelled);
  EXPECT_EQ(form_->CurrentFile, path);
  EXPECT_EQ(Stored("mru0", "MRU"), path);
  EXPECT_EQ(Stored("mru1", "MRU"), "");
  EXPECT_EQ(form_->windowTitle().toStdString(), AppTitle + " - " + path);
  EXPECT_TRUE(ICR2Image.IsDataChanged());

  // Through the question, the failed save abandons the open.
  form_->CurrentFile = target;
  form_->SaveCancelled = false;
  boxes.Answer(vbYes, "data has changed");
  boxes.Answer(vbOK, "The file could not be saved.");
  form_->mnuOpen_Click();  // no open dialog follows
  EXPECT_FALSE(form_->SaveCancelled);
  EXPECT_TRUE(ICR2Image.IsDataChanged());
}

TEST_F(FilesTest, SaveKeepsTheFormatOfTheOpenedFile) {
  struct Case {
    const char* name;
    Written format;
  };
  const Case cases[] = {{"k.r2", Written::R2},
                        {"k.icf", Written::Icf},
                        {"k.ic2", Written::Ic2},
                        {"k.tr2", Written::Tr2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form_ = std::make_unique<Form1>();
    ICR2Image.Init();
    const std::string path = WriteImageFile(c.name);
    LoadAndOpen(path);
    const std::string before = ReadAll(path);
    SetGridCell(4, 1, "440.000");
    SetGridCell(4, 2, "FM");
    form_->mnuSaveOnly_Click();
    EXPECT_EQ(FormatOfFile(path), c.format);
    EXPECT_NE(ReadAll(path), before);
    EXPECT_FALSE(ICR2Image.IsDataChanged());
    EXPECT_EQ(form_->CurrentFile, path);
  }
}

TEST_F(FilesTest, SaveRefusesAnRtSystemsFile) {
  clsICR2 image;
  MakeImage(image);
  const ImageBytes bytes = image.GetArry();
  std::string rt = "ICF RT Systems\r\n";
  rt.resize(5580, '\0');
  rt.append(bytes.begin(), bytes.end());
  rt.resize(9700, '\0');
  const std::string path = File("rt.icf");
  WriteAll(path, rt);
  for (int n = 1; n <= kChannelCount; ++n) ChannelComments[n].clear();

  LoadAndOpen(path);
  EXPECT_EQ(GridCell(1, 1), "146.520");
  MsgBoxScript boxes;
  boxes.Answer(vbOK,
               "This is an RT SYSTEMS .icf file.\r\nYou must save it as an ICOM .icf file, "
               "or an .r2 file!");
  FileDialogScript dialogs;
  dialogs.Cancel();
  form_->mnuSaveOnly_Click();
  EXPECT_EQ(boxes.Calls().at(0).buttons, vbOKOnly | vbInformation);
  EXPECT_EQ(dialogs.Requests().at(0).title, "Save As...");
  EXPECT_TRUE(form_->SaveCancelled);
  EXPECT_EQ(ReadAll(path), rt);
}

TEST_F(FilesTest, NothingSavesAnImageThatIsNotLoaded) {
  form_->Form_Load();
  for (auto command : {&Form1::mnuSaveOnly_Click, &Form1::mnuSave_Click}) {
    MsgBoxScript boxes;
    boxes.Answer(vbOK, "There is no IC-R2 image to save.");
    form_->SaveCancelled = false;
    (form_.get()->*command)();  // no file dialog may open
    EXPECT_TRUE(form_->SaveCancelled);
  }
}

// After another image is opened, Undo must not bring back the cells of the
// image shown before it.
TEST_F(FilesTest, OpeningAnImageDropsTheUndoSnapshot) {
  const std::string path = WriteImageFile("undo.r2");
  LoadAndOpen(path);
  ASSERT_EQ(GridCell(1, 1), "146.520");
  form_->MSFlexGrid1->SetRow(1);
  form_->MSFlexGrid1->SetCol(1);
  form_->Command7_Click();  // Clear row 1: the snapshot holds its channel
  ASSERT_EQ(GridCell(1, 1), "");

  MsgBoxScript boxes;
  boxes.Answer(vbNo, "data has changed");
  FileDialogScript dialogs;
  dialogs.Choose(path, 1);
  form_->mnuOpen_Click();
  ASSERT_EQ(GridCell(1, 1), "146.520");

  SetGridCell(1, 1, "");
  form_->Undo();
  EXPECT_EQ(GridCell(1, 1), "");
}

}  // namespace
}  // namespace shell_test
