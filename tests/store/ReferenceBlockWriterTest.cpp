#include "store/CBriselDocument.h"

#include "formats/SvdFileLayout.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
namespace Layout = Bris::SvdFileLayout;
using BrisTest::PatchFile;
using BrisTest::ToneFile;

class ReferenceBlockWriterTest : public ::testing::Test {
protected:
  BrisTest::TempFolder mTemp;
  Bris::CBriselDocument mDocument;
  Bris::CZelData& mData = mDocument.GetZelData();
};

// Bytes outside [first, last) are equal.
void ExpectSameOutside(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b,
                       std::size_t first, std::size_t last) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (i < first || i >= last) {
      ASSERT_EQ(a[i], b[i]) << "byte " << i;
    }
  }
}

TEST_F(ReferenceBlockWriterTest, RewritesOnlyTheReferenceBlocksOfTheFiles) {
  const std::string project = BrisTest::ProjectBuilder(mTemp.Path())
                                  .Patch(1, PatchFile("P").Part(0, 2).Size(600))
                                  .Tone(2, ToneFile("T").Wave(0, 4).Size(4000))
                                  .Wave(4, "W")
                                  .Wave(9, "W9")
                                  .Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, project));
  const std::string patchPath = mData.mPatches.Get(0)->GetFilePath();
  const std::string tonePath = mData.mTones.Get(1)->GetFilePath();
  const auto patchBefore = BrisTest::ReadFileBytes(patchPath);
  const auto toneBefore = BrisTest::ReadFileBytes(tonePath);

  mData.mPatches.Get(0)->GetPatchTone(1).SetToneNumber(2);
  mData.mTones.Get(1)->GetOsc(0).SetWaveNumber(0, 9);
  EXPECT_TRUE(mDocument.IsEnableWritePatchTone(patchPath, mData.mPatches.Get(0)));
  EXPECT_TRUE(mDocument.WritePatchTone(patchPath, mData.mPatches.Get(0)));
  EXPECT_TRUE(mDocument.IsEnableWriteToneOsc(tonePath, mData.mTones.Get(1)));
  EXPECT_TRUE(mDocument.WriteToneOsc(tonePath, mData.mTones.Get(1)));

  ExpectSameOutside(patchBefore, BrisTest::ReadFileBytes(patchPath), Layout::kPatchToneBlocksOffset,
                    Layout::kPatchMinimumSize);
  ExpectSameOutside(toneBefore, BrisTest::ReadFileBytes(tonePath), Layout::kToneOscBlocksOffset,
                    Layout::kToneMinimumSize);
  Bris::CBriselDocument reread;
  ASSERT_TRUE(BrisTest::OpenProject(reread, project));
  EXPECT_EQ(reread.GetZelData().mPatches.Get(0)->GetToneNumbers(), std::vector<unsigned>{2});
  EXPECT_EQ(reread.GetZelData().mWaves.Get(8)->GetToneIndexes(), std::vector<unsigned>{1});
  EXPECT_TRUE(reread.GetZelData().mWaves.Get(3)->GetToneIndexes().empty());
  for (int k = 0; k < Bris::CTone::kOscCount; ++k) {
    EXPECT_EQ(reread.GetZelData().mTones.Get(1)->GetOsc(k).mData,
              mData.mTones.Get(1)->GetOsc(k).mData);
  }
}

TEST_F(ReferenceBlockWriterTest, MissingFile_FailsAndCreatesNothing) {
  Bris::CPatch patch;
  Bris::CTone tone;
  EXPECT_FALSE(mDocument.WritePatchTone(mTemp / "001 Gone.d00", &patch));
  EXPECT_FALSE(mDocument.IsEnableWritePatchTone(mTemp / "001 Gone.d00", &patch));
  EXPECT_FALSE(mDocument.WriteToneOsc(mTemp / "001 Gone.p00", &tone));
  EXPECT_FALSE(mDocument.IsEnableWriteToneOsc(mTemp / "001 Gone.p00", &tone));
  EXPECT_FALSE(fs::exists(mTemp / "001 Gone.d00"));
  EXPECT_FALSE(fs::exists(mTemp / "001 Gone.p00"));
  fs::create_directory(mTemp / "folder.d00");
  EXPECT_FALSE(mDocument.WritePatchTone(mTemp / "folder.d00", &patch));
}

TEST_F(ReferenceBlockWriterTest, NullRecord_WritesNothingButItsDryRunFails) {
  EXPECT_TRUE(mDocument.WritePatchTone(mTemp / "001 Gone.d00", nullptr));
  EXPECT_TRUE(mDocument.WriteToneOsc(mTemp / "001 Gone.p00", nullptr));
  EXPECT_FALSE(mDocument.IsEnableWritePatchTone(mTemp / "001 Gone.d00", nullptr));
  EXPECT_FALSE(mDocument.IsEnableWriteToneOsc(mTemp / "001 Gone.p00", nullptr));
  EXPECT_FALSE(fs::exists(mTemp / "001 Gone.d00"));
}

} // namespace
