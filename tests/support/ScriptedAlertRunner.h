#pragma once

#include "Zel/Generic/CAlertRunner.h"
#include "Zel/Generic/SAlertRequest.h"

#include <deque>
#include <functional>
#include <vector>

namespace BrisTest {

// Answers alerts from a script instead of a screen, and keeps every request it was asked to show.
// While it exists it is the installed alert runner; the previous one is restored afterwards.
class ScriptedAlertRunner : public CAlertRunner {
public:
  ScriptedAlertRunner();
  ~ScriptedAlertRunner() override;

  // Item hits to report, in order; when the script runs out, every alert reports item 1.
  void Answer(std::initializer_list<int> itemHits);
  // Called inside Run, while the alert counts as open.
  void WhileShowing(std::function<void(const SAlertRequest&)> action);

  int Run(const SAlertRequest& request) override;

  const std::vector<SAlertRequest>& Requests() const { return mRequests; }
  const SAlertRequest& LastRequest() const { return mRequests.back(); }

private:
  CAlertRunner* mPrevious;
  std::deque<int> mItemHits;
  std::function<void(const SAlertRequest&)> mWhileShowing;
  std::vector<SAlertRequest> mRequests;
};

} // namespace BrisTest
