#include "platform/Runtime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#ifndef KESTRANE_VERSION_MAJOR
#define KESTRANE_VERSION_MAJOR 0
#define KESTRANE_VERSION_MINOR 0
#define KESTRANE_VERSION_PATCH 0
#endif

namespace {

std::function<void()>& DoEventsHook() {
  static std::function<void()> hook;
  return hook;
}

std::function<double()>& TimerHook() {
  static std::function<double()> hook;
  return hook;
}

std::string& AppPathOverride() {
  static std::string path;
  return path;
}

}  // namespace

void DoEvents() {
  if (DoEventsHook()) {
    DoEventsHook()();
    return;
  }
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void SetDoEventsHandler(std::function<void()> handler) { DoEventsHook() = std::move(handler); }

double Timer() {
  if (TimerHook()) return TimerHook()();
  static QElapsedTimer clock = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

void SetTimerSource(std::function<double()> source) { TimerHook() = std::move(source); }

void SleepMs(int milliseconds) {
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

std::string AppPath() {
  if (!AppPathOverride().empty()) return AppPathOverride();
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath().toStdString();
  return ".";
}

void SetAppPath(const std::string& folder) {
  std::string f = folder;
  while (f.size() > 1 && (f.back() == '/' || f.back() == '\\')) f.pop_back();
  AppPathOverride() = f;
}

AppVersion AppVersionNumbers() {
  return {KESTRANE_VERSION_MAJOR, KESTRANE_VERSION_MINOR, KESTRANE_VERSION_PATCH};
}
