#include "support/ScriptedAlertRunner.h"

#include "Zel/Generic/CErrorOut.h"

namespace BrisTest {

ScriptedAlertRunner::ScriptedAlertRunner() : mPrevious(CErrorOut::SetAlertRunner(this)) {}

ScriptedAlertRunner::~ScriptedAlertRunner() {
  CErrorOut::SetAlertRunner(mPrevious);
}

void ScriptedAlertRunner::Answer(std::initializer_list<int> itemHits) {
  mItemHits.insert(mItemHits.end(), itemHits);
}

void ScriptedAlertRunner::WhileShowing(std::function<void(const SAlertRequest&)> action) {
  mWhileShowing = std::move(action);
}

int ScriptedAlertRunner::Run(const SAlertRequest& request) {
  mRequests.push_back(request);
  if (mWhileShowing) {
    mWhileShowing(request);
  }
  if (mItemHits.empty()) {
    return SAlertRequest::kItemDefault;
  }
  const int itemHit = mItemHits.front();
  mItemHits.pop_front();
  return itemHit;
}

} // namespace BrisTest
