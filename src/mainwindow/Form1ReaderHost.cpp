#include "mainwindow/Form1ReaderHost.h"

#include <QString>

#include "mainwindow/Form1.h"
#include "mainwindow/Globals.h"
#include "platform/MSFlexGrid.h"

// The readers' contract: the grid ends rebuilt and shown (the ".rdf" loader
// hides it first and counts on this to bring it back).
void Form1ReaderHost::initgrid() {
  form_.initgrid();
  form_.MSFlexGrid1->SetVisible(true);
}

void Form1ReaderHost::SetGridVisible(bool visible) { form_.MSFlexGrid1->SetVisible(visible); }

std::string Form1ReaderHost::AppTitle() const { return ::AppTitle; }

void Form1ReaderHost::SetCaption(const std::string& caption) {
  form_.setWindowTitle(QString::fromStdString(caption));
}

void Form1ReaderHost::SetRdfFilePath(const std::string& path) { RdfFilePath = path; }

void Form1ReaderHost::AddToMRU(const std::string& path) { form_.AddToMRU(path); }

std::string Form1ReaderHost::GridCellText(int row, int col) const {
  return form_.MSFlexGrid1->TextMatrix(row, col);
}
