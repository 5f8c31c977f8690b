#include "formats/CToneSvdManager.h"

#include "support/ByteStream.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

namespace {

using Bris::CTone;
using Bris::CToneSvdManager;
using BrisTest::StreamOf;

TEST(CToneSvdManagerTest, ReadToneFile_TakesWaveNumbersOfEveryOscillator) {
  auto stream = StreamOf(BrisTest::ToneFile("T")
                             .Wave(0, 12)
                             .Osc(15, 1, Bris::COsc::kWaveType, 999, false)
                             .Osc(7, 0, 2, 0)
                             .Bytes());
  CTone tone;
  ASSERT_TRUE(CToneSvdManager().ReadToneFile(stream, tone));
  EXPECT_EQ(tone.GetOsc(0).GetWaveNumber(0), 12);
  EXPECT_EQ(tone.GetOsc(15).GetWaveNumber(1), 999);
  EXPECT_EQ(tone.GetOsc(15).GetSwitch(1), 0);
  EXPECT_EQ(tone.GetOsc(7).GetType(0), 2);
  EXPECT_EQ(tone.GetWaveNumbers(), (std::vector<unsigned>{0, 12, 999}));
}

TEST(CToneSvdManagerTest, ReadToneFile_NeedsExactly1510BytesAndAToneSignature) {
  auto bytes = BrisTest::ToneFile("T").Size(1510).Bytes();
  ASSERT_EQ(bytes.size(), 1510u);
  CTone tone;
  auto exact = StreamOf(bytes);
  EXPECT_TRUE(CToneSvdManager().ReadToneFile(exact, tone));
  bytes.pop_back();
  auto shortFile = StreamOf(bytes);
  EXPECT_FALSE(CToneSvdManager().ReadToneFile(shortFile, tone));
  auto patchFile = StreamOf(BrisTest::PatchFile("P").Size(2000).Bytes());
  EXPECT_FALSE(CToneSvdManager().ReadToneFile(patchFile, tone));
}

} // namespace
