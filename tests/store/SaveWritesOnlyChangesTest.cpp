#include "store/CBriselDocument.h"

#include "domain/CDomain.h"
#include "store/CFileOperations.h"
#include "store/WriteFixture.h"
#include "support/ObservedFileOperations.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using Bris::CParameter;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ToneFile;

// File operations that log every changing step with the path it touches (a flush changes
// nothing), and pass the step on.
std::unique_ptr<Bris::CFileOperations> LoggingOperations(std::vector<std::string>& log) {
  return std::make_unique<BrisTest::ObservedFileOperations>(
      [&log](const std::string& step, const std::string& path) {
        if (step != "flush") {
          log.push_back(step + " " + path);
        }
        return true;
      });
}

// Every file of the folder with its modification time in nanoseconds.
std::map<std::string, long long> ModificationTimes(const std::string& folder) {
  std::map<std::string, long long> times;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    struct stat info = {};
    if (entry.is_regular_file() && ::stat(entry.path().c_str(), &info) == 0) {
      times[fs::relative(entry.path(), folder).string()] =
          static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
    }
  }
  return times;
}

class SaveWritesOnlyChangesTest : public BrisTest::WriteTestBase {
protected:
  void SetUp() override {
    WriteTestBase::SetUp();
    ProjectBuilder builder(mTemp.Path(), "Song");
    builder.Patch(1, PatchFile("One").Part(0, 1).Part(1, 2).FillSeed(101))
        .Patch(2, PatchFile("Two").Part(0, 3).FillSeed(102))
        .Patch(4, PatchFile("Four").Part(0, 2).FillSeed(104))
        .Tone(1, ToneFile("T1").Wave(0, 1).Wave(5, 2).FillSeed(201))
        .Tone(2, ToneFile("T2").Wave(0, 2).FillSeed(202))
        .Tone(3, ToneFile("T3").FillSeed(203))
        .Wave(1, "W1", 1001)
        .Wave(2, "W2", 1002)
        .Memo(CParameter::kPatch, 1, 0, "first")
        .Memo(CParameter::kTone, 2, 3, "tone memo")
        .Memo(CParameter::kWave, 1, 1, "wave memo");
    mProject = builder.Write();
    ASSERT_TRUE(BrisTest::OpenProject(mDocument, mProject));
    mDocument.SetFileOperations(LoggingOperations(mLog));
    mTimes = ModificationTimes(mProject);
  }

  // The logged steps that touched the project folder (the journal lives in the work folder).
  std::vector<std::string> ProjectSteps() const {
    std::vector<std::string> steps;
    for (const std::string& step : mLog) {
      if (step.find(mProject) != std::string::npos) {
        steps.push_back(step);
      }
    }
    return steps;
  }
  // The files whose modification time changed or that appeared or went.
  std::set<std::string> TouchedFiles() const {
    const auto now = ModificationTimes(mProject);
    std::set<std::string> touched;
    for (const auto& [file, time] : mTimes) {
      const auto found = now.find(file);
      if (found == now.end() || found->second != time) {
        touched.insert(file);
      }
    }
    for (const auto& [file, time] : now) {
      if (mTimes.count(file) == 0) {
        touched.insert(file);
      }
    }
    return touched;
  }

  Bris::CBriselDocument mDocument;
  BrisTest::RegisteredDocument mRegistered{mDocument};
  std::vector<std::string> mLog;
  std::string mProject;
  std::map<std::string, long long> mTimes;
};

TEST_F(SaveWritesOnlyChangesTest, UnchangedSaves_WriteNothingAndKeepEveryModificationTime) {
  const BrisTest::FolderContents before = BrisTest::ReadFolder(mProject);
  for (int save = 0; save < 2; ++save) {
    ASSERT_TRUE(mDocument.WriteDocument(false));
  }
  EXPECT_EQ(mLog, std::vector<std::string>());
  EXPECT_EQ(TouchedFiles(), std::set<std::string>());
  EXPECT_EQ(BrisTest::ReadFolder(mProject), before);
}

TEST_F(SaveWritesOnlyChangesTest,
       SaveAfterOneRename_TouchesThatSlotsFileAndOnlyTheChangedMemoFile) {
  // WHEN patch 2 is renamed: only its file moves, no memo file changes
  mDocument.GetZelData().mPatches[1]->SetFinalName("Renamed", false);
  ASSERT_TRUE(mDocument.WriteDocument(false));
  EXPECT_EQ(ProjectSteps(),
            std::vector<std::string>{"rename " + mProject + "Patch/002 Two.d00 -> " + mProject +
                                     "Patch/002 Renamed.d00"});
  EXPECT_EQ(TouchedFiles(), (std::set<std::string>{"Patch/002 Renamed.d00", "Patch/002 Two.d00"}));

  // WHEN tone 3 is renamed and given a memo: its file and the tone memo file alone change
  mLog.clear();
  mTimes = ModificationTimes(mProject);
  mDocument.GetZelData().mTones[2]->SetFinalName("Bell", false);
  mDocument.GetZelData().mTones[2]->SetMemo(0, "bright");
  ASSERT_TRUE(mDocument.WriteDocument(false));
  EXPECT_EQ(TouchedFiles(),
            (std::set<std::string>{"Tone/003 Bell.p00", "Tone/003 T3.p00", "ToneMemo.txt"}));
  for (const std::string& step : ProjectSteps()) {
    EXPECT_TRUE(step.find("Tone/003 ") != std::string::npos ||
                step.find("ToneMemo.txt") != std::string::npos ||
                step.find("/.brisel-") != std::string::npos)
        << step;
  }
}

} // namespace
