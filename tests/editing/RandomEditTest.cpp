#include "EditingFixture.h"

#include "support/RandomDataSet.h"

#include <map>
#include <random>
#include <set>
#include <sstream>
#include <tuple>

namespace BrisTest {
namespace {

using Bris::CParameter;

constexpr int kStepsPerSeed = 500;

// Random copies, moves, insertions, replacements and deletions across two data sets and all three
// kinds, with questions answered OK or, now and then, Cancel. After every step both data sets are
// consistent, Undo() brings both back exactly, and a second Undo() brings the edit back.
class RandomEditTest : public EditingFixture, public ::testing::WithParamInterface<unsigned int> {
protected:
  struct SStep {
    bool isDelete = false;
    SDrop drop;
    std::string Describe() const {
      std::ostringstream text;
      text << (isDelete          ? "delete"
               : drop.insertMode ? "insert"
                                 : "replace")
           << " kind " << drop.kind << " rows";
      for (unsigned int row : drop.selectedIndexes) {
        text << " " << row;
      }
      if (!isDelete) {
        text << " at " << drop.dropIndex << (drop.source == drop.target ? " same" : " other")
             << " project, " << (drop.copy ? "copy" : "move");
      }
      return text.str();
    }
  };

  bool Chance(double share) {
    return std::uniform_real_distribution<double>(0, 1)(mRandom) < share;
  }
  unsigned int Pick(unsigned int count) {
    return std::uniform_int_distribution<unsigned int>(0, count - 1)(mRandom);
  }

  std::vector<unsigned int> PickRows(unsigned int listSize) {
    const unsigned int count = Chance(0.05) ? 1 + Pick(40) : 1 + Pick(6);
    unsigned int start =
        Chance(0.2) ? listSize - std::min(listSize, count + Pick(3)) : Pick(listSize - count + 1);
    std::set<unsigned int> rows;
    if (Chance(0.7)) {
      for (unsigned int i = 0; i < count && start + i < listSize; ++i) {
        rows.insert(start + i);
      }
    } else {
      while (rows.size() < count) {
        rows.insert(Pick(listSize));
      }
    }
    return {rows.begin(), rows.end()};
  }

  unsigned int PickDropIndex(unsigned int listSize, unsigned int count) {
    const double where = std::uniform_real_distribution<double>(0, 1)(mRandom);
    if (where < 0.1) {
      return 0;
    }
    if (where < 0.35) { // around the last place where the block just fits
      const int index =
          static_cast<int>(listSize) - static_cast<int>(count) + 1 - static_cast<int>(Pick(3));
      return static_cast<unsigned int>(std::max(index, 0));
    }
    return Pick(listSize);
  }

  SStep NextStep() {
    SStep step;
    CZelData* projects[] = {mA.get(), mB.get()};
    step.drop.source = projects[Pick(2)];
    step.drop.target = Chance(0.5) ? step.drop.source : projects[Pick(2)];
    step.drop.kind = static_cast<CParameter::EDataType>(Pick(3));
    const unsigned int listSize = CZelData::GetParameterSize(step.drop.kind);
    step.drop.selectedIndexes = PickRows(listSize);
    step.isDelete = Chance(0.12);
    step.drop.insertMode = Chance(0.5);
    step.drop.copy = Chance(0.5);
    step.drop.dropIndex =
        PickDropIndex(listSize, static_cast<unsigned int>(step.drop.selectedIndexes.size()));
    return step;
  }

  // Runs one step; true when it changed something.
  bool Perform(const SStep& step) {
    if (step.isDelete) {
      Bris::CParameterMid mid;
      return mid.EditDelete(*step.drop.source, step.drop.selectedIndexes, step.drop.kind, true,
                            true);
    }
    return PerformDrop(step.drop) > 0;
  }

  // The situation a performed drop met, for the coverage count.
  static std::tuple<int, bool, bool, bool> Situation(const SStep& step) {
    return {step.drop.kind, step.drop.insertMode, step.drop.source == step.drop.target,
            step.drop.copy};
  }

  void RunSteps(int steps) {
    std::set<std::tuple<int, bool, bool, bool>> situations;
    int performed = 0;
    int deletes = 0;
    // The state before each step; after a changed step, the redone state is the next one's.
    auto beforeA = std::make_unique<DataSetSnapshot>(*mA);
    auto beforeB = std::make_unique<DataSetSnapshot>(*mB);
    for (int i = 0; i < steps; ++i) {
      const SStep step = NextStep();
      SCOPED_TRACE(::testing::Message() << "step " << i << ": " << step.Describe());
      mOut->SetDefaultAnswer(Chance(0.15) ? CZelTextOut::kAnswerCancel : CZelTextOut::kAnswerOk);
      Bris::CZelData* const undoDocs[] = {Bris::Domain().GetUndoDoc(0),
                                          Bris::Domain().GetUndoDoc(1)};

      const bool changed = Perform(step);

      ASSERT_TRUE(IsConsistent(*mA));
      ASSERT_TRUE(IsConsistent(*mB));
      if (!step.isDelete) {
        ASSERT_EQ(Clipboard().mPatches.size() + Clipboard().mTones.size() +
                      Clipboard().mWaves.size(),
                  0u);
      }
      if (!changed) {
        ASSERT_TRUE(beforeA->Matches(*mA));
        ASSERT_TRUE(beforeB->Matches(*mB));
        ASSERT_EQ(Bris::Domain().GetUndoDoc(0), undoDocs[0]);
        ASSERT_EQ(Bris::Domain().GetUndoDoc(1), undoDocs[1]);
        continue;
      }
      ++performed;
      if (step.isDelete) {
        ++deletes;
      } else {
        situations.insert(Situation(step));
      }
      auto afterA = std::make_unique<DataSetSnapshot>(*mA);
      auto afterB = std::make_unique<DataSetSnapshot>(*mB);
      Bris::Domain().Undo();
      ASSERT_TRUE(beforeA->Matches(*mA));
      ASSERT_TRUE(beforeB->Matches(*mB));
      Bris::Domain().Undo();
      ASSERT_TRUE(afterA->Matches(*mA));
      ASSERT_TRUE(afterB->Matches(*mB));
      beforeA = std::move(afterA);
      beforeB = std::move(afterB);
    }
    // Not a vacuous run: most steps changed something, every kind of drop in every situation
    // (3 kinds x insert/replace x same/other project x copy/move) was carried out, deletes too.
    EXPECT_GT(performed, steps / 2);
    EXPECT_EQ(situations.size(), 24u);
    EXPECT_GT(deletes, 0);
  }

  std::mt19937 mRandom;
};

TEST_P(RandomEditTest, EveryStepKeepsReferencesConsistentAndUndoesExactly) {
  mRandom.seed(GetParam());
  // A sparse project and a fuller one, so that both blank-slot shortages and room occur.
  FillRandomDataSet(*mA, mRandom, {0.08, 0.08, 0.08, 0.05});
  FillRandomDataSet(*mB, mRandom, {0.3, 0.5, 0.6, 0.05});
  ASSERT_TRUE(IsConsistent(*mA));
  ASSERT_TRUE(IsConsistent(*mB));
  RunSteps(kStepsPerSeed);
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomEditTest, ::testing::Values(11u, 2024u, 77u, 31337u));

} // namespace
} // namespace BrisTest
