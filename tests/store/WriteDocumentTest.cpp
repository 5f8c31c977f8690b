#include "store/CBriselDocument.h"

#include "domain/CDomain.h"
#include "store/WriteFixture.h"
#include "support/DataSetBuilder.h"
#include "support/DataSetSnapshot.h"
#include "support/DropSimulator.h"
#include "support/ObservedFileOperations.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;
using Bris::CParameter;
using BrisTest::BytesOutsideReferenceBlocks;
using BrisTest::FileNamesIn;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ReadFolder;
using BrisTest::ToneFile;
using Names = std::vector<std::string>;

// Patches 1 One, 3 A, 4 B, 5 C, 7 Old; tones 1-3; waves 1-2; every file has bytes of its own.
std::string BuildProject(const std::string& parent,
                         const std::function<void(ProjectBuilder&)>& extra = nullptr) {
  ProjectBuilder builder(parent, "Song");
  builder.Patch(1, PatchFile("One").Part(0, 1).FillSeed(101))
      .Patch(3, PatchFile("A").Part(0, 2).FillSeed(103))
      .Patch(4, PatchFile("B").Part(0, 3).FillSeed(104))
      .Patch(5, PatchFile("C").Part(0, 1).Part(1, 2).FillSeed(105))
      .Patch(7, PatchFile("Old").Part(0, 2).FillSeed(107))
      .Tone(1, ToneFile("T1").Wave(0, 1).FillSeed(201))
      .Tone(2, ToneFile("T2").Wave(0, 2).FillSeed(202))
      .Tone(3, ToneFile("T3").FillSeed(203))
      .Wave(1, "W1", 1001)
      .Wave(2, "W2", 1002)
      .Memo(CParameter::kPatch, 1, 0, "first")
      .Memo(CParameter::kTone, 2, 3, "tone memo")
      .Memo(CParameter::kWave, 1, 1, "wave memo");
  if (extra) {
    extra(builder);
  }
  return builder.Write();
}

class WriteDocumentTest : public BrisTest::WriteTestBase {
protected:
  void Open(const std::function<void(ProjectBuilder&)>& extra = nullptr) {
    mProject = BuildProject(mTemp.Path(), extra);
    mPristine = BuildProject(mTemp / "pristine", extra);
    ASSERT_TRUE(BrisTest::OpenProject(mDocument, mProject));
  }

  std::string PatchPath(const std::string& name) const { return mProject + "Patch/" + name; }
  std::vector<unsigned char> Pristine(const std::string& relative) const {
    return BytesOutsideReferenceBlocks(mPristine + relative);
  }
  std::vector<unsigned char> Written(const std::string& relative) const {
    return BytesOutsideReferenceBlocks(mProject + relative);
  }
  Bris::CPatch* Patch(int patchNumber) { return mData.mPatches.Get(patchNumber - 1); }
  void BlankPatch(int patchNumber) {
    Patch(patchNumber)->Initialize();
    Patch(patchNumber)->ClearPatchTone();
  }
  // The record of slot from goes to slot to (1-based); slot from becomes blank.
  void MovePatch(int from, int to) {
    mData.mPatches.ReplaceAt(static_cast<std::size_t>(to - 1), Patch(from)->Clone());
    BlankPatch(from);
  }

  BrisTest::FaultyDocument mDocument;
  Bris::CZelData& mData = mDocument.GetZelData();
  BrisTest::RegisteredDocument mRegistered{mDocument};
  std::string mProject;
  std::string mPristine;
};

TEST_F(WriteDocumentTest, UnchangedSave_CopiesAndRenamesNothingAndKeepsEveryByteOutsideTheBlocks) {
  Open();
  const BrisTest::DataSetSnapshot before(mData);
  ASSERT_TRUE(mDocument.WriteDocument(false));

  EXPECT_EQ(mDocument.mCopyCount, 0);
  ASSERT_EQ(FileNamesIn(mProject), FileNamesIn(mPristine));
  for (const auto& file : FileNamesIn(mPristine)) {
    EXPECT_EQ(Written(file), Pristine(file)) << file;
  }
  EXPECT_TRUE(before.Matches(mData));
  BrisTest::FaultyDocument reread;
  ASSERT_TRUE(BrisTest::OpenProject(reread, mProject));
  EXPECT_TRUE(before.Matches(reread.GetZelData()));
}

TEST_F(WriteDocumentTest, PatchesMovedUp_TakeTheirNewNumbersAndTheStillNamedOldFilesAreSheltered) {
  Open();
  // GIVEN patch 3 deleted and patches 4 and 5 moved up one slot
  MovePatch(4, 3);
  MovePatch(5, 4);
  ASSERT_TRUE(mDocument.WriteDocument(false));

  EXPECT_EQ(FileNamesIn(mProject + "Patch"),
            (Names{"001 One.d00", "003 B.d00", "004 C.d00", "007 Old.d00"}));
  EXPECT_EQ(Written("Patch/003 B.d00"), Pristine("Patch/004 B.d00"));
  EXPECT_EQ(Written("Patch/004 C.d00"), Pristine("Patch/005 C.d00"));
  EXPECT_EQ(Patch(3)->GetFilePath(), PatchPath("003 B.d00"));
  EXPECT_EQ(mData.mPatchOriginalNames[3], PatchPath("004 C.d00"));
  EXPECT_EQ(mData.mPatchOriginalNames[4], "");
  // 004 B and 005 C were still named by the moved records when their slots were cleaned.
  const Names shelters = FileNamesIn(WorkFolder());
  ASSERT_EQ(shelters.size(), 2u);
  for (const auto& shelter : shelters) {
    const bool isB = shelter.find(" B.d00") != std::string::npos;
    EXPECT_EQ(BytesOutsideReferenceBlocks(WorkFolder() + shelter),
              Pristine(isB ? "Patch/004 B.d00" : "Patch/005 C.d00"))
        << shelter;
  }
}

TEST_F(WriteDocumentTest, PatchesMovedUp_WriteBrokenOffAfterAShelter_LeavesRecordOnTheShelterCopy) {
  Open();
  MovePatch(4, 3);
  MovePatch(5, 4);
  mDocument.mFailWhen = [this](const std::string& to) { return to == PatchPath("004 C.d00"); };
  EXPECT_FALSE(mDocument.WriteDocument(false));

  // Slot 3's record was redirected to the shelter copy before 004 B.d00 was removed.
  const std::string sheltered = Patch(3)->GetFilePath();
  EXPECT_EQ(sheltered.rfind(WorkFolder(), 0), 0u) << sheltered;
  EXPECT_EQ(BytesOutsideReferenceBlocks(sheltered), Pristine("Patch/004 B.d00"));
  EXPECT_FALSE(fs::exists(PatchPath("004 B.d00")));
  EXPECT_FALSE(fs::exists(PatchPath("004 C.d00"))); // the broken copy is gone
  EXPECT_EQ(Patch(4)->GetFilePath(), PatchPath("005 C.d00"));
  EXPECT_TRUE(mDocument.IsWritePossible());

  // The next save finishes the job, although 003 A.d00 and 004 B.d00 are gone already.
  mDocument.mFailWhen = nullptr;
  ASSERT_TRUE(mDocument.WriteDocument(false));
  EXPECT_EQ(FileNamesIn(mProject + "Patch"),
            (Names{"001 One.d00", "003 B.d00", "004 C.d00", "007 Old.d00"}));
  EXPECT_EQ(Written("Patch/003 B.d00"), Pristine("Patch/004 B.d00"));
}

TEST_F(WriteDocumentTest, WriteBrokenOffThenSlotDeleted_NextSaveLeavesNoFileOfTheFailedWrite) {
  Open();
  MovePatch(4, 3);
  MovePatch(5, 4);
  mDocument.mFailWhen = [this](const std::string& to) { return to == PatchPath("004 C.d00"); };
  EXPECT_FALSE(mDocument.WriteDocument(false));
  ASSERT_TRUE(fs::exists(PatchPath("003 B.d00")));

  // The user deletes the patch that the failed write had already copied into slot 3.
  mDocument.mFailWhen = nullptr;
  BlankPatch(3);
  ASSERT_TRUE(mDocument.WriteDocument(false));
  EXPECT_EQ(FileNamesIn(mProject + "Patch"), (Names{"001 One.d00", "004 C.d00", "007 Old.d00"}));
}

TEST_F(WriteDocumentTest, ShelterCopyThatFails_LeavesEveryRecordOnItsFileAndTheNextSaveSucceeds) {
  Open();
  MovePatch(4, 3);
  mDocument.mFailWhen = [this](const std::string& to) { return to.rfind(WorkFolder(), 0) == 0; };
  EXPECT_FALSE(mDocument.WriteDocument(false));

  EXPECT_EQ(Patch(3)->GetFilePath(), PatchPath("004 B.d00"));
  EXPECT_TRUE(fs::exists(PatchPath("004 B.d00")));
  EXPECT_TRUE(FileNamesIn(WorkFolder()).empty());
  EXPECT_TRUE(mDocument.IsWritePossible());

  mDocument.mFailWhen = nullptr;
  ASSERT_TRUE(mDocument.WriteDocument(false));
  EXPECT_EQ(FileNamesIn(mProject + "Patch"),
            (Names{"001 One.d00", "003 B.d00", "005 C.d00", "007 Old.d00"}));
}

TEST_F(WriteDocumentTest, RenamedInPlace_FileIsRenamedAndRewrittenAndACopyOfTheSlotFollowsIt) {
  Open();
  // GIVEN patch 7 copied into slot 9, then renamed and set to play tone 3
  mData.mPatches.ReplaceAt(8, Patch(7)->Clone());
  Patch(7)->SetFinalName("New", false);
  Patch(7)->GetPatchTone(0).SetToneNumber(3);
  ASSERT_TRUE(mDocument.WriteDocument(false));

  EXPECT_EQ(mDocument.mCopyCount, 1); // the copy into slot 9; the rename copies nothing
  EXPECT_EQ(FileNamesIn(mProject + "Patch"), (Names{"001 One.d00", "003 A.d00", "004 B.d00",
                                                    "005 C.d00", "007 New.d00", "009 Old.d00"}));
  EXPECT_EQ(Written("Patch/007 New.d00"), Pristine("Patch/007 Old.d00"));
  EXPECT_EQ(Written("Patch/009 Old.d00"), Pristine("Patch/007 Old.d00"));
  BrisTest::FaultyDocument reread;
  ASSERT_TRUE(BrisTest::OpenProject(reread, mProject));
  EXPECT_EQ(reread.GetZelData().mPatches.Get(6)->GetPatchTone(0).GetToneNumber(), 3);
  EXPECT_EQ(reread.GetZelData().mPatches.Get(8)->GetPatchTone(0).GetToneNumber(), 2);
}

TEST_F(WriteDocumentTest, ToneInsertedAboveAToneNumberBeyondTheList_KeepsThatNumberOnDisk) {
  Open(
      [](ProjectBuilder& builder) { builder.Patch(9, PatchFile("Far").Part(0, 3488).Part(1, 2)); });
  // WHEN tone 2 is copied by insertion onto tone row 1
  ASSERT_EQ(BrisTest::PerformDrop({&mData, &mData, CParameter::kTone, {1}, 0, true, true}), 1);
  EXPECT_EQ(Patch(9)->GetPatchTone(0).GetToneNumber(), 3488);
  EXPECT_EQ(Patch(9)->GetPatchTone(1).GetToneNumber(), 3);
  ASSERT_TRUE(mDocument.WriteDocument(false));

  BrisTest::FaultyDocument reread;
  ASSERT_TRUE(BrisTest::OpenProject(reread, mProject));
  EXPECT_EQ(reread.GetZelData().mPatches.Get(8)->GetToneNumbers(),
            (std::vector<unsigned int>{3, 3488}));
}

TEST_F(WriteDocumentTest, SlotMadeBlank_LosesItsFileAndTakesTwoShelterNumbersWithoutACopy) {
  Open();
  const int firstIndex = Bris::Domain().GetTempIndex();
  BlankPatch(5);
  ASSERT_TRUE(mDocument.WriteDocument(false));

  EXPECT_FALSE(fs::exists(PatchPath("005 C.d00")));
  EXPECT_EQ(mData.mPatchOriginalNames[4], "");
  EXPECT_EQ(mDocument.mCopyCount, 0);
  EXPECT_TRUE(FileNamesIn(WorkFolder()).empty());
  EXPECT_EQ(Bris::Domain().GetTempIndex(), firstIndex + 2); // dry run and clean
}

TEST_F(WriteDocumentTest, ImportedWave_IsCopiedUnderItsSlotNameKeepingItsExtension) {
  Open();
  fs::create_directory(mTemp / "in");
  const std::string outside = mTemp / "in/Kick.WAV";
  std::ofstream(outside, std::ios::binary) << "RIFF and some audio";
  mData.mWaves[4]->SetFilePath(outside);
  mData.mWaves[4]->SetFinalName("Kick", false);
  ASSERT_TRUE(mDocument.WriteDocument(false));

  EXPECT_EQ(BrisTest::ReadFileText(mProject + "Wave/005 Kick.WAV"), "RIFF and some audio");
  EXPECT_EQ(BrisTest::ReadFileText(outside), "RIFF and some audio");
  EXPECT_EQ(mData.mWaves[4]->GetFilePath(), mProject + "Wave/005 Kick.WAV");
}

TEST_F(WriteDocumentTest, SaveAs_CopiesEverySlotIntoTheNewFolderAndLeavesTheOldOneUntouched) {
  Open([](ProjectBuilder& builder) { builder.RawFile("Patch/readme.d00", "stray"); });
  MovePatch(4, 3);
  Patch(7)->SetFinalName("New", false);
  BrisTest::RebuildBackReferences(mData);
  const auto oldFolder = ReadFolder(mProject);
  const std::string target = ProjectBuilder(mTemp.Path(), "Copy").Write();
  ASSERT_TRUE(mData.SetProjectName(target));
  ASSERT_TRUE(mDocument.WriteDocument(true));

  EXPECT_EQ(ReadFolder(mProject), oldFolder);
  EXPECT_EQ(FileNamesIn(target + "Patch"),
            (Names{"001 One.d00", "003 B.d00", "005 C.d00", "007 New.d00"}));
  EXPECT_EQ(BytesOutsideReferenceBlocks(target + "Patch/007 New.d00"),
            Pristine("Patch/007 Old.d00"));
  EXPECT_EQ(FileNamesIn(target + "Wave"), (Names{"001 W1.w00", "002 W2.w00"}));
  EXPECT_TRUE(mDocument.GetUselessFiles().empty());
  const BrisTest::DataSetSnapshot written(mData);
  BrisTest::FaultyDocument reread;
  ASSERT_TRUE(BrisTest::OpenProject(reread, target));
  EXPECT_TRUE(written.Matches(reread.GetZelData()));
}

TEST_F(WriteDocumentTest, SaveAsIntoAFolderThatGetsAFileMeanwhile_PlacesItsFilesOneByOne) {
  // GIVEN a Save As whose target Patch folder, empty when the save was planned, gets a file of
  // the user's just before the staged folder was to take its place
  Open();
  const std::string target = ProjectBuilder(mTemp.Path(), "Copy").Write();
  ASSERT_TRUE(mData.SetProjectName(target));
  mDocument.SetFileOperations(std::make_unique<BrisTest::ObservedFileOperations>(
      [&](const std::string& step, const std::string& path) {
        const std::string patchFolder = target + "Patch";
        if (step == "rename" && path.size() > patchFolder.size() &&
            path.compare(path.size() - patchFolder.size(), patchFolder.size(), patchFolder) == 0) {
          std::ofstream(patchFolder + "/notes.txt") << "the user's";
        }
        return true;
      }));
  ASSERT_TRUE(mDocument.WriteDocument(true));

  // THEN the user's file stays beside every slot's file, and no staging folder is left
  EXPECT_EQ(FileNamesIn(target + "Patch"), (Names{"001 One.d00", "003 A.d00", "004 B.d00",
                                                  "005 C.d00", "007 Old.d00", "notes.txt"}));
  EXPECT_EQ(BrisTest::ReadFileText(target + "Patch/notes.txt"), "the user's");
  for (const auto& entry : fs::recursive_directory_iterator(target)) {
    EXPECT_EQ(entry.path().filename().string().rfind(".brisel-", 0), std::string::npos)
        << entry.path();
  }
  const BrisTest::DataSetSnapshot written(mData);
  BrisTest::FaultyDocument reread;
  ASSERT_TRUE(BrisTest::OpenProject(reread, target));
  EXPECT_TRUE(written.Matches(reread.GetZelData()));
}

TEST_F(WriteDocumentTest, UselessDuplicateThatARenameTakesOver_IsKeptWhileOtherUselessFilesGo) {
  // GIVEN a second file numbered 3 and a stray file, both useless
  Open([](ProjectBuilder& builder) {
    builder.Patch(3, PatchFile("Dup").FillSeed(999)).RawFile("Patch/readme.d00", "stray");
  });
  ASSERT_EQ(mDocument.GetUselessFiles().size(), 2u);
  Patch(3)->SetFinalName("Dup", false); // slot 3 (A) now takes the duplicate's name
  ASSERT_TRUE(mDocument.WriteDocument(false));

  EXPECT_EQ(Written("Patch/003 Dup.d00"), Pristine("Patch/003 A.d00"));
  EXPECT_FALSE(fs::exists(PatchPath("readme.d00")));
  EXPECT_FALSE(fs::exists(PatchPath("003 A.d00")));
  EXPECT_TRUE(mDocument.GetUselessFiles().empty());
}

TEST_F(WriteDocumentTest, MemoFileThatCannotBeWritten_FailsTheSaveButFinishesIt) {
  // GIVEN a folder where the tone memo file belongs
  Open();
  fs::remove(mProject + "ToneMemo.txt");
  fs::create_directory(mProject + "ToneMemo.txt");
  Patch(7)->SetFinalName("New", false);
  Patch(1)->SetMemo(0, "changed");
  EXPECT_FALSE(mDocument.WriteDocument(false));

  EXPECT_TRUE(mDocument.IsMemoWriteFailed());
  EXPECT_EQ(Patch(7)->GetFilePath(), PatchPath("007 New.d00"));
  EXPECT_EQ(mData.mPatchOriginalNames[6], PatchPath("007 New.d00"));
  EXPECT_EQ(BrisTest::ReadLines(mProject + "PatchMemo.txt").at(0), "changed");

  fs::remove(mProject + "ToneMemo.txt");
  EXPECT_TRUE(mDocument.WriteDocument(false));
  EXPECT_FALSE(mDocument.IsMemoWriteFailed());
  EXPECT_EQ(BrisTest::ReadLines(mProject + "ToneMemo.txt").at(7), "tone memo");
}

TEST_F(WriteDocumentTest, RefusedWrites_ChangeNothingOnDisk) {
  Open();
  const auto original = ReadFolder(mProject);
  // No work folder: the moved record's old file could not be sheltered.
  Bris::Domain().SetWorkFolderPath("");
  MovePatch(4, 3);
  EXPECT_FALSE(mDocument.WriteDocument(false));
  EXPECT_EQ(Patch(3)->GetFilePath(), PatchPath("004 B.d00"));
  Bris::Domain().SetWorkFolderPath(WorkFolder());
  // A project path moved to another folder without a save-as: no file may leave its folder.
  const std::string elsewhere = ProjectBuilder(mTemp.Path(), "Elsewhere").Write();
  ASSERT_TRUE(mData.SetProjectName(elsewhere));
  EXPECT_FALSE(mDocument.WriteDocument(false));

  EXPECT_EQ(ReadFolder(mProject), original);
  EXPECT_TRUE(ReadFolder(elsewhere).empty());
  EXPECT_EQ(mDocument.mCopyCount, 0);
}

TEST_F(WriteDocumentTest, IsWritePossible_FailsOnceARecordsFileIsGone) {
  Open();
  EXPECT_TRUE(mDocument.IsWritePossible());
  fs::remove(mProject + "Wave/002 W2.w00");
  EXPECT_FALSE(mDocument.IsWritePossible());
}

TEST_F(WriteDocumentTest, UndoBuffer_IsClearedWhenItNamesThisProjectOrAFileWasMoved) {
  Open();
  Bris::Domain().CopyToUndoBuffer(Bris::CDomain::kUndoAll, &mData);
  ASSERT_TRUE(mDocument.WriteDocument(false));
  EXPECT_FALSE(Bris::Domain().IsUndoReady());

  // Another project's undo survives a save that moves no file, but not one that does: its saved
  // records may name the files that go.
  Bris::CZelData other;
  Bris::Domain().CopyToUndoBuffer(Bris::CDomain::kUndoAll, &other);
  ASSERT_TRUE(mDocument.WriteDocument(false));
  EXPECT_TRUE(Bris::Domain().IsUndoReady());
  BlankPatch(5);
  ASSERT_TRUE(mDocument.WriteDocument(false));
  EXPECT_FALSE(Bris::Domain().IsUndoReady());
}

} // namespace
