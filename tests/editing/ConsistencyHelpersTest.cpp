#include "EditingFixture.h"

namespace BrisTest {
namespace {

using Bris::CParameter;

// The randomised test is only as good as its checker and its deep comparison: both must see the
// faults a wrong renumbering leaves behind.
class ConsistencyHelpersTest : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    UseSlot(*mA, CParameter::kPatch, 0, "P");
    UseSlot(*mA, CParameter::kTone, 4, "T");
    UseSlot(*mA, CParameter::kWave, 8, "W");
    PlayTone(*mA, 0, 1, 5);
    PlayWave(*mA, 4, 3, 1, 9);
  }
};

TEST_F(ConsistencyHelpersTest, CheckerFindsEveryKindOfBrokenReference) {
  ASSERT_TRUE(IsConsistent(*mA));

  mA->mTones.Get(4)->AddPatchIndex(0, true); // listed twice
  mA->mWaves.Get(8)->ClearToneIndexes();     // player not listed
  mA->mWaves.Get(2)->AddToneIndex(4, false); // listed but not playing
  mA->mPatches.Get(3)->GetPatchTone(0).SetToneNumber(900);
  mA->mTones.Get(7)->GetOsc(0).SetType(0, Bris::COsc::kWaveType);
  mA->mTones.Get(7)->GetOsc(0).SetWaveNumber(0, 1000);

  const auto violations = CheckDataSet(*mA);
  const auto mentions = [&](const std::string& text) {
    return std::any_of(violations.begin(), violations.end(), [&](const std::string& violation) {
      return violation.find(text) != std::string::npos;
    });
  };
  EXPECT_TRUE(mentions("tone 4 lists a patch twice"));
  EXPECT_TRUE(mentions("wave 8 lists tones {} but {4} play it"));
  EXPECT_TRUE(mentions("wave 2 lists tones {4} but {} play it"));
  EXPECT_TRUE(mentions("patch 3 tone 0 plays tone number 900, past the tone list"));
  EXPECT_TRUE(mentions("plays wave number 1000, past the wave list"));
  EXPECT_EQ(violations.size(), 5u);
}

TEST_F(ConsistencyHelpersTest, CheckerFindsAListThatLostItsFixedSize) {
  mA->mWaves.Resize(1000);
  EXPECT_FALSE(IsConsistent(*mA));
}

TEST_F(ConsistencyHelpersTest, SnapshotSeesAnyChangedField) {
  const DataSetSnapshot snapshot(*mA);
  ASSERT_TRUE(snapshot.Matches(*mA));

  const auto changedField = [&](const std::function<void(CZelData&)>& change) {
    CZelData copy;
    copy.mPatches = mA->mPatches;
    copy.mTones = mA->mTones;
    copy.mWaves = mA->mWaves;
    change(copy);
    const auto differences = snapshot.Differences(copy);
    return differences.empty() ? std::string("none") : differences.front();
  };
  EXPECT_EQ(changedField([](CZelData&) {}), "none");
  EXPECT_EQ(changedField([](CZelData& d) { d.mTones.Get(4)->SetMemo(3, "x"); }),
            "tone 4: memo line 3 'x' instead of ''");
  EXPECT_EQ(changedField([](CZelData& d) { d.mTones.Get(4)->GetOsc(9).mData[100] ^= 1; }),
            "tone 4: oscillator 9 bytes");
  EXPECT_EQ(changedField([](CZelData& d) {
              d.mTones.Get(4)->SetPatchIndexes({0, 0});
            }),
            "tone 4: patch back-reference list");
  EXPECT_EQ(changedField([](CZelData& d) { d.mWaves.Get(8)->SetToneIndexes({}); }),
            "wave 8: tone back-reference list");
  EXPECT_EQ(changedField([](CZelData& d) { d.mPatches.Get(0)->GetPatchTone(1).mData[55] = 1; }),
            "patch 0: patch tone 1 bytes");
  EXPECT_EQ(changedField([](CZelData& d) { d.mPatches.Get(511)->SetSpare("s"); }),
            "patch 511: spare string 's' instead of ''");
  EXPECT_EQ(changedField([](CZelData& d) { d.mWaveOriginalNames[3] = "old"; }),
            "wave original-name list differs");
}

TEST_F(ConsistencyHelpersTest, SnapshotSeesTheOrderOfABackReferenceList) {
  PlayTone(*mA, 1, 0, 5);
  const DataSetSnapshot snapshot(*mA);
  mA->mTones.Get(4)->SetPatchIndexes({1, 0});
  EXPECT_FALSE(snapshot.Matches(*mA));
  EXPECT_TRUE(IsConsistent(*mA)); // same referrers: consistent, yet not an exact undo
}

} // namespace
} // namespace BrisTest
