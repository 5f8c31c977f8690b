#include "store/CFileShelter.h"

#include "LibMac/Utility/ZelString.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "store/CZelFileDocument.h"
#include "store/RecordFilePaths.h"

namespace Bris {

CFileShelter::CFileShelter(CZelFileDocument& document) : mDocument(document) {}

std::string CFileShelter::MakeShelterPath(const std::string& oldPath) {
  const int index = Domain().TakeTempIndex();
  std::string workFolder = Domain().GetWorkFolderPath();
  if (workFolder.empty()) {
    return std::string();
  }
  if (workFolder.back() != '/') {
    workFolder += '/';
  }
  return workFolder + CZelFileDocument::GetIndexStr(index) + GetFileName(oldPath) +
         GetExtensionName(oldPath);
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
  if (mDocument.CopyZelFile(oldPath, shelterPath)) {
    return EResult::kSheltered;
  }
  mDocument.MyUnlink(shelterPath.c_str());
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
