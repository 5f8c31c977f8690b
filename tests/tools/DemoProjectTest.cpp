#include "store/CDemoProjectWriter.h"

#include "store/CBriselDocument.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Bris::CDemoProjectWriter;

TEST(DemoProjectTest, DemoProject_OpensWithLinkedPatchesTonesAndWaves) {
  BrisTest::TempFolder temp;
  std::string error;
  ASSERT_TRUE(CDemoProjectWriter::Write(temp / "Docs/Brisel Demo.prj", error)) << error;

  Bris::CBriselDocument document;
  ASSERT_TRUE(BrisTest::OpenProject(document, temp / "Docs/Brisel Demo.prj/"));
  const auto& data = document.GetZelData();
  EXPECT_TRUE(document.GetUselessFiles().empty());
  EXPECT_EQ(data.GetDeletedSize(Bris::CParameter::kPatch), 512u - CDemoProjectWriter::kPatchCount);
  EXPECT_EQ(data.GetDeletedSize(Bris::CParameter::kTone), 896u - CDemoProjectWriter::kToneCount);
  EXPECT_EQ(data.GetDeletedSize(Bris::CParameter::kWave), 999u - CDemoProjectWriter::kWaveCount);
  EXPECT_EQ(data.mPatches.Get(0)->GetName(), "Warm Pad");
  EXPECT_EQ(data.mPatches.Get(0)->GetToneNumbers(), (std::vector<unsigned>{1, 2}));
  EXPECT_FALSE(data.mPatches.Get(0)->GetMemo(0).empty());

  // Every used tone is played by a patch, and every wave by a tone.
  for (int t = 0; t < CDemoProjectWriter::kToneCount; ++t) {
    EXPECT_FALSE(data.mTones.Get(static_cast<std::size_t>(t))->GetPatchIndexes().empty()) << t;
  }
  for (int w = 0; w < CDemoProjectWriter::kWaveCount; ++w) {
    EXPECT_FALSE(data.mWaves.Get(static_cast<std::size_t>(w))->GetToneIndexes().empty()) << w;
  }
  const auto* imported = data.mWaves.Get(CDemoProjectWriter::kWaveCount - 1);
  EXPECT_EQ(Bris::CZelFileDocument::GetIndexStr(CDemoProjectWriter::kWaveCount) + "Sine 440.wav",
            fs::path(imported->GetFilePath()).filename().string());
  EXPECT_FALSE(imported->IsPresetWave());
  EXPECT_EQ(BrisTest::ReadFileText(imported->GetFilePath()).substr(0, 4), "RIFF");
}

TEST(DemoProjectTest, ExistingFolderOrOtherName_IsRefusedAndLeftAlone) {
  BrisTest::TempFolder temp;
  std::string error;
  fs::create_directory(temp / "Mine.prj");
  BrisTest::ProjectBuilder(temp.Path(), "Mine").Wave(1, "Keep").Write();
  EXPECT_FALSE(CDemoProjectWriter::Write(temp / "Mine.prj", error));
  EXPECT_NE(error.find("already exists"), std::string::npos);
  EXPECT_TRUE(fs::exists(temp / "Mine.prj/Wave/001 Keep.w00"));
  EXPECT_FALSE(fs::exists(temp / "Mine.prj/PatchMemo.txt"));

  EXPECT_FALSE(CDemoProjectWriter::Write(temp / "Demo", error));
  EXPECT_FALSE(CDemoProjectWriter::Write(temp / ".prj", error));
  EXPECT_FALSE(fs::exists(temp / "Demo"));
  EXPECT_TRUE(CDemoProjectWriter::Write(temp / "Upper.PRJ/", error));
}

} // namespace
