#pragma once

#include "domain/CParameter.h"
#include "formats/WaveFiles.h"

#include <cstddef>

namespace Bris {

class CZelData;

// What pasting the clipboard's slots of kind at firstIndex would do to data's wave memory, by the
// rule the paste pre-checks refuse with error 8: the project's waves, less those a replacement of
// waves overwrites, plus the waves the paste adds as new records (those of a paste from another
// project, and the pasted waves of a copy of waves). count: the slots pasted.
SWaveMemoryForecast ForecastPasteWaveMemory(const CZelData& data, unsigned int firstIndex,
                                            CParameter::EDataType kind, bool otherProject,
                                            std::size_t count, bool insertMode);
// The same for the whole clipboard array of kind, as a drop of the dragged rows pastes it.
SWaveMemoryForecast ForecastPasteWaveMemory(const CZelData& data, unsigned int firstIndex,
                                            CParameter::EDataType kind, bool otherProject,
                                            bool insertMode);

} // namespace Bris
