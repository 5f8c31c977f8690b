#include "store/CBriselDocument.h"

#include "support/DataSetSnapshot.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

namespace {

using Bris::CParameter;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ToneFile;

class ReadDocumentTest : public ::testing::Test {
protected:
  BrisTest::TempFolder mTemp;
  Bris::CBriselDocument mDocument;
  Bris::CZelData& mData = mDocument.GetZelData();
};

TEST_F(ReadDocumentTest, EmptyProjectWithoutWaveFolder_OpensWithAllSlotsBlank) {
  const std::string project = ProjectBuilder(mTemp.Path()).WithoutWaveFolder().Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, project));
  EXPECT_EQ(mData.GetDeletedSize(CParameter::kPatch), 512u);
  EXPECT_EQ(mData.GetDeletedSize(CParameter::kTone), 896u);
  EXPECT_EQ(mData.GetDeletedSize(CParameter::kWave), 999u);
  EXPECT_EQ(mData.mWaves.size(), 999u);
  EXPECT_EQ(mData.mWaveOriginalNames.size(), 999u);
}

TEST_F(ReadDocumentTest, ProjectPath_MustEndInPrjAndASlash) {
  const std::string project = ProjectBuilder(mTemp.Path(), "Upper").Write();
  const std::string upper = mTemp / "Upper.PRJ/";
  std::filesystem::rename(project, upper);
  EXPECT_TRUE(mDocument.ReadDocument(upper, {}, {}, {}));

  Bris::CBriselDocument withoutSlash;
  EXPECT_FALSE(withoutSlash.ReadDocument(mTemp / "Upper.PRJ", {}, {}, {}));
}

TEST_F(ReadDocumentTest, RecordsAreAtHomeAndNamedAfterTheirFiles) {
  ProjectBuilder builder(mTemp.Path());
  const std::string project = builder.Patch(7, PatchFile("Warm Pad"))
                                  .Tone(1, ToneFile("Strings"))
                                  .Wave(3, "Kick", 10, ".WAV")
                                  .Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, project));
  const auto* patch = mData.mPatches.Get(6);
  EXPECT_EQ(patch->GetFilePath(), builder.SlotPath(CParameter::kPatch, 7, "Warm Pad", ".d00"));
  EXPECT_EQ(patch->GetFilePath(), mData.mPatchOriginalNames[6]);
  EXPECT_EQ(patch->GetName(), "Warm Pad");
  EXPECT_EQ(mData.mTones.Get(0)->GetName(), "Strings");
  EXPECT_EQ(mData.mWaves.Get(2)->GetName(), "Kick");
  EXPECT_FALSE(mData.mWaves.Get(2)->IsPresetWave());
  EXPECT_TRUE(mData.mPatches.Get(5)->IsBlank());
}

TEST_F(ReadDocumentTest, References_AreLinkedBackOncePerUser) {
  const std::string project =
      ProjectBuilder(mTemp.Path())
          .Patch(1, PatchFile("Both").Part(0, 5).Part(1, 5))
          .Patch(2, PatchFile("Off").Part(0, 5, false)) // a switched-off part still links
          .Patch(3, PatchFile("NoMark").RawPart(0, 1, 'X', 0, 2).RawPart(1, 1, 0, 0, 3))
          .Tone(5, ToneFile("T5").Wave(0, 12).Wave(1, 12).Osc(2, 1, 1, 12, false))
          .Tone(6, ToneFile("T6").Osc(0, 0, 2, 0).RawWaveNumber(0, 0, 13))
          .Tone(3, ToneFile("T3"))
          .Wave(12, "W12")
          .Wave(13, "W13")
          .Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, project));
  EXPECT_EQ(mData.mTones.Get(4)->GetPatchIndexes(), (std::vector<unsigned>{0, 1}));
  EXPECT_TRUE(mData.mTones.Get(2)->GetPatchIndexes().empty()); // marker not 'W'
  EXPECT_EQ(mData.mWaves.Get(11)->GetToneIndexes(), std::vector<unsigned>{4});
  EXPECT_TRUE(mData.mWaves.Get(12)->GetToneIndexes().empty()); // type 2 plays no wave
}

TEST_F(ReadDocumentTest, NumbersBeyondTheSlotCounts_StayInTheRecordButLinkNothing) {
  const std::string project = ProjectBuilder(mTemp.Path())
                                  .Patch(1, PatchFile("Far").Part(0, 897).Part(1, 16384))
                                  .Tone(896, ToneFile("Far").Wave(0, 1000).Wave(1, 65535))
                                  .Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, project));
  EXPECT_EQ(mData.mPatches.Get(0)->GetToneNumbers(), (std::vector<unsigned>{897, 16384}));
  EXPECT_EQ(mData.mTones.Get(895)->GetWaveNumbers(), (std::vector<unsigned>{0, 1000, 65535}));
  for (std::size_t i = 0; i < mData.mTones.size(); ++i) {
    ASSERT_TRUE(mData.mTones.Get(i)->GetPatchIndexes().empty());
  }
  for (std::size_t i = 0; i < mData.mWaves.size(); ++i) {
    ASSERT_TRUE(mData.mWaves.Get(i)->GetToneIndexes().empty());
  }
}

TEST_F(ReadDocumentTest, DuplicatesAndStrayFiles_GoToTheUselessList) {
  ProjectBuilder builder(mTemp.Path());
  const std::string project = builder.Patch(1, PatchFile("A"))
                                  .Patch(1, PatchFile("B"))
                                  .RawFile("Patch/readme.d00", "not a patch")
                                  .RawFile("Patch/notes.txt", "not listed at all")
                                  .RawFile("Tone/000 Zero.p00", ToneFile("Zero").Bytes())
                                  .Wave(5, "Five")
                                  .Wave(5, "Again", 3, ".aif")
                                  .Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, project));
  EXPECT_EQ(mData.mPatches.Get(0)->GetName(), "A");
  std::vector<std::string> useless = mDocument.GetUselessFiles();
  std::sort(useless.begin(), useless.end());
  EXPECT_EQ(useless, (std::vector<std::string>{
                         project + "Patch/001 B.d00", project + "Patch/readme.d00",
                         project + "Tone/000 Zero.p00", project + "Wave/005 Five.w00"}));
  EXPECT_EQ(mData.mWaves.Get(4)->GetName(), "Again"); // ".aif" sorts before ".w00"
}

TEST_F(ReadDocumentTest, BrokenPatchOrToneFiles_FailTheWholeRead) {
  const auto patch = PatchFile("P").Bytes();
  std::vector<unsigned char> shortPatch = PatchFile("P").Size(170).Bytes();
  shortPatch.pop_back();
  using Bris::EOpenFailure;
  struct SCase {
    std::string relative;
    std::vector<unsigned char> bytes;
    EOpenFailure failure;
  };
  const std::vector<SCase> cases = {
      {"Patch/001 Short.d00", shortPatch, EOpenFailure::kFileTooShort},
      {"Patch/001 Tone.d00", ToneFile("T").Bytes(), EOpenFailure::kWrongSignature}, // in "Patch/"
      {"Patch/001 Empty.d00", {}, EOpenFailure::kFileTooShort},
      {"Tone/001 Patch.p00", PatchFile("P").Size(2000).Bytes(), EOpenFailure::kWrongSignature},
      {"Tone/001 Short.p00", std::vector<unsigned char>(patch.begin(), patch.end()),
       EOpenFailure::kFileTooShort},
  };
  for (const auto& [relative, bytes, failure] : cases) {
    BrisTest::TempFolder temp;
    const std::string project = ProjectBuilder(temp.Path()).RawFile(relative, bytes).Write();
    Bris::CBriselDocument document;
    EXPECT_FALSE(BrisTest::OpenProject(document, project)) << relative;
    // The read says which file failed and why, with no system error for a file it could read.
    EXPECT_EQ(document.GetReadResult().failure, failure) << relative;
    EXPECT_EQ(document.GetReadResult().path, project + relative);
    EXPECT_EQ(document.GetReadResult().systemError, "") << relative;
  }
}

TEST_F(ReadDocumentTest, FilesThatCannotBeOpened_FailTheRead) {
  const std::string project = ProjectBuilder(mTemp.Path()).Write();
  EXPECT_FALSE(mDocument.ReadDocument(project, {}, {}, {project + "Wave/001 Gone.w00"}));
  EXPECT_EQ(mDocument.GetReadResult().failure, Bris::EOpenFailure::kUnreadableFile);
  EXPECT_EQ(mDocument.GetReadResult().path, project + "Wave/001 Gone.w00");
  EXPECT_EQ(mDocument.GetReadResult().systemError,
            std::make_error_code(std::errc::no_such_file_or_directory).message());
  Bris::CBriselDocument folderAsPatch;
  std::filesystem::create_directory(project + "Patch/001 Folder.d00");
  EXPECT_FALSE(folderAsPatch.ReadDocument(project, {project + "Patch/001 Folder.d00"}, {}, {}));
  EXPECT_EQ(folderAsPatch.GetReadResult().failure, Bris::EOpenFailure::kUnreadableFile);
  EXPECT_EQ(folderAsPatch.GetReadResult().path, project + "Patch/001 Folder.d00");
}

TEST_F(ReadDocumentTest, TotalWaveSize_AddsEveryReadableWaveFile) {
  const std::string project = ProjectBuilder(mTemp.Path())
                                  .Wave(1, "A", 1000)
                                  .Wave(2, "Empty", 0)
                                  .Wave(999, "C", 1048576)
                                  .Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, project));
  EXPECT_FALSE(mData.mWaves.Get(1)->IsBlank()); // an empty wave file is a wave all the same
  EXPECT_EQ(mDocument.GetTotalWaveSizeValue(), 1049576u);
  EXPECT_EQ(mDocument.GetTotalWaveSize(), "1.0 MB");
  std::filesystem::remove(project + "Wave/999 C.w00"); // gone since: adds nothing
  EXPECT_EQ(mDocument.GetTotalWaveSize(), "1000 Bytes");
}

// A document that reads a project again reuses its records; none of their old contents may show.
TEST_F(ReadDocumentTest, ReadingAgain_GivesWhatAFreshDocumentReads) {
  BrisTest::TempFolder otherTemp;
  const std::string first = ProjectBuilder(mTemp.Path(), "First")
                                .Patch(1, PatchFile("P1").Part(0, 2).Part(1, 3))
                                .Patch(4, PatchFile("P4").Part(0, 2))
                                .Tone(2, ToneFile("T2").Wave(0, 7).Wave(5, 8))
                                .Tone(3, ToneFile("T3").Wave(1, 7))
                                .Wave(7, "W7")
                                .Wave(8, "W8")
                                .Memo(CParameter::kPatch, 1, 0, "first patch memo")
                                .Memo(CParameter::kTone, 2, 3, "first tone memo")
                                .Memo(CParameter::kWave, 8, 1, "first wave memo")
                                .Write();
  const std::string second = ProjectBuilder(otherTemp.Path(), "Second")
                                 .Patch(4, PatchFile("Q4").Part(1, 3))
                                 .Tone(3, ToneFile("U3").Wave(2, 9))
                                 .Wave(9, "V9")
                                 .Memo(CParameter::kTone, 3, 0, "second tone memo")
                                 .Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, first));
  // Contents a read never sets, and slots that hold no record or none at all.
  mData.mPatches.Get(0)->SetSpare("spare");
  mData.mTones.Get(1)->GetOsc(4).SetData(nullptr, 0);
  mData.mTones.Get(2)->AddPatchIndex(100, true);
  mData.mWaves.Get(6)->SetMemo(2, "edited");
  mData.mTones.ReplaceAt(5, nullptr);
  mData.mWaves.Resize(8);

  ASSERT_TRUE(BrisTest::OpenProject(mDocument, second));
  Bris::CBriselDocument fresh;
  ASSERT_TRUE(BrisTest::OpenProject(fresh, second));
  EXPECT_TRUE(BrisTest::DataSetSnapshot(fresh.GetZelData()).Matches(mData));
}

} // namespace
