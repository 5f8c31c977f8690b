#include "framework/CStreamAlertRunner.h"

#include "Zel/Generic/SAlertRequest.h"

int CStreamAlertRunner::Run(const SAlertRequest& request) {
  ++mAlertCount;
  mOut << "alert: " << request.message << '\n';
  return request.buttonCount >= 2 ? SAlertRequest::kItemCancel : SAlertRequest::kItemDefault;
}
