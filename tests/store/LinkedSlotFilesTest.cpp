#include "store/CLinkedSlotFiles.h"

#include "store/WriteFixture.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using BrisTest::BytesOutsideReferenceBlocks;
using BrisTest::FileNamesIn;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ReadFileBytes;
using BrisTest::ToneFile;
using Names = std::vector<std::string>;

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// Slot files that are symbolic links: a save makes them files of the project's own first.
class LinkedSlotFilesTest : public BrisTest::WriteTestBase {
protected:
  // Patch 1 "A" plays tone 1, tone 1 plays wave 1; tones 2 and 3 exist.
  ProjectBuilder Builder() {
    ProjectBuilder builder(mTemp.Path(), "Song");
    builder.Patch(1, PatchFile("A").Part(0, 1).FillSeed(101))
        .Tone(1, ToneFile("T1").Wave(0, 1).FillSeed(201))
        .Tone(2, ToneFile("T2").FillSeed(202))
        .Tone(3, ToneFile("T3").FillSeed(203))
        .Wave(1, "W1", 100);
    return builder;
  }

  void Open() { ASSERT_TRUE(BrisTest::OpenProject(mDocument, mProject)); }
  Bris::CPatch* Patch(int patchNumber) { return mData.mPatches.Get(patchNumber - 1); }
  bool IsLink(const std::string& relative) const {
    return fs::is_symlink(fs::symlink_status(mProject + relative));
  }
  // Saves, then opens the saved folder afresh.
  Bris::CZelData& SaveAndReread() {
    EXPECT_TRUE(mDocument.WriteDocument(false));
    EXPECT_TRUE(BrisTest::OpenProject(mReread, mProject));
    return mReread.GetZelData();
  }

  BrisTest::FaultyDocument mDocument;
  Bris::CZelData& mData = mDocument.GetZelData();
  BrisTest::RegisteredDocument mRegistered{mDocument};
  BrisTest::FaultyDocument mReread;
  std::string mProject;
};

TEST_F(LinkedSlotFilesTest,
       LinksToFilesOutsideTheProject_BecomeCopiesAndTheOutsideFilesStayAsThey) {
  // GIVEN patch 4 and tone 5 whose slot files link to files outside the project
  mProject = Builder().Write();
  fs::create_directory(mTemp / "outside");
  const std::string outsidePatch = mTemp / "outside/Out.d00";
  const std::string outsideTone = mTemp / "outside/Out.p00";
  WriteBytes(outsidePatch, PatchFile("Out").Part(0, 1).FillSeed(104).Bytes());
  WriteBytes(outsideTone, ToneFile("Out").Wave(0, 1).FillSeed(205).Bytes());
  fs::create_symlink(outsidePatch, mProject + "Patch/004 Out.d00");
  fs::create_symlink(outsideTone, mProject + "Tone/005 Out.p00");
  const auto patchBefore = ReadFileBytes(outsidePatch);
  const auto toneBefore = ReadFileBytes(outsideTone);
  Open();

  // WHEN the linked patch is set to play tone 2 and the project is saved
  ASSERT_TRUE(Patch(4)->GetPatchTone(0).SetToneNumber(2));
  const Bris::CZelData& reread = SaveAndReread();

  // THEN the outside files are untouched and the project holds its own copies
  EXPECT_EQ(ReadFileBytes(outsidePatch), patchBefore);
  EXPECT_EQ(ReadFileBytes(outsideTone), toneBefore);
  EXPECT_FALSE(IsLink("Patch/004 Out.d00"));
  EXPECT_FALSE(IsLink("Tone/005 Out.p00"));
  EXPECT_EQ(BytesOutsideReferenceBlocks(mProject + "Patch/004 Out.d00"),
            BytesOutsideReferenceBlocks(outsidePatch));
  EXPECT_EQ(BytesOutsideReferenceBlocks(mProject + "Tone/005 Out.p00"),
            BytesOutsideReferenceBlocks(outsideTone));
  EXPECT_EQ(reread.mPatches.Get(3)->GetPatchTone(0).GetToneNumber(), 2);
}

TEST_F(LinkedSlotFilesTest,
       LinkToAnotherSlotsFileThatIsRenamed_EverySaveSucceedsAndBothKeepTheirOwn) {
  // GIVEN patch 2's file is a link to patch 1's file, and patch 1 is renamed
  mProject = Builder().Write();
  fs::create_symlink("001 A.d00", mProject + "Patch/002 B.d00");
  const auto pristineA = BytesOutsideReferenceBlocks(mProject + "Patch/001 A.d00");
  Open();
  Patch(1)->SetFinalName("A2", false);
  ASSERT_TRUE(Patch(2)->GetPatchTone(0).SetToneNumber(3));

  // WHEN saved
  const Bris::CZelData& reread = SaveAndReread();

  // THEN both slots have files of their own, each with its own references
  EXPECT_EQ(FileNamesIn(mProject + "Patch"), (Names{"001 A2.d00", "002 B.d00"}));
  EXPECT_FALSE(IsLink("Patch/002 B.d00"));
  EXPECT_EQ(BytesOutsideReferenceBlocks(mProject + "Patch/002 B.d00"), pristineA);
  EXPECT_EQ(reread.mPatches.Get(0)->GetPatchTone(0).GetToneNumber(), 1);
  EXPECT_EQ(reread.mPatches.Get(1)->GetPatchTone(0).GetToneNumber(), 3);
  // and the next save is not refused
  EXPECT_TRUE(mDocument.IsWritePossible());
  Patch(2)->SetFinalName("B2", false);
  EXPECT_TRUE(mDocument.WriteDocument(false));
  EXPECT_EQ(FileNamesIn(mProject + "Patch"), (Names{"001 A2.d00", "002 B2.d00"}));
}

} // namespace
