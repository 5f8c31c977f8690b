#include "index/CLibraryIndex.h"

#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bris::CLibraryIndex;
using Bris::CParameter;
using Bris::SIndexedSlot;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ToneFile;

constexpr std::size_t kNoLimit = 100000;

// "Song.prj/ patch 3 Warm Pad" for comparing results at a glance.
std::string Describe(const SIndexedSlot& slot) {
  const std::string project = fs::path(slot.projectPath).parent_path().filename().string();
  static const char* const kKinds[] = {"patch", "tone", "wave"};
  return project + " " + kKinds[slot.kind] + " " + std::to_string(slot.slotNumber) + " " +
         slot.name;
}

std::set<std::string> Describe(const std::vector<SIndexedSlot>& slots) {
  std::set<std::string> described;
  for (const auto& slot : slots) {
    described.insert(Describe(slot));
  }
  return described;
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class CLibraryIndexTest : public ::testing::Test {
protected:
  std::set<std::string> Find(CLibraryIndex& index, const std::string& text) {
    return Describe(index.Search(text, kNoLimit));
  }

  BrisTest::TempFolder mLibrary;
  BrisTest::TempFolder mData;
  std::string mDatabase = mData / "LibraryIndex.sqlite";
};

// GIVEN projects in nested folders, one folder that only looks like a project, and stray files
// WHEN the library is indexed THEN a search finds slots of every project by name and memo.
TEST_F(CLibraryIndexTest, Search_FindsNamesAndMemosAcrossProjectsAsTheStoreNamesThem) {
  const std::string song = ProjectBuilder(mLibrary.Path(), "Song")
                               .Patch(3, PatchFile("Warm Pad"))
                               .Patch(4, PatchFile("Bass"))
                               .Tone(1, ToneFile("Pad Layer"))
                               .Wave(12, "Kick", 64)
                               .Memo(CParameter::kWave, 12, 2, "Dry KICK from the 909")
                               .Memo(CParameter::kPatch, 4, 0, "warm and round")
                               .RawFile("Patch/readme.d00", "not a slot file")
                               .Patch(3, PatchFile("Zweites Pad")) // same number: useless
                               .Write();
  fs::create_directories(mLibrary / "Sets/Live");
  ProjectBuilder(mLibrary / "Sets/Live", "Gig")
      .Patch(1, PatchFile("PAD 2"))
      .Wave(1, "Loop", 64, ".WAV")
      .Memo(CParameter::kPatch, 1, 3, "warm")
      .Write();
  fs::create_directories(mLibrary / "Fake.prj/Patch"); // no "Tone/": no project
  WriteText(mLibrary / "Fake.prj/Patch/001 Pad.d00", "x");

  CLibraryIndex index(mDatabase);
  const auto report = index.Update({mLibrary.Path()});
  EXPECT_TRUE(report.completed);
  EXPECT_EQ(report.projectsFound, 2u);
  EXPECT_EQ(report.projectsRead, 2u);

  EXPECT_EQ(Find(index, "pad"),
            (std::set<std::string>{"Song.prj patch 3 Warm Pad", "Song.prj tone 1 Pad Layer",
                                   "Gig.prj patch 1 PAD 2"}));
  EXPECT_EQ(Find(index, "WARM"),
            (std::set<std::string>{"Song.prj patch 3 Warm Pad", "Song.prj patch 4 Bass",
                                   "Gig.prj patch 1 PAD 2"}));
  EXPECT_EQ(Find(index, "warm pad"),
            (std::set<std::string>{"Song.prj patch 3 Warm Pad", "Gig.prj patch 1 PAD 2"}));
  EXPECT_EQ(Find(index, "kick 909"), (std::set<std::string>{"Song.prj wave 12 Kick"}));
  EXPECT_EQ(Find(index, "loop"), (std::set<std::string>{"Gig.prj wave 1 Loop"}));
  EXPECT_TRUE(Find(index, "readme").empty());
  EXPECT_TRUE(Find(index, "zweites").empty());
  EXPECT_EQ(Find(index, "").size(), 6u);
  EXPECT_EQ(index.Search("", 2).size(), 2u);

  const auto kick = index.Search("909", 10);
  ASSERT_EQ(kick.size(), 1u);
  EXPECT_EQ(kick[0].projectPath, song);
  EXPECT_EQ(kick[0].kind, CParameter::kWave);
  EXPECT_EQ(kick[0].slotNumber, 12);
  EXPECT_EQ(kick[0].memos, (std::array<std::string, 4>{"", "", "Dry KICK from the 909", ""}));

  // A second connection reads what the first wrote.
  CLibraryIndex reader(mDatabase);
  EXPECT_EQ(Find(reader, "loop"), (std::set<std::string>{"Gig.prj wave 1 Loop"}));
}

// GIVEN an indexed library WHEN one project's slot file is renamed, another's memo file
// changes, one is deleted and the library list changes THEN only those are read again, and
// what is gone disappears.
TEST_F(CLibraryIndexTest, Update_ReadsOnlyChangedProjectsAndDropsWhatIsGone) {
  ProjectBuilder renamed(mLibrary.Path(), "Renamed");
  renamed.Patch(1, PatchFile("Old Name")).Write();
  ProjectBuilder memo(mLibrary.Path(), "Memo");
  memo.Tone(2, ToneFile("Strings")).Memo(CParameter::kTone, 2, 0, "before").Write();
  const std::string unchanged =
      ProjectBuilder(mLibrary.Path(), "Unchanged").Wave(5, "Snare", 64).Write();
  const std::string doomed = ProjectBuilder(mLibrary.Path(), "Doomed").Wave(1, "Gone").Write();
  BrisTest::TempFolder otherLibrary;
  ProjectBuilder(otherLibrary.Path(), "Elsewhere").Patch(9, PatchFile("Far Away")).Write();

  CLibraryIndex index(mDatabase);
  EXPECT_EQ(index.Update({mLibrary.Path(), otherLibrary.Path()}).projectsRead, 5u);
  const auto again = index.Update({mLibrary.Path(), otherLibrary.Path()});
  EXPECT_TRUE(again.completed);
  EXPECT_EQ(again.projectsFound, 5u);
  EXPECT_EQ(again.projectsRead, 0u);
  EXPECT_EQ(index.GetProjectReadCount(), 5u);

  fs::rename(renamed.SlotPath(CParameter::kPatch, 1, "Old Name", ".d00"),
             renamed.SlotPath(CParameter::kPatch, 1, "New Name", ".d00"));
  std::string toneMemos(4 * 896, '\n');
  toneMemos.insert(4, "after, and longer"); // slot 2, memo 1
  WriteText(memo.ProjectPath() + "ToneMemo.txt", toneMemos);
  fs::remove_all(doomed);

  const auto changed = index.Update({mLibrary.Path(), otherLibrary.Path()});
  EXPECT_EQ(changed.projectsFound, 3u + 1u);
  EXPECT_EQ(changed.projectsRead, 2u);
  EXPECT_EQ(changed.projectsRemoved, 1u);
  EXPECT_EQ(Find(index, "new name"), (std::set<std::string>{"Renamed.prj patch 1 New Name"}));
  EXPECT_TRUE(Find(index, "old").empty());
  EXPECT_EQ(Find(index, "after"), (std::set<std::string>{"Memo.prj tone 2 Strings"}));
  EXPECT_TRUE(Find(index, "before").empty());
  EXPECT_TRUE(Find(index, "gone").empty());
  EXPECT_EQ(Find(index, "snare"), (std::set<std::string>{"Unchanged.prj wave 5 Snare"}));

  // A folder taken off the library list takes its projects along.
  const auto fewer = index.Update({mLibrary.Path()});
  EXPECT_EQ(fewer.projectsRemoved, 1u);
  EXPECT_EQ(fewer.projectsRead, 0u);
  EXPECT_TRUE(Find(index, "far").empty());
  EXPECT_EQ(Find(index, "").size(), 3u);
}

// GIVEN a library with a link back up to itself and a second path to the same project WHEN it
// is indexed THEN the walk ends and the project is indexed once.
TEST_F(CLibraryIndexTest, Update_FollowsLinksButNeverLoops) {
  ProjectBuilder(mLibrary.Path(), "Linked").Patch(1, PatchFile("Once")).Write();
  fs::create_directories(mLibrary / "Deeper");
  fs::create_directory_symlink(mLibrary.Path(), mLibrary / "Deeper/Loop");
  fs::create_directory_symlink(mLibrary / "Linked.prj", mLibrary / "Deeper/Alias.prj");
  CLibraryIndex index(mDatabase);
  const auto report = index.Update({mLibrary.Path(), mLibrary / "Deeper"});
  EXPECT_TRUE(report.completed);
  EXPECT_EQ(report.projectsFound, 1u);
  EXPECT_EQ(index.Search("once", kNoLimit).size(), 1u);
}

// GIVEN an index file that is damaged in one of several ways WHEN the index is opened and
// updated THEN it is rebuilt and finds what the library holds.
TEST_F(CLibraryIndexTest, DamagedIndex_IsRebuilt) {
  ProjectBuilder(mLibrary.Path(), "Song").Patch(7, PatchFile("Choir")).Write();
  {
    CLibraryIndex good(mDatabase);
    ASSERT_TRUE(good.Update({mLibrary.Path()}).completed);
  }
  const std::string goodBytes = BrisTest::ReadFileText(mDatabase);
  ASSERT_GT(goodBytes.size(), 4096u);

  struct SDamage {
    const char* what;
    std::function<void()> apply;
  };
  const std::vector<SDamage> damages = {
      {"not a database", [&] { WriteText(mDatabase, std::string(10000, 'x')); }},
      {"cut short", [&] { WriteText(mDatabase, goodBytes.substr(0, goodBytes.size() / 2)); }},
      {"pages overwritten",
       [&] {
         std::string bytes = goodBytes;
         for (std::size_t i = 4096; i < bytes.size(); i += 7) {
           bytes[i] = static_cast<char>(i * 31);
         }
         WriteText(mDatabase, bytes);
       }},
      {"another version",
       [&] {
         WriteText(mDatabase, goodBytes);
         Bris::CSqliteDatabase db;
         ASSERT_TRUE(db.Open(mDatabase));
         ASSERT_TRUE(db.Execute("PRAGMA user_version = 99"));
       }},
      {"garbage beside it",
       [&] {
         WriteText(mDatabase, std::string(5000, '\xFF'));
         WriteText(mDatabase + "-wal", std::string(70000, '\x17'));
         WriteText(mDatabase + "-shm", std::string(32768, '\x7F'));
         WriteText(mDatabase + "-journal", std::string(600, '\x01'));
       }},
  };
  for (const auto& damage : damages) {
    SCOPED_TRACE(damage.what);
    damage.apply();
    CLibraryIndex index(mDatabase);
    const auto report = index.Update({mLibrary.Path()});
    EXPECT_TRUE(report.completed);
    EXPECT_GE(index.GetRebuildCount(), 1u);
    EXPECT_TRUE(index.IsPersistent());
    EXPECT_EQ(Find(index, "choir"), (std::set<std::string>{"Song.prj patch 7 Choir"}));
    CLibraryIndex reopened(mDatabase);
    EXPECT_EQ(reopened.GetRebuildCount(), 0u);
    EXPECT_EQ(Find(reopened, "choir").size(), 1u);
  }
}

// GIVEN a reader open on the index WHEN another connection rebuilds the index and updates it
// on another thread THEN the reader finds the new contents.
TEST_F(CLibraryIndexTest, Reader_FollowsAnUpdateOnAnotherThreadEvenAfterARebuild) {
  ProjectBuilder(mLibrary.Path(), "Song").Tone(3, ToneFile("Brass")).Write();
  CLibraryIndex reader(mDatabase);
  EXPECT_TRUE(Find(reader, "brass").empty());
  WriteText(mDatabase, "damaged while the reader was open");
  std::thread worker([this] {
    CLibraryIndex writer(mDatabase);
    writer.Update({mLibrary.Path()});
  });
  worker.join();
  EXPECT_EQ(Find(reader, "brass"), (std::set<std::string>{"Song.prj tone 3 Brass"}));
}

// GIVEN an index path where no file can be made WHEN the index is used THEN it works in memory.
TEST_F(CLibraryIndexTest, UnwritablePath_KeepsTheIndexInMemory) {
  ProjectBuilder(mLibrary.Path(), "Song").Tone(3, ToneFile("Brass")).Write();
  fs::create_directories(mDatabase + "/in the way");
  CLibraryIndex index(mDatabase);
  EXPECT_TRUE(index.Update({mLibrary.Path()}).completed);
  EXPECT_FALSE(index.IsPersistent());
  EXPECT_EQ(Find(index, "brass").size(), 1u);
  EXPECT_TRUE(fs::is_directory(mDatabase + "/in the way"));
}

} // namespace
