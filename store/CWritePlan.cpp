#include "store/CWritePlan.h"

#include <algorithm>

namespace Bris {

std::vector<std::string> CWritePlan::Temporaries() const {
  std::vector<std::string> temporaries;
  for (const SStep& step : mPrepare) {
    if (!step.temporary.empty() &&
        std::find(temporaries.begin(), temporaries.end(), step.temporary) == temporaries.end()) {
      temporaries.push_back(step.temporary);
    }
  }
  return temporaries;
}

} // namespace Bris
