#include "store/CFileShelter.h"

#include "LibMac/Utility/ZelString.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "store/CZelFileDocument.h"
#include "store/RecordFilePaths.h"

#include <filesystem>

namespace Bris {

CFileShelter::CFileShelter(CZelFileDocument& document) : mDocument(document) {}

std::string CFileShelter::MakeShelterPath(const std::string& oldPath) {
  std::string workFolder = Domain().GetWorkFolderPath();
  if (workFolder.empty()) {
    Domain().TakeTempIndex();
    return std::string();
  }
  if (workFolder.back() != '/') {
    workFolder += '/';
  }
  // A number whose file is still there (a leftover of an earlier run) is skipped: a shelter copy
  // never replaces a file of the work folder.
  std::string path;
  do {
    path = workFolder + CZelFileDocument::GetIndexStr(Domain().TakeTempIndex()) +
           GetFileName(oldPath) + GetExtensionName(oldPath);
  } while (
      std::filesystem::exists(std::filesystem::symlink_status(CZelFileDocument::SystemPath(path))));
  return path;
}

CFileShelter::EResult CFileShelter::Shelter(const std::string& oldPath,
                                            const std::string& shelterPath,
                                            CParameter::EDataType kind,
                                            const std::vector<CZelData*>& dataSets) {
  if (!IsFilePathNamed(dataSets, kind, oldPath)) {
    return EResult::kNotNeeded;
  }
  if (shelterPath.empty()) {
    return EResult::kFailed;
  }
  RedirectFilePaths(dataSets, kind, oldPath, shelterPath);
  if (mDocument.CopyFileDurably(oldPath, shelterPath, false)) {
    return EResult::kSheltered;
  }
  // The shelter path is new to this process, so only the records just redirected name it.
  RedirectFilePaths(dataSets, kind, shelterPath, oldPath);
  return EResult::kFailed;
}

void CFileShelter::ShelterFiles() {
  const std::vector<CZelData*> openData = mDocument.GetAllZelData();
  for (auto kind : {CParameter::kPatch, CParameter::kTone, CParameter::kWave}) {
    const std::vector<std::string>* names = mDocument.GetZelData().GetOriginalNames(kind);
    if (names == nullptr) {
      continue;
    }
    const std::vector<std::string> originalNames = *names;
    for (const auto& originalName : originalNames) {
      if (originalName.empty() ||
          !IsFilePathNamed(openData, kind, originalName, &mDocument.GetZelData())) {
        continue;
      }
      Shelter(originalName, MakeShelterPath(originalName), kind, openData);
    }
  }
}

} // namespace Bris
