// What the other radios' image readers reach of the main window.

#include <QAction>

#include "mainwindow/Form1ReaderHost.h"
#include "mainwindow/Globals.h"
#include "platform/MSFlexGrid.h"
#include "platform/Settings.h"
#include "shell_support.h"

namespace shell_test {
namespace {

using ReaderHostTest = ShellTest;

TEST_F(ReaderHostTest, TheRdfLoaderResetsTheWindow) {
  LoadAndOpen(WriteImageFile("a.r2"));
  Form1ReaderHost host(*form_);
  EXPECT_EQ(host.GridCellText(2, 5), "-DUP");
  EXPECT_EQ(host.GridCellText(0, 1), "Freq");

  host.SetGridVisible(false);
  EXPECT_FALSE(form_->MSFlexGrid1->Visible());
  host.initgrid();  // shows it again
  EXPECT_TRUE(form_->MSFlexGrid1->Visible());
  EXPECT_EQ(host.GridCellText(2, 5), "");
  EXPECT_EQ(host.GridCellText(2, 0), "0-01");

  const std::string rdf = File("radio.rdf");
  host.SetCaption(host.AppTitle() + " - " + rdf);
  host.SetRdfFilePath(rdf);
  host.AddToMRU(rdf);
  EXPECT_EQ(form_->windowTitle().toStdString(), "IC-R2 Kestrane v1.0.0 (Beta) - " + rdf);
  EXPECT_EQ(RdfFilePath, rdf);
  EXPECT_EQ(Stored("mru0", "MRU"), rdf);
  EXPECT_EQ(form_->mnuMRU[0]->text().toStdString(), "&1 radio.rdf");
}

}  // namespace
}  // namespace shell_test
