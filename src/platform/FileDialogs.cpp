#include "platform/FileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace {

FileDialogHandler& Handler() {
  static FileDialogHandler handler;
  return handler;
}

// "R2 Files (*.R2)" + "*.r2;*.ic2" -> "R2 Files (*.R2) (*.r2 *.ic2)" as Qt
// wants it: Qt takes the last parenthesised group as the patterns and, with
// the details hidden, shows the rest, which is the label as given. Patterns
// match without regard to case, as they do on the receiver's home platform.
QString QtFilter(const FileFilter& f) {
  QStringList patterns;
  for (const QString& p : QString::fromStdString(f.pattern).split(';', Qt::SkipEmptyParts)) {
    const QString t = p.trimmed();
    patterns << (t == "*.*" ? QStringLiteral("*") : t);
  }
  return QString::fromStdString(f.label) + " (" + patterns.join(' ') + ")";
}

// The 1-based number of the filter the dialog reports, 0 for none. Some Qt
// versions report the whole filter, others only the label shown.
int FilterNumber(const std::vector<FileFilter>& filters, const QStringList& qtFilters,
                 const QString& selected) {
  for (int i = 0; i < static_cast<int>(filters.size()); ++i) {
    if (selected == qtFilters[i] || selected == QString::fromStdString(filters[i].label))
      return i + 1;
  }
  return 0;
}

FileDialogResult RunQtDialog(const FileDialogRequest& req) {
  QFileDialog dlg(QApplication::activeWindow(), QString::fromStdString(req.title),
                  QString::fromStdString(req.initialDir));
  dlg.setOption(QFileDialog::DontUseNativeDialog, false);
  dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
  dlg.setOption(QFileDialog::ReadOnly, false);
  dlg.setAcceptMode(req.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(req.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QStringList filters;
  for (const FileFilter& f : req.filters) filters << QtFilter(f);
  dlg.setNameFilters(filters);
  dlg.setOption(QFileDialog::HideNameFilterDetails, true);
  if (req.filterIndex >= 1 && req.filterIndex <= filters.size()) {
    dlg.selectNameFilter(filters[req.filterIndex - 1]);
  }
  if (!req.defaultName.empty()) dlg.selectFile(QString::fromStdString(req.defaultName));

  FileDialogResult result;
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return result;
  result.ok = true;
  result.path = dlg.selectedFiles().first().toStdString();
  result.filterIndex = FilterNumber(req.filters, filters, dlg.selectedNameFilter());
  if (result.filterIndex < 1) result.filterIndex = req.filterIndex;
  return result;
}

FileDialogResult Run(FileDialogRequest req) {
  req.initialDir = CurDir();
  FileDialogResult result = Handler() ? Handler()(req) : RunQtDialog(req);
  if (result.ok && !result.path.empty()) {
    const QString folder = QFileInfo(QString::fromStdString(result.path)).absolutePath();
    QDir::setCurrent(folder);
  }
  return result;
}

}  // namespace

FileDialogResult GetOpenFileName(const std::string& title, const std::vector<FileFilter>& filters,
                                 int filterIndex) {
  FileDialogRequest req;
  req.save = false;
  req.title = title;
  req.filters = filters;
  req.filterIndex = filterIndex;
  return Run(std::move(req));
}

FileDialogResult GetSaveFileName(const std::string& title, const std::vector<FileFilter>& filters,
                                 int filterIndex, const std::string& defaultName) {
  FileDialogRequest req;
  req.save = true;
  req.title = title;
  req.filters = filters;
  req.filterIndex = filterIndex;
  req.defaultName = defaultName;
  return Run(std::move(req));
}

void SetFileDialogHandler(FileDialogHandler handler) { Handler() = std::move(handler); }

std::string CurDir() { return QDir::currentPath().toStdString(); }

bool ChDir(const std::string& folder) { return QDir::setCurrent(QString::fromStdString(folder)); }
