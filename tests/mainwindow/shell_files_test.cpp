// File > Open, the recent files, Save and Save As, and the unsaved-changes
// question in front of Open, a recent file and closing the window.

#include <QAction>
#include <QFile>
#include <filesystem>

#include "mainwindow/Globals.h"
#include "platform/MSFlexGrid.h"
#include "platform/Runtime.h"
#include "platform/Settings.h"
#include "platform/VbTextBox.h"
#include "shell_support.h"
#include "support/RealFileDialog.h"
#include "support/UserInput.h"

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
  // A new main window with the ".r2" test image open; its path.
  std::string OpenInNewWindow() {
    form_ = std::make_unique<Form1>();
    ICR2Image.Init();
    const std::string path = WriteImageFile("start.r2");
    LoadAndOpen(path);
    return path;
  }
  bool SavedWithEdit(const std::string& path) {
    return ReadAll(path).find("edited") != std::string::npos;
  }
};

// Open shows every format in the grid; File > Save writes the same format back.
TEST_F(FilesTest, OpenAndSaveEveryFormat) {
  const std::pair<const char*, Written> files[] = {{"a.r2", Written::R2},
                                                   {"b.icf", Written::Icf},
                                                   {"c.ic2", Written::Ic2},
                                                   {"d.tr2", Written::Tr2},
                                                   {"UPPER.TR2", Written::Tr2}};
  for (const auto& [name, format] : files) {
    SCOPED_TRACE(name);
    const std::string path = WriteImageFile(name);
    form_ = std::make_unique<Form1>();
    ICR2Image.Init();
    LoadAndOpen(path);
    // An Icom ".icf" file stores no comments.
    const bool icf = format == Written::Icf;
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

    const std::string before = ReadAll(path);
    SetGridCell(4, 1, "440.000");
    SetGridCell(4, 2, "FM");
    form_->mnuSaveOnly_Click();
    EXPECT_EQ(FormatOfFile(path), format);
    EXPECT_NE(ReadAll(path), before);
    EXPECT_FALSE(ICR2Image.IsDataChanged());
    EXPECT_EQ(form_->CurrentFile, path);
  }
}

// A missing file, or one too large to be an image, changes nothing; a file
// that cannot be read leaves the window in the nothing-loaded state, so
// nothing can be saved over it.
TEST_F(FilesTest, AnOpenThatFails) {
  struct Case {
    const char* name;
    const char* bytes;  // nullptr: no such file, or a sparse one of `size`
    const char* message;
    std::uintmax_t size = 0;
  };
  const Case cases[] = {
      {"nothing-here.r2", nullptr, "This file does not exist."},
      {"short.r2", "not a clone stream\r\n", ""},
      {"bad.ic2", "zzzz\r\n", ""},
      {"notes.txt", "146.520\r\n", ""},
      {"huge.icf", nullptr,
       "huge.icf is too large to read: it holds 107374182400 bytes, more than the 16777216 "
       "bytes (16 MiB) that an IC-R2 image file may hold.",
       std::uintmax_t{100} << 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form_ = std::make_unique<Form1>();
    ICR2Image.Init();
    const std::string path = OpenAndEdit();
    if (c.bytes) WriteAll(File(c.name), c.bytes);
    if (c.size) {
      WriteAll(File(c.name), "");
      std::filesystem::resize_file(File(c.name), c.size);
    }
    MsgBoxScript boxes;
    boxes.Answer(vbNo, "data has changed");
    boxes.Answer(vbOK, c.message);
    FileDialogScript dialogs;
    dialogs.Choose(File(c.name));
    form_->mnuOpen_Click();
    const bool kept = !c.bytes;
    EXPECT_EQ(ICR2Image.IsFileLoaded(), kept);
    EXPECT_EQ(form_->CurrentFile, kept ? path : "");
    EXPECT_EQ(form_->windowTitle().toStdString(), kept ? AppTitle + " - " + path : AppTitle);
    EXPECT_EQ(GridCell(1, 9), kept ? "edited" : "");
    EXPECT_EQ(form_->mnuSave->isEnabled(), kept);
    EXPECT_EQ(form_->mnuSaveOnly->isEnabled(), kept);
    EXPECT_EQ(form_->mnuWrite->isEnabled(), kept);
    EXPECT_EQ(Stored("mru0", "MRU"), path);
  }
}

enum class Command { Open, Recent, Close };

// The question in front of Open, a recent file and closing: Yes saves (to the
// current file, or through Save As when there is none), No goes on, Cancel
// stops; an unchanged grid asks nothing.
TEST_F(FilesTest, UnsavedChangesQuestion) {
  struct Case {
    const char* what;
    Command command;
    int answer;  // 0: nothing changed, so no question
    bool noFile, cancelSaveAs;
    bool goesOn;  // the command went on after the question
  };
  const Case cases[] = {
      {"open, unchanged", Command::Open, 0, false, false, true},
      {"open, yes saves to the current file", Command::Open, vbYes, false, false, true},
      {"open, yes without a file asks for one", Command::Open, vbYes, true, false, true},
      {"open, yes with a cancelled save as", Command::Open, vbYes, true, true, false},
      {"open, no", Command::Open, vbNo, false, false, true},
      {"open, cancel", Command::Open, vbCancel, false, false, false},
      {"recent, yes", Command::Recent, vbYes, false, false, true},
      {"recent, yes with a cancelled save as", Command::Recent, vbYes, true, true, false},
      {"recent, no", Command::Recent, vbNo, false, false, true},
      {"recent, cancel", Command::Recent, vbCancel, false, false, false},
      {"close, unchanged", Command::Close, 0, false, false, true},
      {"close, yes", Command::Close, vbYes, false, false, true},
      {"close, yes with a cancelled save as", Command::Close, vbYes, true, true, false},
      {"close, no", Command::Close, vbNo, false, false, true},
      {"close, cancel", Command::Close, vbCancel, false, false, false},
  };
  const std::string other = WriteImageFile("other.tr2");
  const std::string saveAsPath = File("saved-as.r2");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = OpenInNewWindow();
    form_->AddToMRU(other);
    if (c.answer) SetGridCell(1, 9, "edited");
    if (c.noFile) form_->CurrentFile.clear();
    QFile::remove(QString::fromStdString(saveAsPath));
    WriteAll(File("tmp.dat"), ",,,,,,,,,,\r\n");

    MsgBoxScript boxes;
    if (c.answer)
      boxes.Answer(c.answer, "The IC-R2 data has changed.\r\nDo you want to save the changes?");
    FileDialogScript dialogs;
    if (c.answer == vbYes && c.cancelSaveAs) dialogs.Cancel();
    if (c.answer == vbYes && c.noFile && !c.cancelSaveAs) dialogs.Choose(saveAsPath, 1);
    bool goesOn = false;
    if (c.command == Command::Open) {
      if (c.goesOn) dialogs.Cancel();  // the open dialog itself
      form_->mnuOpen_Click();
      const std::vector<FileDialogRequest>& asked = dialogs.Requests();
      goesOn = !asked.empty() && asked.back().title == "Open File";
      if (goesOn) {
        EXPECT_EQ(asked.back().filters.at(0).pattern, "*.r2;*.icf;*.ic2;*.tr2");
      }
    } else if (c.command == Command::Recent) {
      form_->mnuMRU_Click(0);
      goesOn = form_->CurrentFile == other;
      EXPECT_EQ(Stored("mru1", "MRU"), path) << "the list keeps its order";
    } else {
      bool cancel = false;
      form_->Form_Unload(cancel);
      goesOn = !cancel;
      // Settings and the grid's store come before the question; tmp.dat goes after it.
      EXPECT_NE(Stored("FilePath"), "<absent>");
      EXPECT_EQ(ChannelComments[1], c.answer ? "edited" : "Calling");
      EXPECT_EQ(QFile::exists(QString::fromStdString(File("tmp.dat"))), !goesOn);
    }
    EXPECT_EQ(goesOn, c.goesOn);
    const bool saved = c.answer == vbYes && !c.cancelSaveAs;
    EXPECT_EQ(SavedWithEdit(c.noFile ? saveAsPath : path), saved);
    EXPECT_FALSE(form_->SaveCancelled);
    if (c.answer) {
      EXPECT_EQ(boxes.Calls().at(0).buttons, vbYesNoCancel | vbExclamation);
      EXPECT_EQ(boxes.Calls().at(0).title, "IC-R2 Kestrane");
    }
  }
}

// With the alternate panel shown, what it holds goes into the file that
// Save, Save As or the unsaved-changes question writes, and closing asks
// about it; a frequency still being typed is taken as leaving the box takes
// it. A panel only looked at changes no byte.
TEST_F(FilesTest, TheAlternatePanelsEditIsSaved) {
  enum class Via { Save, SaveAs, Question, Close };
  struct Case {
    const char* what;
    Via via;
    std::string typed;  // into the empty channel 4's frequency box
    bool tab;           // leave the box before the command
    const char* stored;
  };
  const Case cases[] = {
      {"save", Via::Save, "145.5", true, "145.500"},
      {"save, still in the box", Via::Save, "2000", false, "1599.995"},
      {"save as", Via::SaveAs, "145.5", true, "145.500"},
      {"the question before open", Via::Question, "145.5", false, "145.500"},
      {"closing asks", Via::Close, "145.5", true, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = OpenInNewWindow();
    ASSERT_TRUE(ShowActive(*form_));
    if (!form_->mnuAltInterface->isChecked()) form_->mnuAltInterface_Click();  // stored on
    AltRow = 4;
    form_->LoadAlt();
    form_->Text4->SetFocus();
    for (const char ch : c.typed)
      SendKey(*form_->Text4, ch == '.' ? int{Qt::Key_Period} : ch, {}, QString(QChar(ch)));
    if (c.tab) SendKey(*form_->Text4, Qt::Key_Tab);
    MsgBoxScript boxes;
    FileDialogScript dialogs;
    std::string written = path;
    if (c.via == Via::Save) form_->mnuSaveOnly_Click();
    if (c.via == Via::SaveAs) {
      written = File("as.r2");
      dialogs.Choose(written, 1);
      form_->mnuSave_Click();
    }
    if (c.via == Via::Question) {
      boxes.Answer(vbYes, "The IC-R2 data has changed.");
      dialogs.Cancel();  // the open dialog
      form_->mnuOpen_Click();
    }
    if (c.via == Via::Close) {
      boxes.Answer(vbCancel, "The IC-R2 data has changed.");
      bool cancel = false;
      form_->Form_Unload(cancel);
      EXPECT_TRUE(cancel);
    }
    EXPECT_EQ(boxes.Pending(), 0u);
    if (!c.stored) continue;
    clsICR2 image;
    ASSERT_TRUE(image.OpenFile(written));
    EXPECT_EQ(image.GetFreq(4), c.stored);
    EXPECT_EQ(image.GetTone(4), "100.0");
  }
  // Shown on each channel of the image and on an empty row, an unedited
  // panel stores nothing that Save would write differently.
  const std::string path = OpenInNewWindow();
  const std::string before = ReadAll(path);
  if (!form_->mnuAltInterface->isChecked()) form_->mnuAltInterface_Click();
  for (const int row : {1, 2, 3, 50, 401, 402, 4}) {
    AltRow = row;
    form_->LoadAlt();
    form_->mnuSaveOnly_Click();
    EXPECT_EQ(ReadAll(path), before) << row;
  }
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
    std::vector<std::string> patterns;
    for (const FileFilter& f : dialogs.Requests()[0].filters) patterns.push_back(f.pattern);
    EXPECT_EQ(patterns, (std::vector<std::string>{"*.r2", "*.icf", "*.ic2", "*.tr2", "*.*"}));
    EXPECT_EQ(FormatOfFile(written), c.format);
    EXPECT_EQ(form_->CurrentFile, written);
    EXPECT_EQ(form_->windowTitle().toStdString(), AppTitle + " - " + written);
    EXPECT_EQ(Stored("mru0", "MRU"), written);
    EXPECT_FALSE(ICR2Image.IsDataChanged());
    EXPECT_FALSE(form_->SaveCancelled);
  }
}

// The same through the toolkit's own dialog, where the file type is picked from its list.
TEST_F(FilesTest, SaveAsInTheRealDialogWritesTheChosenFileType) {
  const struct {
    int fileType;
    const char* written;
    Written format;
  } cases[] = {{1, "out1.r2", Written::R2},
               {2, "out2.icf", Written::Icf},
               {3, "out3.ic2", Written::Ic2},
               {4, "out4.tr2", Written::Tr2},
               {5, "out5.r2", Written::R2}};
  LoadAndOpen(WriteImageFile("start.r2"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    RealFileDialog user("out" + std::to_string(c.fileType), c.fileType);
    form_->mnuSave_Click();
    ASSERT_TRUE(user.Acted());
    EXPECT_EQ(user.FileTypesShown()[1], "ICOM ICF Files (*.ICF)");
    EXPECT_EQ(FormatOfFile(File(c.written)), c.format);
    EXPECT_EQ(form_->CurrentFile, File(c.written));
  }
}

TEST_F(FilesTest, ReplaceQuestion) {
  struct Case {
    const char* what;
    int answer;
    bool replaced;     // the existing file was written
    bool otherChosen;  // after No the dialog came again and another name was chosen
  };
  const Case cases[] = {{"yes replaces", vbYes, true, false},
                        {"no asks again", vbNo, false, true},
                        {"no then cancel", vbNo, false, false},
                        {"cancel", vbCancel, false, false}};
  LoadAndOpen(WriteImageFile("start.r2"));
  const std::string target = File("target.r2");
  const std::string other = File("other.r2");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteAll(target, "old");
    QFile::remove(QString::fromStdString(other));
    form_->SaveCancelled = false;
    SetGridCell(1, 9, c.what);
    MsgBoxScript boxes;
    boxes.Answer(c.answer, target + " already exists.\r\nDo you want to replace it?");
    FileDialogScript dialogs;
    dialogs.Choose(target, 1);
    if (c.answer == vbNo) c.otherChosen ? dialogs.Choose(other, 1) : dialogs.Cancel();
    form_->mnuSave_Click();
    EXPECT_EQ(boxes.Calls().at(0).title, "Save As");
    EXPECT_EQ(boxes.Calls().at(0).buttons, vbYesNoCancel | vbExclamation);
    EXPECT_EQ(ReadAll(target) != "old", c.replaced);
    EXPECT_EQ(QFile::exists(QString::fromStdString(other)), c.otherChosen);
    EXPECT_EQ(form_->SaveCancelled, !c.replaced && !c.otherChosen);
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

// An ".r2" file cut inside its comments opens its channels and says so before
// the user can save over it.
TEST_F(FilesTest, AFileWithIncompleteCommentsOpensWithAWarning) {
  const std::string path = WriteImageFile("cut.r2");
  const std::string whole = ReadAll(path);
  WriteAll(path, whole.substr(0, whole.find("Rptr 1") + 2));
  MsgBoxScript boxes;
  boxes.Answer(vbOK, "ends inside its channel comments: only 1 of the 450");
  LoadAndOpen(path);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].title, "IC-R2 Kestrane");
  EXPECT_EQ(boxes.Calls()[0].buttons, vbOKOnly | vbExclamation);
  EXPECT_EQ(GridCell(402, 1), "137.000");
  EXPECT_EQ(GridCell(1, 9), "Calling");
  EXPECT_EQ(GridCell(2, 9), "Rp");
  EXPECT_TRUE(form_->mnuSaveOnly->isEnabled());
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
