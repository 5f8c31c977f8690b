#pragma once

#include "domain/CParameter.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace Bris {

class CZelData;

// The records of one kind, over a list of data sets, by the file path each names. Renaming every
// record of a full project redirects each old path in turn; with this index each redirect finds
// its records at once instead of walking all of them, which made the renaming quadratic.
// Records must change their paths through the index while it is in use.
class CRecordPathIndex {
public:
  CRecordPathIndex(const std::vector<CZelData*>& dataSets, CParameter::EDataType kind);

  // Every record whose file path is oldPath gets newPath. True when any record named oldPath.
  bool Redirect(const std::string& oldPath, const std::string& newPath);
  // One record's file path becomes path; a record outside the data sets is only renamed.
  void SetFilePath(CParameter& record, const std::string& path);

private:
  std::unordered_map<std::string, std::vector<CParameter*>> mRecords;
};

} // namespace Bris
