#include "store/CWritePlanSummary.h"

#include "LibMac/Utility/ZelString.h"
#include "domain/CParameter.h"
#include "store/CZelFileDocument.h"

#include <cctype>

namespace Bris {

namespace {

using EStep = CWritePlan::EStep;

// The kind whose subfolder holds path directly ("...Patch/001 A.d00").
int KindOfFolder(const std::string& path) {
  const std::string folder = GetFolderName(path);
  const std::string::size_type slash = folder.find_last_of('/');
  const std::string subfolder =
      (slash == std::string::npos ? folder : folder.substr(slash + 1)) + "/";
  for (int kind = CParameter::kPatch; kind <= CParameter::kWave; ++kind) {
    if (subfolder == CZelFileDocument::sFolderName[kind]) {
      return kind;
    }
  }
  return -1;
}

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

CWritePlanSummary::CWritePlanSummary(const CWritePlan& plan) {
  for (const CWritePlan::SStep& step : plan.mCommit) {
    switch (step.step) {
    case EStep::kPlace:
      ++(step.source == step.destination ? mWritten : mMoved);
      break;
    case EStep::kPlaceMemo:
      ++mWritten;
      break;
    case EStep::kPlaceNew:
      ++mSheltered;
      break;
    case EStep::kRenameInPlace:
      ++mRenamed;
      break;
    case EStep::kTrash:
      mTrashed.push_back(DescribeFile(step.source));
      break;
    default:
      break;
    }
  }
}

CWritePlanSummary::STrashedFile CWritePlanSummary::DescribeFile(const std::string& path) {
  STrashedFile file;
  file.path = path;
  file.kind = KindOfFolder(path);
  std::string name = GetImportFileName(path); // the base name, without its extension
  if (name.size() >= 4 && IsDigit(name[0]) && IsDigit(name[1]) && IsDigit(name[2]) &&
      name[3] == ' ') {
    file.slotNumber = GetFileIndex(path);
    name.erase(0, 4);
  }
  file.name = name;
  return file;
}

std::vector<CWritePlanSummary::STrashedFile>
CWritePlanSummary::TrashedFilesIn(const std::string& folder) const {
  std::string prefix = folder;
  if (prefix.empty() || prefix.back() != '/') {
    prefix += '/';
  }
  std::vector<STrashedFile> inside;
  for (const STrashedFile& file : mTrashed) {
    if (file.path.compare(0, prefix.size(), prefix) == 0) {
      inside.push_back(file);
    }
  }
  return inside;
}

} // namespace Bris
