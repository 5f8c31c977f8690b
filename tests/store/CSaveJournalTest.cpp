#include "store/CSaveJournal.h"

#include <gtest/gtest.h>

namespace {

using Bris::CSaveJournal;
using EStep = Bris::CWritePlan::EStep;

Bris::CWritePlan::SStep Step(EStep verb, std::string source, std::string temporary,
                             std::string destination) {
  Bris::CWritePlan::SStep step;
  step.step = verb;
  step.source = std::move(source);
  step.temporary = std::move(temporary);
  step.destination = std::move(destination);
  return step;
}

// A journal left by a save that did not finish is read by a later start, perhaps of a newer
// version: its bytes must stay as they were, and every name must come back as it went in.
TEST(CSaveJournalTest, FormatKeepsItsBytesAndParsesBackEveryNameAndVerb) {
  CSaveJournal::SContents contents;
  contents.projectPath = "/music/100% Song.prj/";
  contents.removedFolder = "/work/Removed\tfiles";
  contents.temporaries = {"/music/Patch/.001 a\nb.tmp", "/music/Patch/.staged\r"};
  contents.steps = {
      Step(EStep::kPlace, "", "/t/1", "/d/1"),     Step(EStep::kPlaceNew, "", "/t/2", "/d/%2"),
      Step(EStep::kPlaceMemo, "", "/t/3", "/d/3"), Step(EStep::kRenameInPlace, "/s/4", "", "/d/4"),
      Step(EStep::kTrash, "/s/\t5", "", ""),       Step(EStep::kPlaceFolder, "", "/t/6", "/d/6")};
  contents.committed = true;

  const std::string text = CSaveJournal::Format(contents);
  EXPECT_EQ(text, "brisel-save-journal\t1\n"
                  "project\t/music/100%25 Song.prj/\n"
                  "removed\t/work/Removed%09files\n"
                  "temporary\t/music/Patch/.001 a%0Ab.tmp\n"
                  "temporary\t/music/Patch/.staged%0D\n"
                  "step\tplace\t\t/t/1\t/d/1\n"
                  "step\tplace-new\t\t/t/2\t/d/%252\n"
                  "step\tplace-memo\t\t/t/3\t/d/3\n"
                  "step\trename\t/s/4\t\t/d/4\n"
                  "step\ttrash\t/s/%095\t\t\n"
                  "step\tplace-folder\t\t/t/6\t/d/6\n"
                  "commit\t6\n");

  CSaveJournal::SContents parsed;
  ASSERT_TRUE(CSaveJournal::Parse(text, parsed));
  EXPECT_EQ(parsed.projectPath, contents.projectPath);
  EXPECT_EQ(parsed.removedFolder, contents.removedFolder);
  EXPECT_EQ(parsed.temporaries, contents.temporaries);
  ASSERT_EQ(parsed.steps.size(), contents.steps.size());
  for (std::size_t i = 0; i < parsed.steps.size(); ++i) {
    EXPECT_EQ(parsed.steps[i].step, contents.steps[i].step) << i;
    EXPECT_EQ(parsed.steps[i].source, contents.steps[i].source) << i;
    EXPECT_EQ(parsed.steps[i].temporary, contents.steps[i].temporary) << i;
    EXPECT_EQ(parsed.steps[i].destination, contents.steps[i].destination) << i;
  }
  EXPECT_TRUE(parsed.committed);
}

} // namespace
