#include "tools/brisel/CBriselTool.h"

#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "store/CFileOperations.h"
#include "store/CProjectSession.h"
#include "store/CSaveJournal.h"
#include "support/DropSimulator.h"
#include "support/ProjectFixture.h"
#include "support/ScriptedTextOut.h"
#include "tools/brisel/CFreedesktopTrash.h"
#include "tools/brisel/CToolWorkFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using Bris::CParameter;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ToneFile;

struct SRun {
  int status;
  std::string out;
  std::string err;
};

SRun Brisel(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = BrisTool::CBriselTool().Run(args, out, err);
  return {status, out.str(), err.str()};
}

// Every file below folder by its relative path, with its bytes.
std::map<std::string, std::vector<unsigned char>> Snapshot(const std::string& folder) {
  std::map<std::string, std::vector<unsigned char>> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[fs::relative(entry.path(), folder).string()] =
          BrisTest::ReadFileBytes(entry.path().string());
    }
  }
  return files;
}

// Two patches on tones and waves, a third on a tone of its own, memos, one system file.
std::string WriteSource(const std::string& parent, const std::string& name = "Source") {
  return ProjectBuilder(parent, name)
      .Patch(1, PatchFile("Warm Pad").Part(0, 1).Part(1, 2))
      .Patch(2, PatchFile("Bass").Part(0, 2))
      .Patch(3, PatchFile("Bell").Part(0, 3))
      .Tone(1, ToneFile("Strings").Wave(0, 1))
      .Tone(2, ToneFile("Sub").Wave(0, 2).Wave(1, 1))
      .Tone(3, ToneFile("Chime").Wave(0, 3))
      .Tone(5, ToneFile("Unused"))
      .Wave(1, "Saw", 300)
      .Wave(2, "Sine", 200)
      .Wave(3, "Bell", 100)
      .Memo(CParameter::kPatch, 1, 0, "lush")
      .RawFile("Brisel System.s00", "system")
      .Write();
}

std::string WriteTarget(const std::string& parent, const std::string& name = "Target") {
  return ProjectBuilder(parent, name)
      .Patch(1, PatchFile("Lead").Part(0, 1))
      .Tone(1, ToneFile("Square").Wave(0, 1))
      .Wave(1, "Pulse", 120)
      .Write();
}

// The drop edit as the application's row drag performs it, then the saves the document does.
void DropThroughTheApplicationPath(const std::string& sourcePath, const std::string& targetPath,
                                   const BrisTest::SDrop& shape) {
  BrisTest::TempFolder work;
  BrisTool::CFreedesktopTrash trash(work / "Trash");
  Bris::CFileOperations::SetTrash(&trash);
  Bris::Domain().Reset();
  Bris::Domain().SetPathDelimiter("/");
  Bris::Domain().SetWorkFolderPath(work.Path() + "/");
  BrisTest::ScriptedTextOut::InstallAsErrorOut();
  {
    Bris::CProjectSession source;
    Bris::CProjectSession target;
    ASSERT_TRUE(source.Open(sourcePath));
    ASSERT_TRUE(target.Open(targetPath));
    BrisTest::SDrop drop = shape;
    drop.source = &source.GetZelData();
    drop.target = &target.GetZelData();
    ASSERT_GT(BrisTest::PerformDrop(drop), 0);
    target.SetModified(true);
    source.SetModified(!drop.copy);
    ASSERT_EQ(target.Save(), Bris::CProjectSession::ESaveResult::kSaved);
    if (!drop.copy) {
      ASSERT_EQ(source.Save(), Bris::CProjectSession::ESaveResult::kSaved);
    }
  }
  Bris::Domain().Reset();
  Bris::CFileOperations::SetTrash(nullptr);
}

TEST(BriselToolTest, Copy_LeavesTheSameFoldersAsTheApplicationsDropEdit) {
  struct SCase {
    std::vector<std::string> args; // after SRC: KIND RANGE, DST SLOT appended
    BrisTest::SDrop drop;
  };
  const std::vector<SCase> cases = {
      {{"patch", "1-2", "4"}, {nullptr, nullptr, CParameter::kPatch, {0, 1}, 3, false, true}},
      {{"patch", "2-3", "1", "--insert", "--move"},
       {nullptr, nullptr, CParameter::kPatch, {1, 2}, 0, true, false}},
      {{"tone", "2", "4", "--move"}, {nullptr, nullptr, CParameter::kTone, {1}, 3, false, false}},
      {{"wave", "1-3", "1", "--insert"},
       {nullptr, nullptr, CParameter::kWave, {0, 1, 2}, 0, true, true}},
  };
  for (const SCase& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args[1]);
    BrisTest::TempFolder app;
    BrisTest::TempFolder tool;
    DropThroughTheApplicationPath(WriteSource(app.Path()), WriteTarget(app.Path()), c.drop);

    std::vector<std::string> args = {"copy",    WriteSource(tool.Path()), c.args[0],
                                     c.args[1], WriteTarget(tool.Path()), c.args[2]};
    args.insert(args.end(), c.args.begin() + 3, c.args.end());
    const SRun run = Brisel(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Snapshot(tool / "Target.prj"), Snapshot(app / "Target.prj"));
    EXPECT_EQ(Snapshot(tool / "Source.prj"), Snapshot(app / "Source.prj"));
  }
}

TEST(BriselToolTest, SameProjectMoveAndQuestions_StopWithoutYesAndChangeNothing) {
  BrisTest::TempFolder temp;
  const std::string project = WriteSource(temp.Path());
  const auto before = Snapshot(project);
  // Earlier tests of this process may have trashed a file of the same name.
  const std::string trash = std::string(std::getenv("XDG_DATA_HOME")) + "/Trash/";
  fs::remove_all(trash);

  // Replacing used slots asks first: without --yes the command stops at the question.
  SRun run = Brisel({"copy", project, "patch", "1", project, "2"});
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.err.find("replace the entries"), std::string::npos) << run.err;
  EXPECT_EQ(Snapshot(project), before);

  run = Brisel({"copy", project, "patch", "1", project, "2", "--dry-run", "--yes"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("trash    Patch/002 Bass.d00"), std::string::npos) << run.out;
  EXPECT_EQ(Snapshot(project), before);

  run = Brisel({"copy", project, "patch", "1", project, "2", "--yes", "--move"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(temp / "Source.prj/Patch/002 Warm Pad.d00"));
  EXPECT_FALSE(fs::exists(temp / "Source.prj/Patch/001 Warm Pad.d00"));
  EXPECT_FALSE(fs::exists(temp / "Source.prj/Patch/002 Bass.d00"));
  // The replaced file went to the desktop's Trash, with where it came from.
  EXPECT_TRUE(fs::exists(trash + "files/002 Bass.d00"));
  EXPECT_NE(BrisTest::ReadFileText(trash + "info/002 Bass.d00.trashinfo")
                .find("Path=" + temp.Path() + "/Source.prj/Patch/002%20Bass.d00"),
            std::string::npos);
  fs::remove_all(trash);
}

TEST(BriselToolTest, ExitStatusesAndMessages) {
  BrisTest::TempFolder temp;
  const std::string project = WriteSource(temp.Path());
  EXPECT_EQ(Brisel({}).status, 2);
  EXPECT_EQ(Brisel({"frobnicate"}).status, 2);
  EXPECT_EQ(Brisel({"list", project, "--kind", "sample"}).status, 2);
  EXPECT_EQ(Brisel({"copy", project, "patch", "3-1", project, "1"}).status, 2);
  EXPECT_EQ(Brisel({"copy", project, "patch", "1", project, "513"}).status, 2);
  EXPECT_EQ(Brisel({"save-as", project, temp / "Copy"}).status, 2);
  const SRun help = Brisel({"copy", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--insert"), std::string::npos);
  const SRun version = Brisel({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.out.find("brisel "), std::string::npos);

  const SRun missing = Brisel({"info", temp / "Gone.prj"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find(temp / "Gone.prj"), std::string::npos);
  EXPECT_TRUE(missing.out.empty());
  const SRun blank = Brisel({"copy", project, "patch", "100", project, "200"});
  EXPECT_EQ(blank.status, 1);
  EXPECT_FALSE(blank.err.empty());

  const SRun info = Brisel({"info", project});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("Patches:      3 of 512"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Tones:        4 of 896"), std::string::npos);
  EXPECT_NE(info.out.find("(600 of 67107840 bytes)"), std::string::npos);
  EXPECT_NE(info.out.find("System files: Brisel System.s00"), std::string::npos);
}

TEST(BriselToolTest, Check_ReportsEachKindOfBrokenInput) {
  BrisTest::TempFolder temp;
  const std::string clean = WriteSource(temp.Path(), "Clean");
  const SRun ok = Brisel({"check", clean});
  EXPECT_EQ(ok.status, 0) << ok.out;
  EXPECT_NE(ok.out.find("No problems found"), std::string::npos);

  const std::string unreadable = ProjectBuilder(temp.Path(), "Broken")
                                     .Patch(1, PatchFile("Fine"))
                                     .RawFile("Patch/002 Short.d00", "SVD0")
                                     .RawFile("Tone/001 Wrong.p00", std::string(2000, 'x'))
                                     .Patch(3, PatchFile("Twin A"))
                                     .Patch(3, PatchFile("Twin B"))
                                     .RawFile("Patch/Stray.d00", std::string(400, 'x'))
                                     .RawFile("Patch/600 Far.d00", std::string(400, 'x'))
                                     .Write();
  SRun run = Brisel({"check", unreadable, "--json"});
  EXPECT_EQ(run.status, 1) << run.out << run.err;
  std::multimap<std::string, unsigned> found;
  const nlohmann::json report = nlohmann::json::parse(run.out);
  for (const auto& problem : report["problems"]) {
    found.emplace(problem["problem"].get<std::string>(), problem["slot"].get<unsigned>());
  }
  ASSERT_EQ(found.count("too-short"), 1u);
  EXPECT_EQ(found.find("too-short")->second, 2u);
  EXPECT_EQ(found.count("wrong-signature"), 1u);
  ASSERT_EQ(found.count("duplicate-slot-number"), 1u);
  EXPECT_EQ(found.find("duplicate-slot-number")->second, 3u);
  EXPECT_EQ(found.count("name-fits-no-slot"), 1u);
  EXPECT_EQ(found.count("beyond-list"), 1u);

  const std::string references = ProjectBuilder(temp.Path(), "Refs")
                                     .Patch(1, PatchFile("Lost").Part(0, 7))
                                     .Patch(2, PatchFile("Far").Part(0, 900))
                                     .Tone(1, ToneFile("Gap").Wave(0, 4))
                                     .Wave(1, "Huge", 70000000)
                                     .Write();
  const std::string work = BrisTool::CToolWorkFolder::DefaultPath();
  fs::create_directories(work);
  Bris::CFileOperations operations;
  Bris::CSaveJournal::SContents journal;
  journal.projectPath = references;
  ASSERT_TRUE(Bris::CSaveJournal::Write(operations, Bris::CSaveJournal::PathFor(work, references),
                                        journal));
  run = Brisel({"check", references});
  EXPECT_EQ(run.status, 1);
  for (const char* expected :
       {"reference-to-blank-slot (patch 1)", "reference-beyond-list (patch 2)",
        "reference-to-blank-slot (tone 1)", "wave-memory", "interrupted-save"}) {
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
  }
  fs::remove(Bris::CSaveJournal::PathFor(work, references));

  run = Brisel({"check", temp / "Clean.prj/Patch"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("not-a-project"), std::string::npos);
}

TEST(BriselToolTest, CleanImportSaveAsAndList_ChangeTheFolderOnlyWithoutDryRun) {
  BrisTest::TempFolder temp;
  const std::string project = WriteSource(temp.Path());
  const auto before = Snapshot(project);

  // GIVEN tone 5 that no patch plays; a dry run only prints the plan
  SRun run = Brisel({"clean", project, "--dry-run"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("trash    Tone/005 Unused.p00"), std::string::npos) << run.out;
  EXPECT_EQ(Snapshot(project), before);
  // Kept, but the gap before it closes: tone 4 is blank.
  run = Brisel({"clean", project, "--keep-tones"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(temp / "Source.prj/Tone/004 Unused.p00"));
  run = Brisel({"clean", project});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(fs::exists(temp / "Source.prj/Tone/004 Unused.p00"));

  // WHEN an audio file is imported, it lands in the first blank wave slot
  BrisTest::ProjectBuilder(temp.Path(), "Audio").RawFile("Kick.wav", "RIFF....WAVEfmt ").Write();
  EXPECT_EQ(Brisel({"import", project, temp / "Audio.prj/Kick.wav", "--dry-run"}).status, 0);
  EXPECT_FALSE(fs::exists(temp / "Source.prj/Wave/004 Kick.wav"));
  run = Brisel({"import", project, temp / "Audio.prj/Kick.wav"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(BrisTest::ReadFileText(temp / "Source.prj/Wave/004 Kick.wav"), "RIFF....WAVEfmt ");
  EXPECT_EQ(Brisel({"import", project, temp / "Audio.prj/notes.txt"}).status, 1);
  // The run's own copies in the work folder are gone again.
  for (const auto& entry : fs::directory_iterator(BrisTool::CToolWorkFolder::DefaultPath())) {
    EXPECT_FALSE(entry.is_regular_file() && entry.path().extension() == ".wav") << entry.path();
  }

  // save-as brings the system file along and leaves the original as it is
  const auto saved = Snapshot(project);
  EXPECT_EQ(Brisel({"save-as", project, temp / "Copy.prj", "--dry-run"}).status, 0);
  EXPECT_FALSE(fs::exists(temp / "Copy.prj"));
  run = Brisel({"save-as", project, temp / "Copy.prj"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Snapshot(temp / "Copy.prj"), saved);
  EXPECT_EQ(Snapshot(project), saved);
  // A dry run into it names every file the save as would delete first, and deletes none.
  run = Brisel({"save-as", project, temp / "Copy.prj", "--dry-run"});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* sub : {"Patch", "Tone", "Wave"}) {
    for (const auto& entry : fs::directory_iterator(temp / "Copy.prj" + "/" + sub)) {
      EXPECT_NE(run.out.find("delete   " + entry.path().string()), std::string::npos)
          << entry.path() << "\n"
          << run.out;
    }
  }
  EXPECT_EQ(Snapshot(temp / "Copy.prj"), saved);
  // Into a folder that holds files only with --yes.
  EXPECT_EQ(Brisel({"save-as", project, temp / "Copy.prj"}).status, 3);
  EXPECT_EQ(Brisel({"save-as", project, temp / "Copy.prj", "--yes"}).status, 0);

  run = Brisel({"list", temp / "Copy.prj", "--kind", "patch", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto slots = nlohmann::json::parse(run.out);
  ASSERT_EQ(slots.size(), 3u);
  EXPECT_EQ(slots[0]["name"], "Warm Pad");
  EXPECT_EQ(slots[0]["memos"][0], "lush");
  EXPECT_EQ(slots[0]["tones"], nlohmann::json({1, 2}));
  run = Brisel({"list", temp / "Copy.prj", "--kind", "tone"});
  EXPECT_NE(run.out.find("tone 002  Sub  waves 001 002"), std::string::npos) << run.out;
}

TEST(BriselToolTest, Recover_FinishesACommittedJournalAndPreviewsItFirst) {
  BrisTest::TempFolder temp;
  const std::string project = WriteTarget(temp.Path());
  const std::string work = BrisTool::CToolWorkFolder::DefaultPath();
  fs::create_directories(work);
  // GIVEN a save that had made its new file durable and committed, then died
  const std::string temporary = project + "Patch/.brisel-tmp-1";
  std::ofstream(temporary) << "new bytes";
  Bris::CSaveJournal::SContents journal;
  journal.projectPath = project;
  journal.temporaries = {temporary};
  Bris::CWritePlan::SStep place;
  place.step = Bris::CWritePlan::EStep::kPlace;
  place.temporary = temporary;
  place.destination = project + "Patch/002 New.d00";
  journal.steps = {place};
  journal.committed = true;
  Bris::CFileOperations operations;
  ASSERT_TRUE(
      Bris::CSaveJournal::Write(operations, Bris::CSaveJournal::PathFor(work, project), journal));

  SRun run = Brisel({"recover", "--dry-run"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("002 New.d00"), std::string::npos) << run.out;
  EXPECT_FALSE(fs::exists(project + "Patch/002 New.d00"));

  run = Brisel({"recover", project});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(BrisTest::ReadFileText(project + "Patch/002 New.d00"), "new bytes");
  EXPECT_FALSE(fs::exists(Bris::CSaveJournal::PathFor(work, project)));
  EXPECT_NE(Brisel({"recover"}).out.find("No interrupted save"), std::string::npos);
}

} // namespace
