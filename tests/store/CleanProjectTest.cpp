#include "store/CBriselDocument.h"

#include "domain/CDomain.h"
#include "store/WriteFixture.h"
#include "support/DataSetChecker.h"
#include "support/DataSetSnapshot.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Bris::CDomain;
using Bris::CParameter;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ToneFile;

// Patches 1, 3, 5, 6 with gaps; patch 3 plays the blank tone 7, patch 6 a tone number past the
// list; tones 10 and 11 unused (10 alone plays wave 9); tone 4 plays the blank wave 5; waves 4
// (preset) and 7 (imported ".WAV") unused, wave 8 an imported ".wav" in use. Memos on records
// that move.
std::string BuildCraftedProject(const std::string& parent) {
  return ProjectBuilder(parent, "Crafted")
      .Patch(1, PatchFile("P1").Part(0, 2))
      .Patch(3, PatchFile("P3").Part(0, 5).Part(1, 7))
      .Patch(5, PatchFile("P5").Part(0, 2).Part(1, 4))
      .Patch(6, PatchFile("P6").Part(0, 900))
      .Tone(2, ToneFile("T2").Wave(0, 3))
      .Tone(4, ToneFile("T4").Wave(0, 5).Wave(1, 6))
      .Tone(5, ToneFile("T5").Wave(0, 3).Osc(2, 1, Bris::COsc::kWaveType, 8))
      .Tone(10, ToneFile("T10").Wave(0, 9))
      .Tone(11, ToneFile("T11"))
      .Wave(3, "W3")
      .Wave(4, "W4")
      .Wave(6, "W6")
      .Wave(7, "Imp", 64, ".WAV")
      .Wave(8, "Snd", 64, ".wav")
      .Wave(9, "W9")
      .Memo(CParameter::kPatch, 5, 0, "patch five")
      .Memo(CParameter::kTone, 5, 1, "tone five")
      .Memo(CParameter::kWave, 8, 2, "wave eight")
      .Write();
}

class CleanProjectTest : public BrisTest::WriteTestBase {
protected:
  void TearDown() override {
    SetOptions(0);
    WriteTestBase::TearDown();
  }
  // Bit 0 keep unused imported waves, bit 1 keep unused tones, bit 2 keep tone numbers, bit 3
  // keep patch numbers.
  static void SetOptions(int bits) {
    for (int option = 0; option < CDomain::kCleanOptionCount; ++option) {
      Bris::Domain().SetCleanOption(option, (bits >> option) & 1);
    }
  }
  void OpenAndClean(int optionBits) {
    mProject = BuildCraftedProject(mTemp / ("options" + std::to_string(optionBits)));
    ASSERT_TRUE(BrisTest::OpenProject(mDocument, mProject));
    SetOptions(optionBits);
    ASSERT_TRUE(mDocument.CleanProject());
  }
  std::string Name(CParameter::EDataType kind, std::size_t slotIndex) {
    return (*mData.GetArray(kind))[slotIndex]->GetName();
  }
  int ToneOf(std::size_t patchIndex, int part) {
    return mData.mPatches.Get(patchIndex)->GetPatchTone(part).GetToneNumber();
  }

  Bris::CBriselDocument mDocument;
  Bris::CZelData& mData = mDocument.GetZelData();
  BrisTest::RegisteredDocument mRegistered{mDocument};
  std::string mProject;
};

TEST_F(CleanProjectTest, EveryOptionCombination_LeavesAConsistentDataSetThatWritesAndReadsBack) {
  for (int bits = 0; bits < 16; ++bits) {
    SCOPED_TRACE("option bits " + std::to_string(bits));
    Bris::CBriselDocument document;
    BrisTest::RegisteredDocument registered(document);
    ASSERT_TRUE(BrisTest::OpenProject(
        document, BuildCraftedProject(mTemp / ("combination" + std::to_string(bits)))));
    SetOptions(bits);
    ASSERT_TRUE(document.CleanProject());
    EXPECT_TRUE(BrisTest::IsConsistent(document.GetZelData()));

    ASSERT_TRUE(document.IsWritePossible());
    ASSERT_TRUE(document.WriteDocument(false));
    const BrisTest::DataSetSnapshot written(document.GetZelData());
    Bris::CBriselDocument reread;
    ASSERT_TRUE(BrisTest::OpenProject(reread, document.GetZelData().mProjectPath));
    EXPECT_TRUE(written.Matches(reread.GetZelData()));
  }
}

TEST_F(CleanProjectTest, AllOptionsClear_ClosesUpEveryListAndDropsWhatNothingUses) {
  OpenAndClean(0);
  EXPECT_EQ(Name(CParameter::kPatch, 3), "P6");
  EXPECT_TRUE(mData.mPatches[4]->IsBlank());
  // Tones T2, T4, T5 become 1, 2, 3; the blank tone 7 and the number past the list are dropped.
  EXPECT_EQ(Name(CParameter::kTone, 2), "T5");
  EXPECT_TRUE(mData.mTones[3]->IsBlank());
  EXPECT_EQ(ToneOf(0, 0), 1);
  EXPECT_EQ(ToneOf(1, 0), 3);
  EXPECT_EQ(ToneOf(1, 1), 0);
  EXPECT_EQ(ToneOf(2, 1), 2);
  EXPECT_EQ(ToneOf(3, 0), 0);
  // Waves W3, W6, Snd become 1, 2, 3; the blank wave 5 is dropped from tone T4.
  EXPECT_EQ(Name(CParameter::kWave, 2), "Snd");
  EXPECT_TRUE(mData.mWaves[3]->IsBlank());
  EXPECT_EQ(mData.mTones.Get(1)->GetWaveNumbers(), (std::vector<unsigned>{0, 2}));
  EXPECT_EQ(mData.mTones.Get(2)->GetOsc(2).GetWaveNumber(1), 3);
  // Memos travel with their records.
  EXPECT_EQ(mData.mPatches[2]->GetMemo(0), "patch five");
  EXPECT_EQ(mData.mWaves[2]->GetMemo(2), "wave eight");
}

TEST_F(CleanProjectTest, KeepToneNumbers_LeavesBlankTonesWhereUnusedOnesWere) {
  OpenAndClean(4);
  EXPECT_EQ(Name(CParameter::kTone, 4), "T5");
  EXPECT_TRUE(mData.mTones[9]->IsBlank());
  EXPECT_TRUE(mData.mTones[10]->IsBlank());
  EXPECT_EQ(ToneOf(1, 0), 5);
  // With tone 10 gone, nothing plays wave 9.
  EXPECT_EQ(mData.GetDeletedSize(CParameter::kWave), Bris::CZelData::kWaveSlotCount - 3);
}

TEST_F(CleanProjectTest, KeepUnusedTonesAndImportedWaves_KeepsThemMovedUpButDropsPresetWaves) {
  OpenAndClean(1 | 2);
  EXPECT_EQ(Name(CParameter::kTone, 3), "T10");
  EXPECT_EQ(Name(CParameter::kTone, 4), "T11");
  // W3, W6, Imp (unused but imported, any letter case), Snd, W9 (played by the kept T10).
  EXPECT_EQ(Name(CParameter::kWave, 2), "Imp");
  EXPECT_EQ(Name(CParameter::kWave, 4), "W9");
  EXPECT_TRUE(mData.mWaves[5]->IsBlank());
  EXPECT_EQ(mData.mTones.Get(3)->GetOsc(0).GetWaveNumber(0), 5);
}

TEST_F(CleanProjectTest, KeepPatchNumbers_MovesNoPatch) {
  OpenAndClean(8);
  EXPECT_EQ(Name(CParameter::kPatch, 2), "P3");
  EXPECT_TRUE(mData.mPatches[1]->IsBlank());
  EXPECT_EQ(ToneOf(2, 0), 3);
}

TEST_F(CleanProjectTest, NothingToClean_ChangesNothing) {
  mProject = ProjectBuilder(mTemp.Path(), "Tidy")
                 .Patch(1, PatchFile("P1").Part(0, 1))
                 .Patch(2, PatchFile("P2").Part(0, 2))
                 .Tone(1, ToneFile("T1").Wave(0, 1))
                 .Tone(2, ToneFile("T2").Wave(0, 2))
                 .Wave(1, "W1")
                 .Wave(2, "W2")
                 .Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, mProject));
  const BrisTest::DataSetSnapshot before(mData);
  ASSERT_TRUE(mDocument.CleanProject());
  EXPECT_TRUE(before.Matches(mData));
}

TEST_F(CleanProjectTest, CopySystemFile_CopiesTheSystemFilesThereAreAndNoBrokenCopy) {
  const std::string project = ProjectBuilder(mTemp.Path(), "Sys")
                                  .RawFile("Brisel System.s00", "system")
                                  .RawFile("Brisel Setup.s00", "setup")
                                  .Write();
  BrisTest::FaultyDocument document;
  ASSERT_TRUE(BrisTest::OpenProject(document, project));
  document.mFailWhen = [](const std::string& to) { return to.find("Setup") != std::string::npos; };
  fs::create_directory(mTemp / "target");
  EXPECT_TRUE(document.CopySystemFile(mTemp / "target/"));
  EXPECT_EQ(BrisTest::FileNamesIn(mTemp / "target"), std::vector<std::string>{"Brisel System.s00"});
  EXPECT_EQ(BrisTest::ReadFileText(mTemp / "target/Brisel System.s00"), "system");
}

} // namespace
