#include "store/CBriselDocument.h"

#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Bris::CParameter;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;

class MemoFilesTest : public ::testing::Test {
protected:
  BrisTest::TempFolder mTemp;
  Bris::CBriselDocument mDocument;
  Bris::CZelData& mData = mDocument.GetZelData();
};

TEST_F(MemoFilesTest, WithoutMemoFiles_MemosAreEmptyAndAWriteCreatesAllThree) {
  const std::string project = ProjectBuilder(mTemp.Path()).Patch(1, PatchFile("A")).Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, project));
  EXPECT_EQ(mData.mPatches.Get(0)->GetMemo(0), "");
  for (auto kind : {CParameter::kPatch, CParameter::kTone, CParameter::kWave}) {
    EXPECT_TRUE(mDocument.WriteMemo(kind));
  }
  EXPECT_FALSE(mDocument.IsMemoWriteFailed());
  EXPECT_EQ(BrisTest::ReadFileText(project + "PatchMemo.txt"), std::string(2048, '\n'));
  EXPECT_EQ(BrisTest::ReadFileText(project + "ToneMemo.txt"), std::string(3584, '\n'));
  EXPECT_EQ(BrisTest::ReadFileText(project + "WaveMemo.txt"), std::string(3996, '\n'));
  EXPECT_FALSE(mDocument.WriteMemo(static_cast<CParameter::EDataType>(5)));
}

TEST_F(MemoFilesTest, MemosSurviveAWriteAndARead) {
  const std::string project = ProjectBuilder(mTemp.Path())
                                  .Patch(3, PatchFile("C"))
                                  .Memo(CParameter::kPatch, 3, 1, "second memo of slot 3")
                                  .Memo(CParameter::kWave, 999, 3, "last line")
                                  .Write();
  EXPECT_EQ(BrisTest::ReadLines(project + "PatchMemo.txt").at(9), "second memo of slot 3");
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, project));
  EXPECT_EQ(mData.mPatches.Get(2)->GetMemo(1), "second memo of slot 3");
  EXPECT_EQ(mData.mWaves.Get(998)->GetMemo(3), "last line");

  mData.mTones.Get(0)->SetMemo(0, "typed\nwith a line feed");
  mData.mPatches.Get(2)->SetMemo(2, "caf\xC3\xA9 \r");
  for (auto kind : {CParameter::kPatch, CParameter::kTone, CParameter::kWave}) {
    mDocument.WriteMemo(kind);
  }
  EXPECT_EQ(BrisTest::ReadLines(project + "ToneMemo.txt").size(), 3584u);
  Bris::CBriselDocument reread;
  ASSERT_TRUE(BrisTest::OpenProject(reread, project));
  auto& data = reread.GetZelData();
  EXPECT_EQ(data.mTones.Get(0)->GetMemo(0), "typed with a line feed");
  EXPECT_EQ(data.mTones.Get(0)->GetMemo(1), "");
  EXPECT_EQ(data.mPatches.Get(2)->GetMemo(2), "caf\xC3\xA9 \r");
  EXPECT_EQ(data.mPatches.Get(2)->GetMemo(1), "second memo of slot 3");
  EXPECT_EQ(data.mWaves.Get(998)->GetMemo(3), "last line");
}

TEST_F(MemoFilesTest, OddMemoFiles_ReadWithoutFailing) {
  std::string manyLines;
  for (int i = 0; i < 10000; ++i) {
    manyLines += "memo " + std::to_string(i) + "\n";
  }
  const std::string project =
      ProjectBuilder(mTemp.Path())
          .MemoFileText(CParameter::kPatch, manyLines)
          .MemoFileText(CParameter::kTone, std::string(1 << 20, 'x') + "\nnext")
          .Folder("WaveMemo.txt")
          .Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, project));
  EXPECT_EQ(mData.mPatches.Get(511)->GetMemo(3), "memo 2047");
  EXPECT_EQ(mData.mTones.Get(0)->GetMemo(0), std::string(1023, 'x'));
  EXPECT_EQ(mData.mTones.Get(0)->GetMemo(1), "next");
  EXPECT_EQ(mData.mWaves.Get(0)->GetMemo(0), "");
}

TEST_F(MemoFilesTest, UnwritableMemoFile_IsReportedToTheCallerAndTheOldFileKept) {
  const std::string project = ProjectBuilder(mTemp.Path())
                                  .Memo(CParameter::kPatch, 1, 0, "old memo")
                                  .Folder("ToneMemo.txt")
                                  .Write();
  ASSERT_TRUE(BrisTest::OpenProject(mDocument, project));
  mData.mPatches.Get(0)->SetMemo(0, "new memo");
  EXPECT_TRUE(mDocument.WriteMemo(CParameter::kTone)); // the answer stays true ...
  EXPECT_TRUE(mDocument.IsMemoWriteFailed());          // ... the failure is kept
  EXPECT_TRUE(mDocument.WriteMemo(CParameter::kPatch));
  EXPECT_TRUE(mDocument.IsMemoWriteFailed());
  EXPECT_EQ(BrisTest::ReadLines(project + "PatchMemo.txt").at(0), "new memo");
  EXPECT_TRUE(std::filesystem::is_directory(project + "ToneMemo.txt"));
  EXPECT_FALSE(std::filesystem::exists(project + "ToneMemo.txt.new"));
  mDocument.ClearMemoWriteFailed();
  EXPECT_FALSE(mDocument.IsMemoWriteFailed());
}

} // namespace
