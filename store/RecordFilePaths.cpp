#include "store/RecordFilePaths.h"

#include "domain/CZelData.h"

namespace Bris {

bool RedirectFilePaths(const std::vector<CZelData*>& dataSets, CParameter::EDataType kind,
                       const std::string& oldPath, const std::string& newPath) {
  bool changed = false;
  for (CZelData* data : dataSets) {
    CParameterArray* records = data != nullptr ? data->GetArray(kind) : nullptr;
    if (records == nullptr) {
      continue;
    }
    for (CParameter* record : records->mParameters) {
      if (record != nullptr && record->GetFilePath() == oldPath) {
        record->SetFilePath(newPath);
        changed = true;
      }
    }
  }
  return changed;
}

bool IsFilePathNamed(const std::vector<CZelData*>& dataSets, CParameter::EDataType kind,
                     const std::string& path, const CZelData* skipped) {
  for (const CZelData* data : dataSets) {
    if (data == nullptr || data == skipped) {
      continue;
    }
    const CParameterArray* records = data->GetArray(kind);
    if (records == nullptr) {
      continue;
    }
    for (const CParameter* record : records->mParameters) {
      if (record != nullptr && record->GetFilePath() == path) {
        return true;
      }
    }
  }
  return false;
}

bool IsFilePathNamedByAnyKind(const std::vector<CZelData*>& dataSets, const std::string& path) {
  for (auto kind : {CParameter::kPatch, CParameter::kTone, CParameter::kWave}) {
    if (IsFilePathNamed(dataSets, kind, path)) {
      return true;
    }
  }
  return false;
}

} // namespace Bris
