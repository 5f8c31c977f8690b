#include "store/CBriselDocument.h"

#include "domain/CDomain.h"
#include "store/CFileOperations.h"
#include "store/CSaveAsTarget.h"
#include "store/CSaveJournal.h"
#include "store/CSaveRecovery.h"
#include "store/CWorkFolderLock.h"
#include "store/WriteFixture.h"
#include "support/DataSetBuilder.h"
#include "support/ObservedFileOperations.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bris::CParameter;
using BrisTest::FolderContents;
using BrisTest::ReadFolder;

constexpr int kExitSaved = 3;
constexpr int kExitFailed = 4;

// File operations that end the process, as a crash or a power cut would, at their n-th step:
// no destructor runs and nothing the process still holds is flushed.
std::unique_ptr<Bris::CFileOperations> StoppingOperations(int stopAt) {
  return std::make_unique<BrisTest::ObservedFileOperations>(
      [stopAt, steps = 0](const std::string&, const std::string&) mutable {
        if (++steps == stopAt) {
          ::_exit(0);
        }
        return true;
      });
}

// A project A whose save moves, renames, removes, imports and rewrites memo files, and a project
// B, modified, holding a paste of one of A's patches, so that the save shelters too.
class CrashScenario {
public:
  explicit CrashScenario(const std::string& parent) : mParent(parent) {
    BrisTest::ProjectBuilder builder(parent, "Crash");
    for (int patch = 1; patch <= 8; ++patch) {
      builder.Patch(patch, BrisTest::PatchFile("P" + std::to_string(patch))
                               .Part(0, (patch - 1) % 5 + 1)
                               .FillSeed(static_cast<std::uint32_t>(100 + patch)));
      builder.Memo(CParameter::kPatch, patch, 0, "memo of patch " + std::to_string(patch));
    }
    for (int tone = 1; tone <= 6; ++tone) {
      builder.Tone(tone, BrisTest::ToneFile("T" + std::to_string(tone))
                             .Wave(0, tone % 4 + 1)
                             .FillSeed(static_cast<std::uint32_t>(200 + tone)));
    }
    for (int wave = 1; wave <= 5; ++wave) {
      builder.Wave(wave, "W" + std::to_string(wave), static_cast<std::uint64_t>(300 + wave));
    }
    builder.RawFile("Patch/003 Second.d00", BrisTest::PatchFile("Second").Bytes());
    mProjectA = builder.Write();
    mProjectB = BrisTest::ProjectBuilder(parent, "Other").Write();
    fs::create_directory(parent + "/in");
    std::ofstream(parent + "/in/Kick.wav", std::ios::binary) << "outside audio bytes";
    fs::create_directory(parent + "/work");
  }

  // The edits of the save, on documents opened from the folders.
  void OpenAndEdit(BrisTest::FaultyDocument& a, BrisTest::FaultyDocument& b) const {
    if (!BrisTest::OpenProject(a, mProjectA) || !BrisTest::OpenProject(b, mProjectB)) {
      ::_exit(kExitFailed);
    }
    Bris::CZelData& data = a.GetZelData();
    b.GetZelData().mPatches.ReplaceAt(0, data.mPatches.Get(4)->Clone());
    data.mPatches[1]->Initialize();
    data.mPatches.Get(1)->ClearPatchTone();
    data.mTones[5]->Initialize();
    BrisTest::RebuildBackReferences(data);
    for (int option = 0; option < Bris::CDomain::kCleanOptionCount; ++option) {
      Bris::Domain().SetCleanOption(option, 0);
    }
    a.CleanProject();
    data.mPatches[0]->SetFinalName("Renamed", false);
    data.mPatches[0]->SetMemo(1, "a new memo line");
    data.mTones[0]->SetFinalName("TR", false);
    const unsigned blankWave = data.GetDeletedIndexes(CParameter::kWave).front();
    data.mWaves[blankWave]->SetFilePath(mParent + "/in/Kick.wav");
    data.mWaves[blankWave]->SetFinalName("Kick", false);
  }

  // Opens, edits and saves in a child process whose file operations stop it at step stopAt (0:
  // never); with saveAsTarget, a Save As into that prepared folder. The child's exit status: 0
  // stopped, kExitSaved saved, kExitFailed failed.
  int SaveInChild(int stopAt, const std::string& saveAsTarget = std::string()) const {
    const pid_t child = ::fork();
    if (child == 0) {
      Bris::Domain().SetWorkFolderPath(WorkFolder());
      BrisTest::FaultyDocument a;
      BrisTest::FaultyDocument b;
      BrisTest::RegisteredDocument registeredA(a);
      BrisTest::RegisteredDocument registeredB(b);
      OpenAndEdit(a, b);
      a.SetFileOperations(StoppingOperations(stopAt));
      if (!saveAsTarget.empty()) {
        a.GetZelData().SetProjectName(saveAsTarget + "/");
      }
      ::_exit(a.WriteDocument(!saveAsTarget.empty()) ? kExitSaved : kExitFailed);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string WorkFolder() const { return mParent + "/work/"; }
  const std::string& ProjectA() const { return mProjectA; }
  const std::string& ProjectB() const { return mProjectB; }
  std::string Outside() const { return mParent + "/in"; }
  const std::string& Parent() const { return mParent; }

private:
  std::string mParent;
  std::string mProjectA;
  std::string mProjectB;
};

std::vector<std::string> NamesOf(const FolderContents& contents) {
  std::vector<std::string> names;
  for (const auto& [name, bytes] : contents) {
    names.push_back(name);
  }
  return names;
}

// A Save As target as the session prepares one: a new folder with empty Patch, Tone and Wave
// folders, which the save fills by staging each kind's files beside them.
std::string PrepareSaveAsTarget(const CrashScenario& scenario) {
  const std::string target = scenario.Parent() + "/Copy.prj";
  fs::create_directory(target);
  EXPECT_EQ(Bris::CSaveAsTarget(target).Prepare({}), Bris::CSaveAsTarget::EResult::kReady);
  return target;
}

class SaveCrashRecoveryTest : public ::testing::Test {
protected:
  void TearDown() override { Bris::Domain().SetWorkFolderPath(""); }

  // Stops the save (or the Save As) at its first, second, ... file step until one runs to its
  // end, and runs recovery after each stop.
  void StopAtEveryFileStep(bool saveAs, int leastCompletedRuns) {
    // GIVEN the folder an uninterrupted save leaves
    const CrashScenario reference(mTemp / "reference");
    const std::string referenceTarget = saveAs ? PrepareSaveAsTarget(reference) : std::string();
    const std::string& referenceWritten = saveAs ? referenceTarget : reference.ProjectA();
    const FolderContents before = ReadFolder(referenceWritten);
    ASSERT_EQ(reference.SaveInChild(0, referenceTarget), kExitSaved);
    const FolderContents saved = ReadFolder(referenceWritten);
    ASSERT_NE(saved, before);

    int completedRuns = 0;
    int untouchedRuns = 0;
    for (int stopAt = 1;; ++stopAt) {
      SCOPED_TRACE("stopped at file step " + std::to_string(stopAt));
      ASSERT_LT(stopAt, 2000) << "the save never ran to its end";
      const CrashScenario run(mTemp / ("run" + std::to_string(stopAt)));
      const std::string target = saveAs ? PrepareSaveAsTarget(run) : std::string();
      const std::string written = saveAs ? target : run.ProjectA();
      std::vector<std::string> unchanged = {run.ProjectB(), run.Outside()};
      if (saveAs) {
        unchanged.push_back(run.ProjectA());
      }
      std::vector<FolderContents> unchangedBefore;
      for (const std::string& folder : unchanged) {
        unchangedBefore.push_back(ReadFolder(folder));
      }
      // WHEN the save dies at its stopAt-th file step and recovery runs at the next start
      const int status = run.SaveInChild(stopAt, target);
      if (status == kExitSaved) {
        EXPECT_EQ(ReadFolder(written), saved);
        break;
      }
      ASSERT_EQ(status, 0);
      Bris::Domain().SetWorkFolderPath(run.WorkFolder());
      Bris::CFileOperations operations;
      const auto reports = Bris::CSaveRecovery(operations).RecoverAll(run.WorkFolder());

      // THEN the folder holds exactly what the save was writing, or, when the save died before
      // its first change, exactly what it held before; never a mix, a torn or a temporary file
      const FolderContents after = ReadFolder(written);
      if (reports.empty()) {
        EXPECT_EQ(NamesOf(after), NamesOf(before));
        EXPECT_TRUE(after == before);
        ++untouchedRuns;
      } else {
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_TRUE(reports[0].completed);
        EXPECT_EQ(reports[0].projectPath, saveAs ? target + "/" : run.ProjectA());
        EXPECT_EQ(NamesOf(after), NamesOf(saved));
        EXPECT_TRUE(after == saved);
        ++completedRuns;
      }
      // and no staging folder is left, nothing outside the plan was touched, and no journal is
      // left
      for (const auto& entry : fs::recursive_directory_iterator(written)) {
        EXPECT_NE(entry.path().filename().string().rfind(".brisel-", 0), 0u) << entry.path();
      }
      for (std::size_t i = 0; i < unchanged.size(); ++i) {
        EXPECT_EQ(ReadFolder(unchanged[i]), unchangedBefore[i]) << unchanged[i];
      }
      for (const auto& [name, bytes] : ReadFolder(run.WorkFolder())) {
        EXPECT_EQ(name.find(".brisel-journal"), std::string::npos) << name;
      }
    }
    EXPECT_GT(untouchedRuns, 5);
    EXPECT_GT(completedRuns, leastCompletedRuns);
  }

  BrisTest::TempFolder mTemp;
};

TEST_F(SaveCrashRecoveryTest, SaveStoppedAtEveryFileStep_IsFinishedByRecoveryOrLeftUntouched) {
  StopAtEveryFileStep(false, 10);
}

TEST_F(SaveCrashRecoveryTest, SaveAsStoppedAtEveryFileStep_LeavesTheTargetWhollySavedOrEmpty) {
  StopAtEveryFileStep(true, 2);
}

TEST_F(SaveCrashRecoveryTest, JournalWithALostTemporaryFile_RemovesNothingMoreAndKeepsTheRest) {
  // GIVEN a save that died right after committing its journal, and one of its new files lost
  std::string lost;
  std::unique_ptr<CrashScenario> run;
  for (int stopAt = 1; lost.empty(); ++stopAt) {
    ASSERT_LT(stopAt, 2000);
    run = std::make_unique<CrashScenario>(mTemp / ("run" + std::to_string(stopAt)));
    ASSERT_EQ(run->SaveInChild(stopAt), 0);
    Bris::CSaveJournal::SContents journal;
    if (!Bris::CSaveJournal::Read(Bris::CSaveJournal::PathFor(run->WorkFolder(), run->ProjectA()),
                                  journal) ||
        !journal.committed) {
      continue;
    }
    std::vector<std::string> waiting;
    for (const auto& step : journal.steps) {
      if (!step.temporary.empty() && fs::exists(step.temporary) && !fs::exists(step.destination)) {
        waiting.push_back(step.temporary);
      }
    }
    if (waiting.size() >= 2) {
      lost = waiting.front(); // a new file lost while a later one is still there
    }
  }
  fs::remove(lost);
  const FolderContents left = ReadFolder(run->ProjectA());
  Bris::CSaveJournal::SContents journal;
  ASSERT_TRUE(Bris::CSaveJournal::Read(
      Bris::CSaveJournal::PathFor(run->WorkFolder(), run->ProjectA()), journal));

  // WHEN recovery runs
  Bris::Domain().SetWorkFolderPath(run->WorkFolder());
  Bris::CFileOperations operations;
  const auto reports = Bris::CSaveRecovery(operations).RecoverAll(run->WorkFolder());

  // THEN it says what could not be restored and where the rest was kept, and destroyed nothing:
  // every file that was there is still there, in the kept folder, or among the removed files
  // (the steps before the lost file were done as the save would have); no file is gone
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_FALSE(reports[0].completed);
  EXPECT_FALSE(reports[0].unrestored.empty());
  ASSERT_TRUE(fs::is_directory(reports[0].keptFolder));
  EXPECT_FALSE(fs::exists(Bris::CSaveJournal::PathFor(run->WorkFolder(), run->ProjectA())));
  const FolderContents after = ReadFolder(run->ProjectA());
  FolderContents kept = ReadFolder(reports[0].keptFolder);
  for (auto& entry : ReadFolder(journal.removedFolder)) {
    kept.insert(entry);
  }
  auto userFiles = [](const FolderContents& contents) {
    return std::count_if(contents.begin(), contents.end(), [](const auto& entry) {
      return entry.first.find("/.brisel-") == std::string::npos;
    });
  };
  EXPECT_GE(userFiles(after) + static_cast<long>(kept.size()), userFiles(left));
}

TEST_F(SaveCrashRecoveryTest, UncommittedJournal_EmptiesOnlyItsOwnStagingFolders) {
  // GIVEN an uncommitted journal naming a staging folder with its files, and a user's folder
  const fs::path project = mTemp / "A.prj";
  const fs::path staging = project / ".brisel-7-1.tmp";
  fs::create_directories(staging);
  fs::create_directories(project / "Patch");
  std::ofstream(staging / "001 A.d00") << "staged";
  std::ofstream(project / "Patch/001 A.d00") << "the user's";
  Bris::CSaveJournal::SContents journal;
  journal.projectPath = project.string() + "/";
  journal.temporaries = {staging.string(), (project / "Patch").string()};
  const fs::path work = mTemp / "work";
  fs::create_directories(work);
  Bris::CFileOperations operations;
  ASSERT_TRUE(Bris::CSaveJournal::Write(
      operations, Bris::CSaveJournal::PathFor(work.string(), journal.projectPath), journal));

  // WHEN recovery runs
  Bris::CSaveRecovery(operations).RecoverAll(work.string());

  // THEN the staging folder is gone with its files, and the folder it does not own is untouched
  EXPECT_FALSE(fs::exists(staging));
  EXPECT_TRUE(fs::exists(project / "Patch/001 A.d00"));
}

TEST_F(SaveCrashRecoveryTest, WorkFolderMarker_TellsAnUncleanExitFromACleanOne) {
  const std::string work = mTemp.Path();
  {
    Bris::CWorkFolderLock first;
    ASSERT_TRUE(first.Acquire(work));
    EXPECT_FALSE(first.WasLeftByUncleanExit());
    Bris::CWorkFolderLock second;
    EXPECT_FALSE(second.Acquire(work)) << "a live session holds the folder";
  } // a clean exit releases it

  Bris::CWorkFolderLock afterCleanExit;
  ASSERT_TRUE(afterCleanExit.Acquire(work));
  EXPECT_FALSE(afterCleanExit.WasLeftByUncleanExit());
  afterCleanExit.Release();

  // A session that dies holding the folder leaves its marker behind.
  const pid_t child = ::fork();
  if (child == 0) {
    Bris::CWorkFolderLock crashed;
    ::_exit(crashed.Acquire(work) ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  Bris::CWorkFolderLock afterCrash;
  ASSERT_TRUE(afterCrash.Acquire(work));
  EXPECT_TRUE(afterCrash.WasLeftByUncleanExit());
}

} // namespace
