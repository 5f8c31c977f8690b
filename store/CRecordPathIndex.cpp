#include "store/CRecordPathIndex.h"

#include "domain/CZelData.h"

#include <algorithm>

namespace Bris {

CRecordPathIndex::CRecordPathIndex(const std::vector<CZelData*>& dataSets,
                                   CParameter::EDataType kind) {
  for (CZelData* data : dataSets) {
    CParameterArray* records = data != nullptr ? data->GetArray(kind) : nullptr;
    if (records == nullptr) {
      continue;
    }
    for (CParameter* record : records->mParameters) {
      if (record != nullptr) {
        mRecords[record->GetFilePath()].push_back(record);
      }
    }
  }
}

bool CRecordPathIndex::Redirect(const std::string& oldPath, const std::string& newPath) {
  const auto found = mRecords.find(oldPath);
  if (found == mRecords.end()) {
    return false; // a path whose last record left is erased: no entry is ever empty
  }
  if (oldPath == newPath) {
    return true;
  }
  std::vector<CParameter*> moved = std::move(found->second);
  mRecords.erase(found);
  std::vector<CParameter*>& target = mRecords[newPath];
  for (CParameter* record : moved) {
    record->SetFilePath(newPath);
    target.push_back(record);
  }
  return true;
}

void CRecordPathIndex::SetFilePath(CParameter& record, const std::string& path) {
  if (record.GetFilePath() == path) {
    return;
  }
  const auto found = mRecords.find(record.GetFilePath());
  const auto at = found == mRecords.end()
                      ? std::vector<CParameter*>::iterator()
                      : std::find(found->second.begin(), found->second.end(), &record);
  record.SetFilePath(path);
  // A record of none of the data sets stays out: no later redirect may reach it.
  if (found == mRecords.end() || at == found->second.end()) {
    return;
  }
  found->second.erase(at);
  if (found->second.empty()) {
    mRecords.erase(found);
  }
  mRecords[path].push_back(&record);
}

} // namespace Bris
