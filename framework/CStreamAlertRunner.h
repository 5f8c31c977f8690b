#pragma once

#include "Zel/Generic/CAlertRunner.h"

#include <ostream>

// Writes each alert to a text stream instead of showing it, and answers with the most cautious
// button: Cancel when the alert has one, else its only button. For runs without a screen, where
// a modal box would wait for ever.
class CStreamAlertRunner : public CAlertRunner {
public:
  explicit CStreamAlertRunner(std::ostream& out) : mOut(out) {}

  int Run(const SAlertRequest& request) override;

  int GetAlertCount() const { return mAlertCount; }

private:
  std::ostream& mOut;
  int mAlertCount = 0;
};
