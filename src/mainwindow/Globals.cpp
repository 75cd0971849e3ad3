#include "mainwindow/Globals.h"

#include "platform/Runtime.h"

std::int32_t CancelRequested = 0;
int AltRow = 1;
int ImportStartRow = 0;
std::string AppTitle;
std::string RdfFilePath;
std::vector<CopyRecord> CopyBuffer(1);
std::vector<CopyRecord> CutBuffer(1);

std::string BuildAppTitle() {
  const AppVersion v = AppVersionNumbers();
  return "IC-R2 Kestrane v" + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
         std::to_string(v.revision) + " (Beta)";
}
