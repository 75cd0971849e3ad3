#include "platform/Settings.h"

#include <QSettings>
#include <memory>

namespace {

std::string& OverridePath() {
  static std::string path;
  return path;
}

std::unique_ptr<QSettings> Open(const std::string& app) {
  if (!OverridePath().empty()) {
    return std::make_unique<QSettings>(QString::fromStdString(OverridePath()),
                                       QSettings::IniFormat);
  }
  const QString name = QString::fromStdString(app);
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, name, name);
}

// Keys live as "section/key"; a slash inside a name would open a sub-group.
QString KeyOf(const std::string& section, const std::string& key) {
  QString s = QString::fromStdString(section);
  QString k = QString::fromStdString(key);
  s.replace('/', '_');
  k.replace('/', '_');
  return s + '/' + k;
}

}  // namespace

std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& defaultValue) {
  auto store = Open(app);
  const QVariant v = store->value(KeyOf(section, key));
  if (!v.isValid()) return defaultValue;
  return v.toString().toStdString();
}

void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                 const std::string& value) {
  auto store = Open(app);
  store->setValue(KeyOf(section, key), QString::fromStdString(value));
  store->sync();
}

void DeleteSetting(const std::string& app, const std::string& section, const std::string& key) {
  auto store = Open(app);
  store->remove(KeyOf(section, key));
  store->sync();
}

void SetSettingsFile(const std::string& path) { OverridePath() = path; }
