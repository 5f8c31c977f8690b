#include "store/CProjectSession.h"

#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "store/WriteFixture.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;
using Bris::CProjectSession;
using Bris::EOpenFailure;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ToneFile;
using ESaveResult = CProjectSession::ESaveResult;

class CProjectSessionTest : public BrisTest::WriteTestBase {
protected:
  std::string BuildSong(const std::string& name = "Song") {
    return ProjectBuilder(mTemp.Path(), name)
        .Patch(1, PatchFile("Warm Pad").Part(0, 2))
        .Tone(2, ToneFile("Strings").Wave(0, 1))
        .Wave(1, "Kick", 100)
        .RawFile("Brisel System.s00", "system bytes")
        .Write();
  }

  static bool IsRegistered(const CProjectSession& session) {
    const auto documents = Bris::Domain().GetOpenFileDocuments();
    return std::find(documents.begin(), documents.end(), &session.GetDocument()) != documents.end();
  }
};

TEST_F(CProjectSessionTest, Open_SaysWhichCheckOrFileFailedAndWhy) {
  struct SCase {
    const char* what;
    std::function<void(ProjectBuilder&)> spoil;
    std::function<void(const std::string&)> spoilOnDisk;
    EOpenFailure failure;
    const char* failedPath; // relative to the project folder, "" for none
  };
  const auto removeFolder = [](const char* name) {
    return [name](const std::string& project) {
      fs::remove_all(project + name);
      std::ofstream(project + name) << "a file where a folder belongs";
    };
  };
  std::vector<unsigned char> shortPatch = PatchFile("P").Size(170).Bytes();
  shortPatch.pop_back();
  const std::vector<SCase> cases = {
      {"no Patch folder", {}, removeFolder("Patch"), EOpenFailure::kMissingPatchFolder, "Patch"},
      {"no Tone folder", {}, removeFolder("Tone"), EOpenFailure::kMissingToneFolder, "Tone"},
      {"short patch",
       [&](ProjectBuilder& b) { b.RawFile("Patch/002 Short.d00", shortPatch); },
       {},
       EOpenFailure::kFileTooShort,
       "Patch/002 Short.d00"},
      {"tone file as patch",
       [](ProjectBuilder& b) { b.RawFile("Patch/003 Tone.d00", ToneFile("T").Bytes()); },
       {},
       EOpenFailure::kWrongSignature,
       "Patch/003 Tone.d00"},
      {"patch file as tone",
       [](ProjectBuilder& b) { b.RawFile("Tone/004 P.p00", PatchFile("P").Size(2000).Bytes()); },
       {},
       EOpenFailure::kWrongSignature,
       "Tone/004 P.p00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BrisTest::TempFolder temp;
    ProjectBuilder builder(temp.Path(), "Broken");
    builder.Patch(1, PatchFile("Fine"));
    if (c.spoil) {
      c.spoil(builder);
    }
    const std::string project = builder.Write();
    if (c.spoilOnDisk) {
      c.spoilOnDisk(project);
    }
    CProjectSession session;
    const Bris::SOpenResult result = session.Open(project);
    EXPECT_EQ(result.failure, c.failure) << result.Describe();
    EXPECT_EQ(result.path, project + c.failedPath);
    EXPECT_TRUE(session.GetFolderPath().empty());
  }

  CProjectSession nowhere;
  EXPECT_EQ(nowhere.Open(mTemp / "Missing.prj").failure, EOpenFailure::kNoProjectFolder);
  const std::string notPrj = ProjectBuilder(mTemp.Path(), "Plain").Write();
  fs::rename(notPrj, mTemp / "Plain");
  CProjectSession plain;
  EXPECT_EQ(plain.Open(mTemp / "Plain").failure, EOpenFailure::kRefusedProjectPath);
}

TEST_F(CProjectSessionTest, Open_WithoutWaveFolderSucceedsAndTheFolderBecomesTheSessions) {
  const std::string project = ProjectBuilder(mTemp.Path()).WithoutWaveFolder().Write();
  CProjectSession session;
  const Bris::SOpenResult result = session.Open(project);
  ASSERT_TRUE(result) << result.Describe();
  EXPECT_EQ(session.GetFolderPath() + "/", project);
  EXPECT_EQ(session.GetZelData().GetDeletedSize(Bris::CParameter::kWave), 999u);
  EXPECT_FALSE(session.IsModified());
#ifdef __linux__
  EXPECT_TRUE(session.GetDocument().AreRecordFilesKnownReadable());
#endif
}

TEST_F(CProjectSessionTest, Open_AnswersTheReadabilityCheckUntilAFolderItReadChanges) {
  const std::string project = BuildSong();
  CProjectSession session;
  ASSERT_TRUE(session.Open(project));
  Bris::CZelFileDocument& document = session.GetDocument();
#ifdef __linux__
  EXPECT_TRUE(document.AreRecordFilesKnownReadable());
#endif
  EXPECT_TRUE(document.IsWritePossibleTracked());

  // WHEN the wave's file is taken away after the opening read it
  const std::string wave = session.GetZelData().mWaves[0]->GetFilePath();
  fs::rename(wave, mTemp / "away.w00");
  EXPECT_FALSE(document.AreRecordFilesKnownReadable());
  EXPECT_FALSE(document.IsWritePossibleTracked());
  EXPECT_EQ(session.SaveAs(mTemp / "Copy.prj"), ESaveResult::kRefused);
  EXPECT_FALSE(fs::exists(mTemp / "Copy.prj"));
}

TEST_F(CProjectSessionTest, Registry_HoldsTheSessionForExactlyItsLifetime) {
  auto first = std::make_unique<CProjectSession>();
  CProjectSession second;
  ASSERT_TRUE(first->Open(BuildSong()));
  EXPECT_TRUE(IsRegistered(*first));
  EXPECT_TRUE(IsRegistered(second));
  // Only the modified projects are what the store asks about before it moves a file.
  EXPECT_TRUE(Bris::Domain().GetModifiedZelData().empty());
  first->SetModified(true);
  EXPECT_EQ(Bris::Domain().GetModifiedZelData(),
            std::vector<Bris::CZelData*>{&first->GetZelData()});

  first->Close();
  EXPECT_FALSE(first->IsOpen());
  EXPECT_EQ(Bris::Domain().GetOpenFileDocuments(),
            std::vector<Bris::CZelFileDocument*>{&second.GetDocument()});
  first.reset(); // closing twice does nothing
  {
    CProjectSession third;
    EXPECT_EQ(Bris::Domain().GetOpenFileDocuments().size(), 2u);
  }
  EXPECT_EQ(Bris::Domain().GetOpenFileDocuments().size(), 1u);
}

TEST_F(CProjectSessionTest, Save_ClearsTheModifiedFlagAndIsRefusedWhenTheFolderIsNoProject) {
  const std::string project = BuildSong();
  CProjectSession session;
  ASSERT_TRUE(session.Open(project));
  session.GetZelData().mPatches[0]->SetFinalName("Renamed", false);
  session.SetModified(true);
  EXPECT_EQ(session.Save(), ESaveResult::kSaved);
  EXPECT_FALSE(session.IsModified());
  EXPECT_TRUE(fs::exists(project + "Patch/001 Renamed.d00"));

  fs::remove_all(project + "Wave");
  session.SetModified(true);
  EXPECT_EQ(session.Save(), ESaveResult::kRefused);
  EXPECT_TRUE(session.IsModified());
}

TEST_F(CProjectSessionTest, SaveAs_AsksBeforeTheFirstDeletionOnlyAndNoLeavesTheTargetAsItWas) {
  const std::string song = BuildSong();
  const std::string other = ProjectBuilder(mTemp.Path(), "Other")
                                .Patch(5, PatchFile("Theirs"))
                                .RawFile("Patch/readme.txt", "kept")
                                .Write();
  const BrisTest::FolderContents otherBefore = BrisTest::ReadFolder(other);
  CProjectSession session;
  ASSERT_TRUE(session.Open(song));
  int asked = 0;
  EXPECT_EQ(session.SaveAs(other, [&] { return ++asked, false; }), ESaveResult::kDeclined);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(BrisTest::ReadFolder(other), otherBefore);
  EXPECT_EQ(session.GetZelData().mProjectPath, song);

  // A file where a subfolder belongs refuses the target before anything is asked or deleted.
  const std::string blocked = ProjectBuilder(mTemp.Path(), "Blocked").Write();
  fs::remove_all(blocked + "Patch");
  std::ofstream(blocked + "Patch") << "in the way";
  asked = 0;
  EXPECT_EQ(session.SaveAs(blocked, [&] { return ++asked, true; }), ESaveResult::kRefused);
  EXPECT_EQ(asked, 0);

  session.SetModified(true);
  EXPECT_EQ(session.SaveAs(other, [&] { return ++asked, true; }), ESaveResult::kSaved);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(session.GetFolderPath() + "/", other);
  EXPECT_FALSE(session.IsModified());
  EXPECT_EQ(BrisTest::ReadFileText(other + "Brisel System.s00"), "system bytes");
  EXPECT_FALSE(fs::exists(other + "Patch/005 Theirs.d00"));
  EXPECT_TRUE(fs::exists(other + "Patch/readme.txt")) << "only data files are deleted";
  EXPECT_TRUE(fs::exists(other + "Patch/001 Warm Pad.d00"));
  EXPECT_TRUE(fs::exists(song + "Patch/001 Warm Pad.d00")) << "the old folder stays as it was";
}

TEST_F(CProjectSessionTest, SaveAs_ThatFailsWhileWritingLeavesTheProjectWhereItWas) {
  const std::string song = BuildSong();
  auto document = std::make_unique<BrisTest::FaultyDocument>();
  BrisTest::FaultyDocument& faulty = *document;
  CProjectSession session(std::move(document));
  ASSERT_TRUE(session.Open(song));
  session.SetModified(true);
  const std::string target = mTemp / "Target.prj";
  fs::create_directory(target);
  faulty.mFailWhen = [](const std::string& destination) {
    return destination.find("/Tone/") != std::string::npos;
  };

  EXPECT_EQ(session.SaveAs(target), ESaveResult::kFailed);
  EXPECT_EQ(session.GetFolderPath() + "/", song);
  EXPECT_EQ(session.GetZelData().mProjectPath, song);
  EXPECT_TRUE(session.IsModified());

  faulty.mFailWhen = nullptr;
  EXPECT_EQ(session.Save(), ESaveResult::kSaved) << "the project still saves where it is";
}

// Many copies into one folder are checked against one listing of it; a copy that breaks off there
// still leaves no broken file behind, and the next try writes every file.
TEST_F(CProjectSessionTest, SaveAs_ThatFailsAfterManyCopiesIntoOneFolderLeavesNoBrokenFile) {
  // Enough files for the disk to be set writing while the copies are made.
  ProjectBuilder builder(mTemp.Path(), "Many");
  for (int wave = 1; wave <= 240; ++wave) {
    builder.Wave(wave, "W" + std::to_string(wave), 100);
  }
  const std::string many = builder.Write();
  auto document = std::make_unique<BrisTest::FaultyDocument>();
  BrisTest::FaultyDocument& faulty = *document;
  CProjectSession session(std::move(document));
  ASSERT_TRUE(session.Open(many));
  const std::string target = mTemp / "Copy.prj";
  fs::create_directory(target);
  faulty.mFailWhen = [](const std::string& destination) {
    return destination.find("/036 W36.w00") != std::string::npos;
  };

  EXPECT_EQ(session.SaveAs(target), ESaveResult::kFailed);
  // The waves before the broken copy are in place, as a write slot by slot leaves them; the
  // broken copy left nothing.
  const BrisTest::FolderContents written = BrisTest::ReadFolder(target + "/Wave");
  EXPECT_EQ(written.size(), 35U);
  EXPECT_EQ(written.count("036 W36.w00"), 0U);

  faulty.mFailWhen = nullptr;
  EXPECT_EQ(session.SaveAs(target), ESaveResult::kSaved);
  EXPECT_EQ(BrisTest::ReadFolder(target + "/Wave").size(), 240U);
}

} // namespace
