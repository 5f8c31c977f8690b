#include "store/CWritePlanSummary.h"

#include "domain/CZelData.h"
#include "store/CProjectSession.h"
#include "store/CWritePlan.h"
#include "store/WriteFixture.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bris::CParameter;
using Bris::CWritePlan;
using Bris::CWritePlanSummary;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ToneFile;

class WritePlanSummaryTest : public BrisTest::WriteTestBase {};

// The file a step of the plan is about, as the executor reports it. Shelter copies are numbered
// anew by each plan: only their folder counts.
std::string StepFile(const std::string& path, const std::string& workFolder) {
  return path.rfind(workFolder, 0) == 0 ? "<work folder>" : path;
}
std::string StepFile(const CWritePlan::SStep& step, const std::string& workFolder) {
  return StepFile(step.step == CWritePlan::EStep::kTrash || step.destination.empty()
                      ? step.source
                      : step.destination,
                  workFolder);
}

TEST_F(WritePlanSummaryTest, PlannedSave_CountsWhatItDoesAndTheSaveReportsEveryStepInOrder) {
  // GIVEN patches 1 One, 3 A, 4 B and a stray file no slot takes
  const std::string project = ProjectBuilder(mTemp.Path(), "Song")
                                  .Patch(1, PatchFile("One").Part(0, 1))
                                  .Patch(3, PatchFile("A").Part(0, 1))
                                  .Patch(4, PatchFile("B").Part(0, 1))
                                  .Tone(1, ToneFile("T1").Wave(0, 1))
                                  .Wave(1, "W1", 100)
                                  .RawFile("Patch/Stray.d00", PatchFile("Stray").Bytes())
                                  .Write();
  Bris::CProjectSession session;
  ASSERT_TRUE(session.Open(project));
  Bris::CZelData& data = session.GetZelData();
  // DO: patch 1 renamed, patch 3 moved to slot 5, patch 4 deleted
  data.mPatches.Get(0)->SetFinalName("Uno", false);
  data.mPatches.ReplaceAt(4, data.mPatches.Get(2)->Clone());
  for (std::size_t index : {2u, 3u}) {
    data.mPatches.Get(index)->Initialize();
    data.mPatches.Get(index)->ClearPatchTone();
  }
  session.SetModified(true);
  CWritePlan plan;
  ASSERT_TRUE(session.PlanSave(plan));
  const CWritePlanSummary summary(plan);

  // CHECK: one rename, one move, three files to the Trash by kind, slot and name
  EXPECT_EQ(summary.GetRenamedCount(), 1u);
  EXPECT_EQ(summary.GetMovedCount(), 1u);
  // The moved record still names slot 3's file while that file leaves: it is sheltered first.
  EXPECT_EQ(summary.GetShelteredCount(), 1u);
  using Row = std::tuple<int, int, std::string>;
  std::vector<Row> trashed;
  for (const auto& file : summary.GetTrashedFiles()) {
    trashed.emplace_back(file.kind, file.slotNumber, file.name);
    EXPECT_EQ(file.path.rfind(project + "Patch/", 0), 0u) << file.path;
  }
  std::sort(trashed.begin(), trashed.end());
  EXPECT_EQ(trashed, (std::vector<Row>{{CParameter::kPatch, 0, "Stray"},
                                       {CParameter::kPatch, 3, "A"},
                                       {CParameter::kPatch, 4, "B"}}));
  EXPECT_TRUE(summary.RemovesFiles());
  EXPECT_EQ(summary.TrashedFilesIn(project).size(), 3u);
  EXPECT_TRUE(summary.TrashedFilesIn(mTemp / "Other.prj").empty());

  // The save runs exactly this plan and reports each of its steps once, in order.
  std::vector<std::tuple<std::size_t, std::size_t, std::string>> reported;
  session.GetDocument().SetWriteStepObserver(
      [&](std::size_t index, std::size_t count, const std::string& path) {
        reported.emplace_back(index, count, StepFile(path, WorkFolder()));
      });
  ASSERT_EQ(session.Save(), Bris::CProjectSession::ESaveResult::kSaved);
  std::vector<std::tuple<std::size_t, std::size_t, std::string>> expected;
  for (const auto* steps : {&plan.mPrepare, &plan.mCommit}) {
    for (const auto& step : *steps) {
      expected.emplace_back(expected.size(), plan.StepCount(), StepFile(step, WorkFolder()));
    }
  }
  EXPECT_EQ(reported, expected);
  EXPECT_EQ(BrisTest::FileNamesIn(project + "Patch"),
            (std::vector<std::string>{"001 Uno.d00", "005 A.d00"}));
}

} // namespace
