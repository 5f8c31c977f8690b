#include "store/ImportWaveMemory.h"

#include "LibMac/Utility/ZelString.h"
#include "domain/CDomain.h"
#include "store/CZelFileDocument.h"

namespace Bris {

std::list<std::string> AcceptedImportPaths(std::list<std::string> paths) {
  paths.sort();
  paths.unique();
  paths.remove_if(
      [](const std::string& path) { return !IsImportableWaveExtension(GetExtensionName(path)); });
  return paths;
}

SWaveMemoryForecast ForecastImportWaveMemory(const CZelFileDocument& document,
                                             const std::list<std::string>& paths) {
  SWaveMemoryForecast forecast;
  forecast.usedBytes = document.GetTotalWaveSizeValue();
  for (const auto& path : AcceptedImportPaths(paths)) {
    forecast.addedBytes += Domain().GetFileSize(path);
  }
  return forecast;
}

} // namespace Bris
