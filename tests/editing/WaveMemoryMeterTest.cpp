#include "EditingFixture.h"
#include "editing/CWaveMemoryMeter.h"
#include "editing/PasteWaveMemory.h"

namespace BrisTest {
namespace {

using Bris::CParameterMid;
using Bris::CWaveMemoryMeter;
using EState = CWaveMemoryMeter::EState;

constexpr std::uint64_t kLimit = CWaveMemoryMeter::kLimitBytes;

class WaveMemoryMeterTest : public EditingFixture {};

TEST_F(WaveMemoryMeterTest, StatesAndForecastFollowTheLimitToTheByte) {
  // 90 % itself is still normal; amber starts one byte above it; the limit itself is full.
  const std::uint64_t ninetyPercent = kLimit / 10 * 9;
  EXPECT_EQ(CWaveMemoryMeter::StateOf(0), EState::kNormal);
  EXPECT_EQ(CWaveMemoryMeter::StateOf(ninetyPercent), EState::kNormal);
  EXPECT_EQ(CWaveMemoryMeter::StateOf(ninetyPercent + 1), EState::kAmber);
  EXPECT_EQ(CWaveMemoryMeter::StateOf(kLimit - 1), EState::kAmber);
  EXPECT_EQ(CWaveMemoryMeter::StateOf(kLimit), EState::kRed);
  EXPECT_EQ(CWaveMemoryMeter::StateOf(kLimit * 3), EState::kRed);
  EXPECT_DOUBLE_EQ(CWaveMemoryMeter::FractionOf(kLimit / 2), 0.5);
  EXPECT_DOUBLE_EQ(CWaveMemoryMeter::FractionOf(kLimit * 3), 1.0);

  CWaveMemoryMeter meter;
  meter.SetUsedBytes(kLimit / 2);
  EXPECT_EQ(meter.Describe(), "32.0 MB of 64.0 MB used");
  EXPECT_TRUE(meter.DescribeForecast().empty());

  // A forecast that reaches the limit exactly fits, shows red, and is not refused.
  meter.SetForecast({kLimit / 2, kLimit - kLimit / 2}, CWaveMemoryMeter::EOperation::kDrop);
  EXPECT_EQ(meter.GetShownBytes(), kLimit);
  EXPECT_EQ(meter.GetState(), EState::kRed);
  EXPECT_FALSE(meter.IsForecastRefused());
  EXPECT_EQ(meter.DescribeForecast(), "After the drop: 64.0 MB");

  // One byte more is refused, and the text says so.
  meter.SetForecast({kLimit / 2, kLimit - kLimit / 2 + 1}, CWaveMemoryMeter::EOperation::kImport);
  EXPECT_TRUE(meter.IsForecastRefused());
  EXPECT_NE(meter.DescribeForecast().find("After the import"), std::string::npos);
  EXPECT_NE(meter.Describe().find("(over the limit: refused)"), std::string::npos);

  // Sizes whose sum wraps round 64 bits are still refused.
  EXPECT_FALSE(Bris::FitsWaveMemory(1, ~std::uint64_t{0}));
  EXPECT_FALSE(Bris::FitsWaveMemory(~std::uint64_t{0}, 1));

  meter.ClearForecast();
  EXPECT_EQ(meter.GetShownBytes(), kLimit / 2);
  EXPECT_EQ(meter.GetState(), EState::kNormal);
}

TEST_F(WaveMemoryMeterTest, PasteForecastRefusesExactlyTheDropsThePasteRefuses) {
  // GIVEN a target whose waves leave 400 bytes, and source waves of 400 and 401 bytes
  const std::string big = MakeFile("big.wav", kLimit - 1000);
  const std::string small = MakeFile("small.wav", 600);
  UseSlot(*mA, CParameter::kWave, 0, "Fits", MakeFile("fits.wav", 400));
  UseSlot(*mA, CParameter::kWave, 1, "TooBig", MakeFile("toobig.wav", 401));
  struct SCase {
    unsigned int sourceIndex;
    unsigned int dropIndex;
    bool insert;
  };
  // insert the 400-byte wave (fits exactly), the 401-byte one (one byte over), and replace the
  // 600-byte wave with the 401-byte one (its room is given back)
  const SCase cases[] = {{0, 5, true}, {1, 5, true}, {1, 1, false}};
  for (const SCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "source " << c.sourceIndex << " drop " << c.dropIndex);
    CZelData target;
    UseSlot(target, CParameter::kWave, 0, "Big", big);
    UseSlot(target, CParameter::kWave, 1, "Small", small);
    // WHEN the drag has copied its rows, the forecast is asked before the drop
    CParameterMid().EditCopy(*mA, {c.sourceIndex}, CParameter::kWave);
    Clipboard().mCopy = 1;
    const Bris::SWaveMemoryForecast forecast =
        Bris::ForecastPasteWaveMemory(target, c.dropIndex, CParameter::kWave, true, c.insert);
    mOut->Forget();
    Bris::Domain().ClearUndoDoc();
    const int pasted = PerformDrop(
        {mA.get(), &target, CParameter::kWave, {c.sourceIndex}, c.dropIndex, c.insert, true});

    // THEN the forecast refuses exactly what the paste refused with error 8
    EXPECT_EQ(forecast.IsRefused(), pasted == 0);
    EXPECT_EQ(forecast.IsRefused(), mOut->Errors() == std::vector<int>{8});
  }
}

} // namespace
} // namespace BrisTest
