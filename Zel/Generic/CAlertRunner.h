#pragma once

#include "Zel/Generic/SAlertRequest.h"

// Shows one modal alert on the platform. The application installs a runner at start-up
// (CErrorOut::SetAlertRunner); tests install one that answers from a script.
class CAlertRunner {
public:
  CAlertRunner() = default;
  CAlertRunner(const CAlertRunner&) = delete;
  CAlertRunner& operator=(const CAlertRunner&) = delete;
  virtual ~CAlertRunner() = default;

  // Runs the alert and returns the item hit (SAlertRequest::kItemDefault..kItemOther), or zero or
  // a negative number when the alert could not be created or run.
  virtual int Run(const SAlertRequest& request) = 0;
};
