#pragma once

#include "formats/WaveFiles.h"

#include <list>
#include <string>

namespace Bris {

class CZelFileDocument;

// The paths an import of waves takes: sorted, without duplicates, only importable extensions.
std::list<std::string> AcceptedImportPaths(std::list<std::string> paths);
// What importing paths into document would do to its wave memory, counted as the import counts
// it before it refuses with error 8.
SWaveMemoryForecast ForecastImportWaveMemory(const CZelFileDocument& document,
                                             const std::list<std::string>& paths);

} // namespace Bris
