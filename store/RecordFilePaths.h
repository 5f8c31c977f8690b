#pragma once

#include "domain/CParameter.h"

#include <string>
#include <vector>

namespace Bris {

class CZelData;

// Searches and redirects of the file paths that records of one kind carry, over a list of data
// sets (the open projects a file operation must keep whole). Paths are compared byte for byte;
// null data sets are skipped.

// Every record of kind whose file path is oldPath gets newPath. True when any record changed.
bool RedirectFilePaths(const std::vector<CZelData*>& dataSets, CParameter::EDataType kind,
                       const std::string& oldPath, const std::string& newPath);
// True when a record of kind names path; the data set skipped (may be null) is not searched.
bool IsFilePathNamed(const std::vector<CZelData*>& dataSets, CParameter::EDataType kind,
                     const std::string& path, const CZelData* skipped = nullptr);
// True when a record of any kind names path.
bool IsFilePathNamedByAnyKind(const std::vector<CZelData*>& dataSets, const std::string& path);

} // namespace Bris
