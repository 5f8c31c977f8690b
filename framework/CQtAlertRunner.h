#pragma once

#include "Zel/Generic/CAlertRunner.h"

class QAbstractButton;
class QMessageBox;

// Shows the program's alerts as QMessageBox: the icon from the alert kind, the message as plain
// text, and the buttons of the request in their positions (default, cancel, other). The button
// pressed is reported as its item number.
class CQtAlertRunner : public CAlertRunner {
public:
  int Run(const SAlertRequest& request) override;

protected:
  // Runs the prepared box modally; a test overrides this to press a button by script.
  virtual void ExecMessageBox(QMessageBox& box);
};
