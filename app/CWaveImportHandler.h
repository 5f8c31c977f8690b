#pragma once

#include "store/ImportWaveMemory.h"

#include <string>
#include <vector>

class CProjectWindow;

// Import Waves of a project window: the chooser, the check of the chosen names, and the import
// into the first free wave slots, whose rows it selects. The meter beside the lists shows what
// the import does to the wave memory while it runs.
class CWaveImportHandler {
public:
  explicit CWaveImportHandler(CProjectWindow& window) : mWindow(window) {}

  void AskImportWaves();
  // True when every name is acceptable; otherwise error alert 9.
  static bool ImportWavesFilter(const std::vector<std::string>& files);
  static bool IsValidFileName(const std::string& name);
  // Imports the files and selects their rows; the count imported.
  int HandleImportWaves(const std::vector<std::string>& files);
  // What importing files (chosen or dropped) would do to the project's wave memory.
  Bris::SWaveMemoryForecast ForecastImportWaveMemory(const std::vector<std::string>& files) const;

private:
  CProjectWindow& mWindow;
};
