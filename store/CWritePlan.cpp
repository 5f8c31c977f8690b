#include "store/CWritePlan.h"

#include <set>

namespace Bris {

std::vector<std::string> CWritePlan::Temporaries() const {
  std::vector<std::string> temporaries;
  std::set<std::string> seen;
  for (const SStep& step : mPrepare) {
    if (!step.temporary.empty() && seen.insert(step.temporary).second) {
      temporaries.push_back(step.temporary);
    }
  }
  return temporaries;
}

} // namespace Bris
