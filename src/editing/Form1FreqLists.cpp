// Memories > Insert Frequency List: the lists are CSV files in the folder
// "CSV" beside the program; the menu offers the first ten, and choosing one
// opens room for its channels at the selection and writes them there.

#include <QAction>
#include <QDir>
#include <QMenu>
#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/Undo.h"
#include "image/TextFile.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Form1Shared.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/Runtime.h"

namespace {

constexpr int kListSlots = 10;
const QString kListFolder = QStringLiteral("CSV");
const QString kListExtension = QStringLiteral(".csv");

QDir ListFolder() { return QDir(QString::fromStdString(AppPath())).filePath(kListFolder); }

// The list's header and data lines: up to the end of the file or the first
// line that is blank. Line ends are CR LF, LF or CR alone, as lists written
// on other systems have them.
TextFileLines ReadListLines(const std::string& path) {
  TextFileLines file = ReadTextFileLines(path);
  const auto blank =
      std::find_if(file.lines.begin(), file.lines.end(),
                   [](const std::string& line) { return TrimBlanksText(line).empty(); });
  file.lines.erase(blank, file.lines.end());
  return file;
}

// The file of the list the menu named `name`. The menu shows "Air" and "air"
// for Air.csv and air.csv, so the name as it stands is looked for first, with
// ".csv" in any case; a name in another case after that, as Windows matches
// file names.
QString ListFile(const QDir& folder, const QString& name) {
  const QString wanted = name + kListExtension;
  const QStringList files = folder.entryList(QDir::Files, QDir::Name);
  const std::function<bool(const QString&)> tries[] = {
      [&](const QString& file) { return file == wanted; },
      [&](const QString& file) {
        return file.startsWith(name) && file.compare(wanted, Qt::CaseInsensitive) == 0;
      },
      [&](const QString& file) { return file.compare(wanted, Qt::CaseInsensitive) == 0; },
  };
  for (const auto& matches : tries) {
    for (const QString& file : files)
      if (matches(file)) return folder.filePath(file);
  }
  return {};
}

// Fields 0, 1, 2 ... of a data line, cut at every comma.
std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  for (;;) {
    const std::size_t comma = line.find(',');
    fields.emplace_back(line.substr(0, comma));
    if (comma == std::string_view::npos) return fields;
    line.remove_prefix(comma + 1);
  }
}

}  // namespace

void Form1::mnuMemories_Click() {
  // Only ".csv" files are lists: another file in the folder would be offered
  // under a cut name and then do nothing.
  QStringList names;
  const QDir folder = ListFolder();
  if (folder.exists()) {
    for (const QString& file : folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
      if (file.size() > kListExtension.size() && file.endsWith(kListExtension, Qt::CaseInsensitive))
        names << file.left(file.size() - kListExtension.size());
      if (names.size() == kListSlots) break;
    }
  }
  mnuInsertFreqList->menuAction()->setEnabled(!names.isEmpty());
  for (int k = 0; k < kListSlots; ++k) {
    QAction* item = mnuInsertN[k];
    const bool shown = k < names.size();
    item->setVisible(shown);
    item->setData(shown ? names[k] : QString());
    // A "&" in a list name is shown, not taken as a keyboard accelerator.
    item->setText(shown ? QString(names[k]).replace('&', QStringLiteral("&&")) : QString());
  }
}

void Form1::InsertList(const std::string& ListNum) {
  HideEditors();
  MSFlexGrid& grid = *MSFlexGrid1;
  // One snapshot for the whole command, the rows the insert pushes out
  // included.
  UndoCommand undo(grid);
  const QString path = ListFile(ListFolder(), QString::fromStdString(ListNum));
  if (path.isEmpty()) return;
  const TextFileLines list = ReadListLines(path.toStdString());
  if (!list.ok) {
    MsgBox(ToMessageText(list.error), vbOKOnly | vbExclamation, kMsgTitle);
    return;
  }
  const std::vector<std::string>& lines = list.lines;
  if (lines.size() < 2) return;

  int count = static_cast<int>(lines.size()) - 1;
  // The user may refuse to lose the channels the insert would push out of
  // the banks: then nothing is written over the rows that are there.
  if (!InsertRows(count)) return;
  const int first = SelStartRow;
  if (first < 1 || first > LastBankRow) return;
  const int last = std::min(first + count - 1, static_cast<int>(LastBankRow));

  for (int row = first; row <= last; ++row) {
    const std::vector<std::string> fields = Fields(lines[row - first + 1]);
    const int available = std::min(static_cast<int>(fields.size()), static_cast<int>(kGridCols));
    for (int c = ColFreq; c < available; ++c) grid.SetTextMatrix(row, c, fields[c]);
  }
  grid.SetRow(std::min(last + 1, grid.Rows() - 1));
  grid.SetCol(ColFreq);
  RefreshAltPanel();
}
