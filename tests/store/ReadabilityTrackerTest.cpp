#include "store/CReadabilityTracker.h"

#include "store/CBriselDocument.h"
#include "store/WriteFixture.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ToneFile;

class ReadabilityTrackerTest : public BrisTest::WriteTestBase {
protected:
  void SetUp() override {
    WriteTestBase::SetUp();
    ProjectBuilder builder(mTemp.Path(), "Song");
    builder.Patch(1, PatchFile("One").Part(0, 1))
        .Tone(1, ToneFile("T1").Wave(0, 1))
        .Wave(1, "W1", 1001);
    mProject = builder.Write();
    ASSERT_TRUE(BrisTest::OpenProject(mDocument, mProject));
  }

  // The tracked answer, counting the full checks it needed.
  bool Tracked() {
    return mTracker.IsReadable(mDocument.GetZelData(), [this] {
      ++mChecks;
      return mDocument.IsWritePossible();
    });
  }

  Bris::CBriselDocument mDocument;
  Bris::CReadabilityTracker mTracker;
  std::string mProject;
  int mChecks = 0;
};

TEST_F(ReadabilityTrackerTest, AnswersAsTheFullCheckAndChecksAgainOnlyAfterAChange) {
  const std::string tone = mProject + "Tone/001 T1.p00";
  const std::string away = mTemp / "away.p00";
  EXPECT_TRUE(Tracked());
  EXPECT_TRUE(Tracked());
#ifdef __linux__
  EXPECT_EQ(mChecks, 1); // nothing changed: the answer is remembered
#endif

  // WHEN a slot's file leaves the folder and comes back
  fs::rename(tone, away);
  EXPECT_FALSE(Tracked());
  EXPECT_FALSE(Tracked());
  fs::rename(away, tone);
  EXPECT_TRUE(Tracked());

  // WHEN its folder is renamed away: the folder's own entry changed
  fs::rename(mProject + "Wave", mProject + "Wave.off");
  EXPECT_FALSE(Tracked());
  fs::rename(mProject + "Wave.off", mProject + "Wave");
  EXPECT_TRUE(Tracked());

  // WHEN a record names a file elsewhere that is missing, then one that is there
  Bris::CParameter* wave = mDocument.GetZelData().mWaves[0];
  const std::string original = wave->GetFilePath();
  wave->SetFilePath(mTemp / "missing.w00");
  EXPECT_FALSE(Tracked());
  std::ofstream(mTemp / "missing.w00", std::ios::binary) << "wave bytes";
  EXPECT_TRUE(Tracked());
  EXPECT_EQ(mDocument.IsWritePossibleTracked(), mDocument.IsWritePossible());
  wave->SetFilePath(original);
  EXPECT_TRUE(Tracked());
}

} // namespace
