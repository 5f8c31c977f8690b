#include "app/CWaveImportHandler.h"

#include "Zel/Generic/CErrorOut.h"
#include "app/CImportProgress.h"
#include "app/CImportWaveChooser.h"
#include "app/CLibrarianDoc.h"
#include "app/CProjectWindow.h"
#include "app/UImportPaths.h"
#include "domain/CZelData.h"
#include "views/CWaveMemoryBar.h"
#include "views/CWaveTableView.h"

#include <algorithm>
#include <filesystem>
#include <list>

namespace {

constexpr int kErrorImport = 9;

std::string FileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

} // namespace

void CWaveImportHandler::AskImportWaves() {
  CImportWaveChooser chooser;
  if (!chooser.AskOpenFile(&mWindow)) {
    return;
  }
  std::vector<std::string> files;
  for (int i = 0; i < chooser.GetNumberOfFiles(); ++i) {
    files.push_back(chooser.GetFileSpec(i));
  }
  if (!ImportWavesFilter(files)) {
    return;
  }
  mWindow.HandleImportWaves(files);
}

bool CWaveImportHandler::ImportWavesFilter(const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    if (!IsValidFileName(FileNameOf(file))) {
      CErrorOut::ErrorAlert(kErrorImport);
      return false;
    }
  }
  return true;
}

bool CWaveImportHandler::IsValidFileName(const std::string& name) {
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  static const char* const kExtensions[] = {".wav", ".w00", ".aiff", ".aif", ".vpw"};
  for (const char* extension : kExtensions) {
    const std::string::size_type found = lower.find(extension);
    if (found == std::string::npos) {
      continue;
    }
    const std::string stem = name.substr(0, found + std::char_traits<char>::length(extension));
    if (stem.empty() || stem.front() == '.') {
      return false;
    }
    return stem.find_first_of("\"*/:<>?|") == std::string::npos;
  }
  return false;
}

int CWaveImportHandler::HandleImportWaves(const std::vector<std::string>& files) {
  CLibrarianDoc& document = *mWindow.GetDocument();
  CWaveMemoryBar& meter = *mWindow.GetWaveMemoryBar();
  CWaveTableView& waveTable = *mWindow.GetWaveTable();
  const std::list<std::string> paths = UImportPaths::ForImport(files);
  Bris::CZelData& data = document.GetZelData();
  const std::vector<unsigned int> freeIndexes = data.GetDeletedIndexes(Bris::CParameter::kWave);
  // Shown while the import runs, so that its alert, should it refuse, has the meter beside it.
  meter.ShowForecast(Bris::ForecastImportWaveMemory(document.GetStore(), paths),
                     Bris::CWaveMemoryMeter::EOperation::kImport);
  CImportProgress progress(&mWindow);
  const int imported = document.GetStore().ImportWaves(paths, progress.Observer());
  meter.ClearForecast();
  if (imported <= 0) {
    // A copy that failed part-way keeps the waves copied before it: they are unsaved changes.
    if (data.GetDeletedIndexes(Bris::CParameter::kWave).size() < freeIndexes.size()) {
      document.SetModified(true);
      mWindow.UpdateContents();
    }
    return 0;
  }
  const std::size_t count = std::min(static_cast<std::size_t>(imported), freeIndexes.size());
  waveTable.ClearSelection();
  for (std::size_t i = 0; i < count; ++i) {
    const int waveRow = static_cast<int>(freeIndexes[i]) + 1;
    waveTable.SelectRow(waveRow, true);
  }
  waveTable.SelectReferredItems();
  document.SetModified(true);
  mWindow.UpdateContents();
  if (count > 0) {
    waveTable.ScrollRowIntoView(static_cast<int>(freeIndexes[0]) + 1);
  }
  return imported;
}

Bris::SWaveMemoryForecast
CWaveImportHandler::ForecastImportWaveMemory(const std::vector<std::string>& files) const {
  return Bris::ForecastImportWaveMemory(mWindow.GetDocument()->GetStore(),
                                        UImportPaths::ForImport(files));
}
