#include "store/CReadabilityTracker.h"

#include "store/CBriselDocument.h"
#include "store/WriteFixture.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

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

class LargeFolderReadabilityTest : public BrisTest::WriteTestBase {};

// A folder of many files is listed once instead of asked about file by file; what the listing
// shows must not change the answer.
TEST_F(LargeFolderReadabilityTest, ListedFolder_StillRefusesWhatIsNoReadablePlainFile) {
  ProjectBuilder builder(mTemp.Path(), "Many");
  for (int wave = 1; wave <= 60; ++wave) {
    builder.Wave(wave, "W" + std::to_string(wave), 100);
  }
  const std::string project = builder.Write();
  Bris::CBriselDocument document;
  ASSERT_TRUE(BrisTest::OpenProject(document, project));
  ASSERT_TRUE(document.IsWritePossible());

  const std::string last = project + "Wave/060 W60.w00";
  const std::string kept = mTemp / "kept.w00";
  fs::rename(last, kept);
  fs::create_symlink(kept, last); // a link to a plain file reads as one
  EXPECT_TRUE(document.IsWritePossible());
  fs::remove(last);
  fs::create_directory(kept + ".folder");
  fs::create_symlink(kept + ".folder", last);
  EXPECT_FALSE(document.IsWritePossible());
  fs::remove(last);
  fs::create_directory(last);
  EXPECT_FALSE(document.IsWritePossible());
  fs::remove(last);
  fs::rename(kept, last);
  fs::permissions(last, fs::perms::none);
  EXPECT_EQ(document.IsWritePossible(), ::geteuid() == 0); // the owner may not read it now
  fs::permissions(last, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(document.IsWritePossible());
}
