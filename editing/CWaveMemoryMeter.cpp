#include "editing/CWaveMemoryMeter.h"

#include <algorithm>

namespace Bris {

namespace {

// A meter shows more than 64 MB as full; its text keeps to the 32 bits sizes are told in.
std::string Shown(std::uint64_t bytes) {
  return FormatWaveSize(static_cast<std::uint32_t>(std::min<std::uint64_t>(bytes, 0xFFFFFFFFu)));
}

} // namespace

std::uint64_t CWaveMemoryMeter::GetShownBytes() const {
  return mForecast.has_value() ? mForecast->Total() : mUsedBytes;
}

double CWaveMemoryMeter::FractionOf(std::uint64_t bytes) {
  return std::min(1.0, static_cast<double>(bytes) / static_cast<double>(kLimitBytes));
}

CWaveMemoryMeter::EState CWaveMemoryMeter::StateOf(std::uint64_t bytes) {
  if (bytes >= kLimitBytes) {
    return EState::kRed;
  }
  // Above 90 %, in whole bytes: 10 x bytes > 9 x limit.
  return bytes * 10 > kLimitBytes * 9 ? EState::kAmber : EState::kNormal;
}

std::string CWaveMemoryMeter::Describe() const {
  std::string text = Shown(mUsedBytes) + " of " + Shown(kLimitBytes) + " used";
  const std::string forecast = DescribeForecast();
  return forecast.empty() ? text : text + "\n" + forecast;
}

std::string CWaveMemoryMeter::DescribeForecast() const {
  if (!mForecast.has_value()) {
    return std::string();
  }
  const std::string total =
      std::string(mOperation == EOperation::kImport ? "After the import: " : "After the drop: ") +
      Shown(mForecast->Total());
  return mForecast->IsRefused() ? total + " (over the limit: refused)" : total;
}

} // namespace Bris
