#include "store/CBriselDocument.h"

#include "domain/CDomain.h"
#include "formats/WaveFiles.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Bris::CParameter;
using BrisTest::ProjectBuilder;

const std::string kAlsaSounds = "/usr/share/sounds/alsa/";

class ImportWavesTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!fs::is_directory(kAlsaSounds)) {
      GTEST_SKIP() << kAlsaSounds << " is missing (package alsa-utils)";
    }
    fs::create_directory(mTemp / "work");
    fs::create_directory(mTemp / "in");
    Bris::Domain().SetWorkFolderPath(mTemp / "work/");
  }

  void TearDown() override { Bris::Domain().Reset(); }

  // Opens a project whose waves 1..4 and 6..8 are used: blank wave slots start at indexes 4, 8.
  void OpenProjectWithWaves(std::uint64_t firstWaveSize = 64) {
    ProjectBuilder builder(mTemp.Path());
    builder.Wave(1, "First", firstWaveSize);
    for (int wave : {2, 3, 4, 6, 7, 8}) {
      builder.Wave(wave, "W" + std::to_string(wave), 100);
    }
    ASSERT_TRUE(BrisTest::OpenProject(mDocument, builder.Write()));
  }

  // A real audio file copied under another name into the "in" folder.
  std::string RealWav(const std::string& name, const std::string& alsaFile = "Front_Left.wav") {
    const std::string path = mTemp / ("in/" + name);
    fs::copy_file(kAlsaSounds + alsaFile, path, fs::copy_options::overwrite_existing);
    return path;
  }

  BrisTest::TempFolder mTemp;
  BrisTest::ErrorCodeRecorder mErrors;
  Bris::CBriselDocument mDocument;
  Bris::CZelData& mData = mDocument.GetZelData();
};

TEST_F(ImportWavesTest, RealWavFiles_AreCopiedIntoTheFirstBlankSlotsInSortedOrder) {
  OpenProjectWithWaves();
  const std::string noise = kAlsaSounds + "Noise.wav";
  const std::string left = kAlsaSounds + "Front_Left.wav";
  const int firstIndex = Bris::Domain().GetTempIndex();

  EXPECT_EQ(mDocument.ImportWaves({noise, left}), 2);
  EXPECT_TRUE(mErrors.Codes().empty());
  const auto* first = mData.mWaves.Get(4);
  const std::string expectedCopy =
      mTemp / ("work/" + Bris::CZelFileDocument::GetIndexStr(firstIndex) + "Front_Left.wav");
  EXPECT_EQ(first->GetFilePath(), expectedCopy);
  EXPECT_EQ(first->GetName(), "Front_Left");
  EXPECT_EQ(BrisTest::ReadFileBytes(expectedCopy), BrisTest::ReadFileBytes(left));
  EXPECT_EQ(mData.mWaves.Get(8)->GetName(), "Noise");
  EXPECT_TRUE(mData.mWaveOriginalNames[4].empty()); // not at home until the next write
  EXPECT_EQ(mDocument.GetTotalWaveSizeValue(),
            64 + 6 * 100 + fs::file_size(noise) + fs::file_size(left));

  // The import can be taken back.
  ASSERT_TRUE(Bris::Domain().IsUndoDoc(&mData));
  Bris::Domain().Undo();
  EXPECT_TRUE(mData.mWaves.Get(4)->IsBlank());
}

TEST_F(ImportWavesTest, LongNames_AreShortenedForTheCopyAndCutForTheRecord) {
  OpenProjectWithWaves();
  const int index = Bris::Domain().GetTempIndex();
  EXPECT_EQ(mDocument.ImportWaves({RealWav("A very long sample name.WAV")}), 1);
  const auto* wave = mData.mWaves.Get(4);
  EXPECT_EQ(wave->GetFilePath(), mTemp / ("work/" + Bris::CZelFileDocument::GetIndexStr(index) +
                                          "A very long name.WAV"));
  EXPECT_EQ(wave->GetName(), "A very long ");
  EXPECT_TRUE(fs::exists(mTemp / "in/A very long sample name.WAV"));
}

TEST_F(ImportWavesTest, DuplicatesAreImportedOnceAndOtherExtensionsLeftOut) {
  OpenProjectWithWaves();
  const std::string wav = RealWav("Kick.wav");
  const std::string aiff = RealWav("Snare.AIFF", "Noise.wav");
  fs::copy_file(wav, mTemp / "in/Song.mp3");
  EXPECT_EQ(mDocument.ImportWaves({wav, mTemp / "in/Song.mp3", wav, aiff}), 2);
  EXPECT_EQ(mData.mWaves.Get(4)->GetName(), "Kick");
  EXPECT_EQ(mData.mWaves.Get(8)->GetName(), "Snare");
  EXPECT_TRUE(mData.mWaves.Get(9)->IsBlank());
}

TEST_F(ImportWavesTest, NothingToImport_IsError9) {
  OpenProjectWithWaves();
  fs::copy_file(kAlsaSounds + "Noise.wav", mTemp / "in/Noise.mp3");
  EXPECT_EQ(mDocument.ImportWaves({}), 0);
  EXPECT_EQ(mDocument.ImportWaves({mTemp / "in/Noise.mp3", mTemp / "in/x.w00"}), 0);
  EXPECT_EQ(mErrors.Codes(), (std::vector<int>{9, 9}));
  EXPECT_EQ(mData.GetDeletedSize(CParameter::kWave), 999u - 7u);
  EXPECT_FALSE(Bris::Domain().IsUndoDoc(&mData));
}

TEST_F(ImportWavesTest, MoreFilesThanBlankSlots_IsError6CountedBeforeFiltering) {
  OpenProjectWithWaves();
  for (std::size_t i = 0; i < mData.mWaves.size(); ++i) {
    if (i != 4 && i != 8) {
      mData.mWaves.Get(i)->SetFilePath("/elsewhere/" + std::to_string(i) + ".w00");
    }
  }
  const std::string wav = RealWav("Kick.wav");
  EXPECT_EQ(mDocument.ImportWaves({wav, wav, mTemp / "in/x.mp3"}), 0);
  EXPECT_EQ(mErrors.Codes(), std::vector<int>{6});
  EXPECT_EQ(mDocument.ImportWaves({wav}), 1);
}

TEST_F(ImportWavesTest, SizeLimit_IsReachableExactlyButNotExceeded) {
  const std::string wav = RealWav("Kick.wav");
  const std::uint64_t wavSize = fs::file_size(wav);
  const std::uint64_t othersSize = 6 * 100;
  const std::uint64_t roomForFirst = Bris::kTotalWaveSizeLimit - othersSize - wavSize;

  OpenProjectWithWaves(roomForFirst); // a sparse file: cheap however large
  EXPECT_EQ(mDocument.ImportWaves({wav}), 1);
  EXPECT_EQ(mDocument.GetTotalWaveSizeValue(), Bris::kTotalWaveSizeLimit);
  EXPECT_TRUE(mErrors.Codes().empty());

  Bris::CBriselDocument fuller;
  BrisTest::TempFolder other;
  ProjectBuilder builder(other.Path());
  builder.Wave(1, "First", roomForFirst + 1);
  ASSERT_TRUE(BrisTest::OpenProject(fuller, builder.Wave(2, "W", othersSize).Write()));
  const auto workFilesBefore = std::distance(fs::directory_iterator(mTemp / "work"), {});
  EXPECT_EQ(fuller.ImportWaves({wav}), 0);
  EXPECT_EQ(mErrors.Codes(), std::vector<int>{8});
  EXPECT_TRUE(fuller.GetZelData().mWaves.Get(2)->IsBlank());
  EXPECT_EQ(std::distance(fs::directory_iterator(mTemp / "work"), {}), workFilesBefore);
}

// Copies fail from the failAt-th call on.
class FailingCopyDocument : public Bris::CBriselDocument {
public:
  explicit FailingCopyDocument(int failAt) : mFailAt(failAt) {}
  bool CopyZelFile(std::string source, std::string destination) override {
    return ++mCalls < mFailAt && CBriselDocument::CopyZelFile(source, destination);
  }

private:
  int mFailAt;
  int mCalls = 0;
};

TEST_F(ImportWavesTest, FailedCopy_IsError9AndKeepsTheWavesImportedBefore) {
  FailingCopyDocument document(2);
  ASSERT_TRUE(BrisTest::OpenProject(document, ProjectBuilder(mTemp.Path()).Write()));
  EXPECT_EQ(document.ImportWaves({RealWav("A.wav"), RealWav("B.wav"), RealWav("C.wav")}), 0);
  EXPECT_EQ(mErrors.Codes(), std::vector<int>{9});
  EXPECT_EQ(document.GetZelData().mWaves.Get(0)->GetName(), "A");
  EXPECT_TRUE(document.GetZelData().mWaves.Get(1)->IsBlank());
  EXPECT_TRUE(Bris::Domain().IsUndoDoc(&document.GetZelData()));
}

TEST_F(ImportWavesTest, WithoutWorkFolder_NothingIsCopiedAnywhere) {
  OpenProjectWithWaves();
  Bris::Domain().SetWorkFolderPath("");
  EXPECT_EQ(mDocument.ImportWaves({RealWav("Kick.wav")}), 0);
  EXPECT_EQ(mErrors.Codes(), std::vector<int>{9});
}

} // namespace
