#include "editing/PasteWaveMemory.h"

#include "domain/CClipboard.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"

namespace Bris {

SWaveMemoryForecast ForecastPasteWaveMemory(const CZelData& data, unsigned int firstIndex,
                                            CParameter::EDataType kind, bool otherProject,
                                            std::size_t count, bool insertMode) {
  const CDomain& domain = Domain();
  const CClipboard& clipboard = Domain().GetClipboard();
  // The waves a replacement of waves overwrites give their room back.
  const bool rangeIsFreed = !insertMode && kind == CParameter::kWave;
  SWaveMemoryForecast forecast;
  for (std::size_t w = 0; w < data.mWaves.size(); ++w) {
    const CWave* wave = data.mWaves.Get(w);
    const bool freed = rangeIsFreed && w >= firstIndex && w < std::size_t{firstIndex} + count;
    if (!wave->IsBlank() && !freed) {
      forecast.usedBytes += domain.GetFileSize(wave->GetFilePath());
    }
  }
  // Only waves that end up as new records of the target take room: the carried or pasted waves
  // of a paste from another project, and the pasted waves of a copy of waves. A copy of patches
  // or tones inside one project plays the waves already there.
  const bool addsWaves = otherProject || (kind == CParameter::kWave && clipboard.mCopy != 0);
  if (addsWaves) {
    for (std::size_t w = 0; w < clipboard.mWaves.size(); ++w) {
      const CWave* wave = clipboard.mWaves.Get(w);
      if (!wave->GetFilePath().empty()) {
        forecast.addedBytes += domain.GetFileSize(wave->GetFilePath());
      }
    }
  }
  return forecast;
}

SWaveMemoryForecast ForecastPasteWaveMemory(const CZelData& data, unsigned int firstIndex,
                                            CParameter::EDataType kind, bool otherProject,
                                            bool insertMode) {
  const bool known =
      kind == CParameter::kPatch || kind == CParameter::kTone || kind == CParameter::kWave;
  const std::size_t count = known ? Domain().GetClipboard().GetArray(kind).size() : 0;
  return ForecastPasteWaveMemory(data, firstIndex, kind, otherProject, count, insertMode);
}

} // namespace Bris
