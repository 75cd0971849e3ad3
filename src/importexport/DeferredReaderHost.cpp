#include "importexport/DeferredReaderHost.h"

void DeferredReaderHost::initgrid() {
  steps_.push_back([this] { window_.initgrid(); });
}

void DeferredReaderHost::SetGridVisible(bool visible) {
  steps_.push_back([this, visible] { window_.SetGridVisible(visible); });
}

void DeferredReaderHost::SetCaption(const std::string& caption) {
  steps_.push_back([this, caption] { window_.SetCaption(caption); });
}

void DeferredReaderHost::SetRdfFilePath(const std::string& path) {
  steps_.push_back([this, path] { window_.SetRdfFilePath(path); });
}

void DeferredReaderHost::AddToMRU(const std::string& path) {
  steps_.push_back([this, path] { window_.AddToMRU(path); });
}

void DeferredReaderHost::Apply() {
  for (const auto& step : steps_) step();
  steps_.clear();
}
