#pragma once

#include "formats/WaveFiles.h"

#include <cstdint>
#include <optional>
#include <string>

namespace Bris {

// What the wave-memory meter of a project window shows: the bytes the project's waves use against
// the limit, and while a drop or import is being considered the total it would give. Pure: the
// window feeds it numbers and draws what it answers.
class CWaveMemoryMeter {
public:
  enum class EState {
    kNormal,
    kAmber, // above 90 % of the limit
    kRed,   // at the limit or over it
  };

  // What the forecast is of, for its text.
  enum class EOperation { kDrop, kImport };

  static constexpr std::uint64_t kLimitBytes = kTotalWaveSizeLimit;

  void SetUsedBytes(std::uint64_t usedBytes) { mUsedBytes = usedBytes; }
  std::uint64_t GetUsedBytes() const { return mUsedBytes; }

  void SetForecast(const SWaveMemoryForecast& forecast, EOperation operation) {
    mForecast = forecast;
    mOperation = operation;
  }
  void ClearForecast() { mForecast.reset(); }
  bool HasForecast() const { return mForecast.has_value(); }
  const std::optional<SWaveMemoryForecast>& GetForecast() const { return mForecast; }
  // A forecast the import or paste rule would refuse.
  bool IsForecastRefused() const { return mForecast.has_value() && mForecast->IsRefused(); }

  // The bytes the bar shows: the forecast's total while there is one, else those in use.
  std::uint64_t GetShownBytes() const;
  EState GetState() const { return StateOf(GetShownBytes()); }

  // bytes as a share of the limit, 0 .. 1 (more is shown full).
  static double FractionOf(std::uint64_t bytes);
  static EState StateOf(std::uint64_t bytes);

  // "12.3 MB of 64.0 MB used", and with a forecast what it would come to.
  std::string Describe() const;
  // Empty without a forecast: "After the drop: 70.1 MB (over the limit: refused)".
  std::string DescribeForecast() const;

private:
  std::uint64_t mUsedBytes = 0;
  std::optional<SWaveMemoryForecast> mForecast;
  EOperation mOperation = EOperation::kDrop;
};

} // namespace Bris
