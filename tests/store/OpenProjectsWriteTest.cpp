#include "store/CBriselDocument.h"

#include "store/WriteFixture.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;
using BrisTest::BytesOutsideReferenceBlocks;
using BrisTest::FileNamesIn;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;

// Two open projects, A and B, where B's patch 2 was pasted from A's patch 2 ("Bass") and still
// names A's file; both have unsaved changes.
class OpenProjectsWriteTest : public BrisTest::WriteTestBase {
protected:
  void SetUp() override {
    WriteTestBase::SetUp();
    mProjectA = ProjectBuilder(mTemp.Path(), "A")
                    .Patch(1, PatchFile("Lead").Part(0, 1).FillSeed(301))
                    .Patch(2, PatchFile("Bass").Part(0, 1).FillSeed(302))
                    .Tone(1, BrisTest::ToneFile("T1"))
                    .Write();
    mProjectB = ProjectBuilder(mTemp.Path(), "B").Patch(1, PatchFile("Pad").FillSeed(303)).Write();
    mBassBytes = BytesOutsideReferenceBlocks(mProjectA + "Patch/002 Bass.d00");
    ASSERT_TRUE(BrisTest::OpenProject(*mA, mProjectA));
    ASSERT_TRUE(BrisTest::OpenProject(mB, mProjectB));
    mB.GetZelData().mPatches.ReplaceAt(1, PatchA(2)->Clone());
  }

  Bris::CPatch* PatchA(int patchNumber) { return mA->GetZelData().mPatches.Get(patchNumber - 1); }
  Bris::CPatch* PatchB(int patchNumber) { return mB.GetZelData().mPatches.Get(patchNumber - 1); }
  void CloseA() {
    mRegisteredA.reset();
    mA.reset();
  }
  // B's patch 2 names a file in the work folder that holds Bass; once B saves, its own folder does.
  void ExpectBassShelteredForBThenSavedIntoB() {
    const std::string sheltered = PatchB(2)->GetFilePath();
    EXPECT_EQ(sheltered.rfind(WorkFolder(), 0), 0u) << sheltered;
    EXPECT_EQ(BytesOutsideReferenceBlocks(sheltered), mBassBytes);
    ASSERT_TRUE(mB.IsWritePossible());
    ASSERT_TRUE(mB.WriteDocument(false));
    EXPECT_EQ(BytesOutsideReferenceBlocks(mProjectB + "Patch/002 Bass.d00"), mBassBytes);
  }

  std::string mProjectA;
  std::string mProjectB;
  std::vector<unsigned char> mBassBytes;
  std::unique_ptr<BrisTest::FaultyDocument> mA = std::make_unique<BrisTest::FaultyDocument>();
  BrisTest::FaultyDocument mB;
  BrisTest::RegisteredDocument mRegisteredB{mB};
  std::unique_ptr<BrisTest::RegisteredDocument> mRegisteredA =
      std::make_unique<BrisTest::RegisteredDocument>(*mA);
};

TEST_F(OpenProjectsWriteTest, ASavesWithTheSlotReplaced_SheltersTheFileAndRedirectsB) {
  mA->GetZelData().mPatches.ReplaceAt(1, PatchA(1)->Clone());
  ASSERT_TRUE(mA->WriteDocument(false));
  EXPECT_EQ(FileNamesIn(mProjectA + "Patch"),
            (std::vector<std::string>{"001 Lead.d00", "002 Lead.d00"}));
  ExpectBassShelteredForBThenSavedIntoB();
}

TEST_F(OpenProjectsWriteTest, ASavesWithTheSlotDeleted_SheltersTheFileAndRedirectsB) {
  PatchA(2)->Initialize();
  ASSERT_TRUE(mA->WriteDocument(false));
  EXPECT_FALSE(fs::exists(mProjectA + "Patch/002 Bass.d00"));
  ExpectBassShelteredForBThenSavedIntoB();
}

TEST_F(OpenProjectsWriteTest, AFailedAfterRenamingTheSlot_ItsNextSaveKeepsTheFileThatBNames) {
  // GIVEN A renamed Bass (B's patch 2 follows the rename), then failed on a later copy
  PatchA(2)->SetFinalName("Bass2", false);
  mA->GetZelData().mPatches.ReplaceAt(2, PatchA(1)->Clone());
  mA->mFailWhen = [this](const std::string& to) { return to == mProjectA + "Patch/003 Lead.d00"; };
  ASSERT_FALSE(mA->WriteDocument(false));
  const std::string renamed = mProjectA + "Patch/002 Bass2.d00";
  ASSERT_EQ(PatchB(2)->GetFilePath(), renamed);

  // WHEN A's patch 2 is deleted and A saved again
  mA->mFailWhen = nullptr;
  PatchA(2)->Initialize();
  ASSERT_TRUE(mA->WriteDocument(false));

  // THEN the renamed file, which only B still names, is kept for B
  EXPECT_TRUE(fs::exists(renamed));
  EXPECT_EQ(BytesOutsideReferenceBlocks(renamed), mBassBytes);
  ASSERT_TRUE(mB.IsWritePossible());
  ASSERT_TRUE(mB.WriteDocument(false));
  EXPECT_EQ(BytesOutsideReferenceBlocks(mProjectB + "Patch/002 Bass.d00"), mBassBytes);
}

TEST_F(OpenProjectsWriteTest, AClosedWhileBIsUnsaved_SheltersTheFileForB) {
  CloseA();
  fs::remove_all(mProjectA); // whatever happens to A's folder afterwards
  ExpectBassShelteredForBThenSavedIntoB();
}

TEST_F(OpenProjectsWriteTest, AClosedWhenNoUnsavedProjectNamesItsFiles_CopiesNothing) {
  mRegisteredB.SetModified(false); // B's paste is not looked at: B would have to be saved first
  CloseA();
  EXPECT_TRUE(FileNamesIn(WorkFolder()).empty());
  EXPECT_EQ(PatchB(2)->GetFilePath(), mProjectA + "Patch/002 Bass.d00");
}

TEST_F(OpenProjectsWriteTest, ShelterOnCloseThatFails_LeavesBNamingTheFileInAsFolder) {
  // Closing copies through the concrete document's own CopyZelFile, so the failure is staged by
  // a work folder that cannot take files.
  fs::remove_all(WorkFolder());
  std::ofstream(mTemp / "work") << "a file where the work folder should be";
  CloseA();
  EXPECT_EQ(PatchB(2)->GetFilePath(), mProjectA + "Patch/002 Bass.d00");
  EXPECT_TRUE(mB.IsWritePossible());
}

} // namespace
