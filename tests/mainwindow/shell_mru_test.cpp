// The list of recently used files: its order in the store and its items in
// the File menu.

#include <QAction>

#include "platform/Settings.h"
#include "shell_support.h"

namespace shell_test {
namespace {

using List = std::array<std::string, 5>;

class MruTest : public ShellTest {
 protected:
  void Store(const List& list) {
    for (int i = 0; i < 5; ++i) SaveSetting("IC-R2", "MRU", "mru" + std::to_string(i), list[i]);
  }
  List Read() const {
    List list;
    for (int i = 0; i < 5; ++i) list[i] = GetSetting("IC-R2", "MRU", "mru" + std::to_string(i));
    return list;
  }
};

TEST_F(MruTest, AddToMRUOrder) {
  struct Case {
    const char* what;
    List before;
    std::string added;
    List after;
  };
  const Case cases[] = {
      {"into an empty list", {"", "", "", "", ""}, "/d/a.r2", {"/d/a.r2", "", "", "", ""}},
      {"a case-only match at position 2 moves up with the new case",
       {"/d/a.r2", "/d/b.r2", "/d/C.r2", "/d/d.r2", "/d/e.r2"},
       "/D/c.R2",
       {"/D/c.R2", "/d/a.r2", "/d/b.r2", "/d/d.r2", "/d/e.r2"}},
      {"already first: only its case is rewritten",
       {"/d/a.r2", "/d/b.r2", "", "", ""},
       "/d/A.r2",
       {"/d/A.r2", "/d/b.r2", "", "", ""}},
      {"a sixth path pushes the oldest out",
       {"/1.r2", "/2.r2", "/3.r2", "/4.r2", "/5.r2"},
       "/6.r2",
       {"/6.r2", "/1.r2", "/2.r2", "/3.r2", "/4.r2"}},
      {"with two matches the one further down counts",
       {"/x.r2", "/a.r2", "/X.r2", "/b.r2", "/c.r2"},
       "/x.R2",
       {"/x.R2", "/x.r2", "/a.r2", "/b.r2", "/c.r2"}},
      {"a match at the end moves everything above it",
       {"/1.r2", "/2.r2", "/3.r2", "/4.r2", "/5.r2"},
       "/5.r2",
       {"/5.r2", "/1.r2", "/2.r2", "/3.r2", "/4.r2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Store(c.before);
    form_->AddToMRU(c.added);
    EXPECT_EQ(Read(), c.after);
  }
}

TEST_F(MruTest, MenuItemsFollowTheStore) {
  struct Case {
    const char* what;
    List stored;
    std::array<const char*, 5> captions;  // nullptr: hidden
    bool separator;
  };
  const Case cases[] = {
      {"empty", {"", "", "", "", ""}, {nullptr, nullptr, nullptr, nullptr, nullptr}, false},
      {"a gap keeps the numbers",
       {"/home/u/a.r2", "", "/home/u/c.icf", "", ""},
       {"&1 a.r2", nullptr, "&3 c.icf", nullptr, nullptr},
       true},
      {"a path without a folder shows whole, a Windows path by its name",
       {"plain.r2", "C:\\radio\\scan.tr2", "", "", "/x/R&D.ic2"},
       {"&1 plain.r2", "&2 scan.tr2", nullptr, nullptr, "&5 R&&D.ic2"},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Store(c.stored);
    form_->LoadMRU();
    for (int i = 0; i < 5; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(form_->mnuMRU[i]->isVisible(), c.captions[i] != nullptr);
      if (c.captions[i]) {
        EXPECT_EQ(form_->mnuMRU[i]->text().toStdString(), c.captions[i]);
      }
    }
    EXPECT_EQ(form_->mnuMRUSep->isVisible(), c.separator);
  }
}

TEST_F(MruTest, AMissingRecentFile) {
  const std::string missing = File("gone.r2");
  Store({missing, "", "", "", ""});
  form_->Form_Load();
  {
    MsgBoxScript boxes;
    boxes.Answer(vbNo, missing + "\r\nThis file does not exist.\r\nSelect another?");
    form_->mnuMRU_Click(0);
    EXPECT_EQ(boxes.Calls().at(0).buttons, vbYesNo | vbExclamation);
  }
  {
    // Yes runs File > Open.
    const std::string other = WriteImageFile("other.r2");
    MsgBoxScript boxes;
    boxes.Answer(vbYes, "This file does not exist.");
    FileDialogScript dialogs;
    dialogs.Choose(other);
    form_->mnuMRU_Click(0);
    EXPECT_EQ(dialogs.Requests().at(0).title, "Open File");
    EXPECT_EQ(form_->CurrentFile, other);
  }
  // The entry stays in the list.
  EXPECT_EQ(Read()[1], missing);
}

TEST_F(MruTest, ARecentFileOpensWithoutReordering) {
  const std::string a = WriteImageFile("a.r2");
  const std::string b = WriteImageFile("b.tr2");
  Store({a, "  " + b + " ", "", "", ""});
  form_->Form_Load();
  form_->mnuMRU_Click(1);
  EXPECT_EQ(form_->CurrentFile, b);
  EXPECT_EQ(GridCell(1, 1), "146.520");
  EXPECT_TRUE(form_->mnuSave->isEnabled());
  EXPECT_EQ(Read()[0], a);
}

}  // namespace
}  // namespace shell_test
