#include "store/CWritePlan.h"

#include "LibMac/Utility/ZelString.h"

#include <set>

namespace Bris {

namespace {

// The temporaries of steps, each once, in order, but for those in a folder of leftOut.
std::vector<std::string> CollectTemporaries(const std::vector<CWritePlan::SStep>& steps,
                                            const std::set<std::string>& leftOut) {
  std::vector<std::string> temporaries;
  std::set<std::string> seen;
  for (const CWritePlan::SStep& step : steps) {
    if (!step.temporary.empty() &&
        (leftOut.empty() || leftOut.count(GetFolderName(step.temporary)) == 0) &&
        seen.insert(step.temporary).second) {
      temporaries.push_back(step.temporary);
    }
  }
  return temporaries;
}

} // namespace

std::vector<std::string> CWritePlan::Temporaries() const {
  return CollectTemporaries(mPrepare, {});
}

std::vector<std::string> CWritePlan::TemporariesOutsideStagingFolders() const {
  std::set<std::string> stagingFolders;
  for (const SStep& step : mPrepare) {
    if (step.step == EStep::kStageFolder) {
      stagingFolders.insert(step.temporary);
    }
  }
  return CollectTemporaries(mPrepare, stagingFolders);
}

} // namespace Bris
