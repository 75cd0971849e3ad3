// Transfer > Read from IC-R2 and Write To IC-R2, end to end against the
// simulated receiver.

#include <gtest/gtest.h>

#include <QAction>

#include "clone/CloneRig_support.h"
#include "platform/VbTextBox.h"

namespace {

using Fault = ReceiverSim::Fault;

const std::string kQuery{"\xFE\xFE\xEE\xEF\xE0\x21\x27\x00\x00\xFD", 10};

// The window's nothing-loaded state: nothing to save or write back.
void ExpectNothingLoaded(const CloneRig& rig) {
  EXPECT_FALSE(ICR2Image.IsFileLoaded());
  EXPECT_EQ(ICR2Image.GetArry(), ImageBytes{});
  EXPECT_TRUE(rig.GridEmpty());
  EXPECT_FALSE(rig.form.mnuWrite->isEnabled());
  EXPECT_FALSE(rig.form.mnuSaveOnly->isEnabled());
  EXPECT_FALSE(rig.form.mnuSave->isEnabled());
  EXPECT_TRUE(rig.form.mnuRead->isEnabled());
  EXPECT_TRUE(rig.PortClosed());
  EXPECT_FALSE(frmProgress::IsLoaded());
  EXPECT_EQ(CancelRequested, 0);
}

// Puts an image into the window as if a file had been opened, the way the
// grid will give it back on the next store.
ImageBytes LoadIntoWindow(CloneRig& rig, const ReceiverSim::Image& image) {
  ICR2Image.ParseFile(ReceiverSim::DownloadStream(image));
  rig.form.FillGrid();
  rig.form.Savegrid();
  ICR2Image.SetChecksum();
  rig.form.EnableGUI();
  return ICR2Image.GetArry();
}

// ---- download ------------------------------------------------------------------

// Streams that give the whole image, also when they come late or pause, and
// from another model, which is read with its own model bytes.
TEST(Download, ARandomImageArrivesWhole) {
  const struct {
    Fault fault;
    ReceiverSim::ModelBytes model;
    const char* modelId;
    const char* what;
  } cases[] = {
      {Fault::None, {0x21, 0x27, 0x00, 0x00}, "21270000", "a clean stream"},
      {Fault::LateEnd, {0x21, 0x27, 0x00, 0x00}, "21270000", "last bytes 300 ms after the count"},
      {Fault::NoEndFrame,
       {0x21, 0x27, 0x00, 0x00},
       "21270000",
       "no end frame: the wait is bounded"},
      {Fault::Stall, {0x21, 0x27, 0x00, 0x00}, "21270000", "a pause in the middle"},
      {Fault::None, {0x12, 0x34, 0x00, 0x00}, "12340000", "another model"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CloneRig rig;
    const ReceiverSim::Image image = RandomImage(1);
    rig.sim.SetImage(image);
    rig.sim.SetModel(c.model);
    rig.sim.SetFault(c.fault, 120);
    rig.onEvents = [&rig] {
      if (rig.sim.Stalled()) rig.sim.Resume();
    };
    rig.form.CurrentFile = "/tmp/earlier.r2";
    rig.form.mnuRead_Click();

    EXPECT_TRUE(rig.boxes.Calls().empty());
    EXPECT_EQ(ICR2Image.GetArry(), image);
    EXPECT_FALSE(ICR2Image.IsDataChanged());
    EXPECT_EQ(RadioModelID, c.modelId);
    // The request follows the query and carries the receiver's model bytes.
    const std::string request = std::string("\xFE\xFE\xEE\xEF\xE2", 5) +
                                std::string(c.model.begin(), c.model.end()) + "\xFD";
    EXPECT_EQ(rig.sim.Received(), kQuery + request);
    EXPECT_TRUE(rig.sim.ProtocolErrors().empty());
    // A later Save must ask for a name rather than overwrite the earlier file.
    EXPECT_EQ(rig.form.CurrentFile, "");
    EXPECT_TRUE(rig.form.mnuWrite->isEnabled());
    EXPECT_TRUE(rig.form.mnuSaveOnly->isEnabled());
    EXPECT_FALSE(rig.GridEmpty());
    EXPECT_TRUE(rig.PortClosed());
    EXPECT_FALSE(frmProgress::IsLoaded());
    EXPECT_EQ(rig.highestPercent, 100);
    EXPECT_EQ(rig.lastProgressText, "Reading from IC-R2: 100% complete...");
  }
}

TEST(Download, NoResponseOrADamagedStreamLeavesNothingLoaded) {
  const struct {
    Fault fault;
    int frame;
    const char* what;
  } cases[] = {
      {Fault::Silent, 0, "no response"},
      {Fault::DropFrame, 40, "a block missing"},
      {Fault::DropFrame, 251, "the last block missing"},
      {Fault::RepeatFrame, 17, "a block twice"},
      {Fault::RepeatFrame, 251, "the last block twice"},
      {Fault::CorruptFrame, 0, "a data digit changed"},
      {Fault::BadChecksum, 200, "a wrong checksum"},
      {Fault::StopEarly, 100, "the receiver stops after 100 blocks"},
      {Fault::StopEarly, 0, "end frame and no data"},
      {Fault::CutLastFrame, 0, "the last block cut short"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CloneRig rig;
    // A loaded window first: the damaged read must not leave any of it.
    LoadIntoWindow(rig, RandomImage(3));
    ASSERT_TRUE(rig.form.mnuWrite->isEnabled());
    rig.sim.SetImage(RandomImage(4));
    rig.sim.SetFault(c.fault, c.frame);
    rig.boxes.Answer(vbOK);
    rig.form.mnuRead_Click();
    ASSERT_EQ(rig.boxes.Calls().size(), 1u);
    EXPECT_EQ(rig.boxes.Calls()[0].prompt, c.fault == Fault::Silent
                                               ? "No response from IC-R2."
                                               : "Incomplete or corrupt data from IC-R2.");
    EXPECT_EQ(rig.boxes.Calls()[0].Icon(), vbExclamation);
    EXPECT_EQ(rig.boxes.Calls()[0].title, "IC-R2 Kestrane");
    ExpectNothingLoaded(rig);
  }
}

TEST(Download, CancelMidTransferLeavesNothingLoaded) {
  CloneRig rig;
  LoadIntoWindow(rig, RandomImage(5));
  rig.sim.SetImage(RandomImage(6));
  rig.sim.SetFault(Fault::Stall, 90);
  // Cancel once the 90 blocks before the stall are in (35%).
  rig.cancelWhen = [&] { return rig.sim.Stalled() && rig.highestPercent >= 35; };
  rig.form.mnuRead_Click();
  EXPECT_TRUE(rig.boxes.Calls().empty());
  EXPECT_EQ(rig.highestPercent, 35);
  EXPECT_EQ(rig.lastProgressText, "Reading from IC-R2: 35% complete...");
  ExpectNothingLoaded(rig);
  rig.sim.Resume();
}

TEST(Download, UnsavedChangesQuestionComesFirst) {
  const struct {
    int answer;
    bool reads;
  } cases[] = {{vbCancel, false}, {vbNo, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    CloneRig rig;
    const ImageBytes loaded = LoadIntoWindow(rig, RandomImage(8));
    rig.form.MSFlexGrid1->SetTextMatrix(1, 9, "edited");
    const std::string grid = rig.GridText();
    rig.sim.SetImage(RandomImage(9));
    rig.boxes.Answer(c.answer, "data has changed");
    rig.form.mnuRead_Click();
    if (c.reads) {
      EXPECT_EQ(ICR2Image.GetArry(), RandomImage(9));
    } else {
      EXPECT_TRUE(rig.sim.Received().empty());
      EXPECT_EQ(ICR2Image.GetArry(), loaded);
      EXPECT_EQ(rig.GridText(), grid);
      EXPECT_TRUE(rig.form.mnuWrite->isEnabled());
    }
  }
}

// ---- upload --------------------------------------------------------------------

TEST(Upload, TheReceiverTakesEveryFrameOfTheImageWithTheGridsEdits) {
  CloneRig rig;
  LoadIntoWindow(rig, RandomImage(11));
  rig.form.MSFlexGrid1->SetTextMatrix(3, 1, "");  // channel 3 emptied in the grid
  rig.form.mnuAltInterface_Click();  // and channel 5 edited in the panel, not yet stored
  AltRow = 5;
  rig.form.LoadAlt();
  rig.form.Text4->SetText("146.52");
  rig.form.mnuWrite_Click();

  EXPECT_TRUE(rig.boxes.Calls().empty());
  ASSERT_TRUE(ReceiverSim::WaitFor([&] { return rig.sim.LastUpload().ended; }, 5));
  const ReceiverSim::Upload upload = rig.sim.LastUpload();
  EXPECT_TRUE(upload.started);
  EXPECT_EQ(upload.frames, 252);
  EXPECT_TRUE(upload.errors.empty()) << upload.errors.front();
  const ImageBytes image = ICR2Image.GetArry();
  EXPECT_EQ(upload.image, std::vector<std::uint8_t>(image.begin(), image.end()));
  ASSERT_EQ(upload.image.size(), 4032u);
  EXPECT_EQ(std::vector<std::uint8_t>(upload.image.begin() + 16, upload.image.begin() + 24),
            std::vector<std::uint8_t>(8, 0xFF));
  EXPECT_EQ(ICR2Image.GetFreq(5), "146.520");
  EXPECT_EQ(rig.sim.Received().size(), 10u + 11617u);
  EXPECT_TRUE(rig.PortClosed());
  EXPECT_FALSE(frmProgress::IsLoaded());
  EXPECT_EQ(rig.highestPercent, 100);
  EXPECT_EQ(rig.lastProgressText, "Writing to IC-R2: 100% complete...");
}

TEST(Upload, CancelStopsTheStream) {
  CloneRig rig;
  LoadIntoWindow(rig, RandomImage(13));
  rig.cancelWhen = [&] { return rig.eventSteps > 3000; };
  rig.form.mnuWrite_Click();
  EXPECT_TRUE(rig.boxes.Calls().empty());
  EXPECT_EQ(CancelRequested, 0);
  EXPECT_FALSE(frmProgress::IsLoaded());
  EXPECT_TRUE(rig.PortClosed());
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(rig.sim.LastUpload().ended);
  EXPECT_LT(rig.sim.Received().size(), 10u + 11617u);
  EXPECT_LE(rig.highestPercent, 100);
  // The line is free again for the next command.
  rig.boxes.Answer(vbOK, "Response Received");
  rig.form.mnuTestComms_Click();
}

TEST(Upload, AnotherModelIsWrittenOnlyWhenTheUserSaysYes) {
  for (int answer : {vbNo, vbYes}) {
    SCOPED_TRACE(answer);
    CloneRig rig;
    rig.sim.SetModel({0x12, 0x34, 0x00, 0x00});
    LoadIntoWindow(rig, RandomImage(14));
    rig.boxes.Answer(answer, "12340000");
    rig.form.mnuWrite_Click();
    ASSERT_EQ(rig.boxes.Calls().size(), 1u);
    const MsgBoxCall& box = rig.boxes.Calls()[0];
    EXPECT_EQ(box.ButtonSet(), vbYesNo);
    EXPECT_EQ(box.Icon(), vbExclamation);
    EXPECT_EQ(box.DefaultButton(), vbDefaultButton2);
    EXPECT_TRUE(rig.PortClosed());
    if (answer == vbNo) {
      EXPECT_EQ(rig.sim.Received(), kQuery);
      EXPECT_FALSE(rig.sim.LastUpload().started);
    } else {
      // The write start carries the receiver's own model bytes.
      ASSERT_TRUE(ReceiverSim::WaitFor([&] { return rig.sim.LastUpload().ended; }, 5));
      EXPECT_TRUE(rig.sim.LastUpload().errors.empty());
      EXPECT_EQ(rig.sim.Received().substr(10, 10),
                std::string("\xFE\xFE\xEE\xEF\xE3\x12\x34\x00\x00\xFD", 10));
    }
  }
}

TEST(Upload, NothingLoadedIsNotWritten) {
  CloneRig rig;
  rig.boxes.Answer(vbOK, "There is no IC-R2 image to write.");
  rig.form.mnuWrite_Click();
  EXPECT_TRUE(rig.sim.Received().empty());
}

}  // namespace
