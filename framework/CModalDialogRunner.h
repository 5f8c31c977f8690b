#pragma once

class QDialog;

// Runs a modal dialog until one of its buttons ends it, and returns the button's message: 900 for
// OK, 901 for Cancel. Every dialog of the program goes through the installed runner, so a test
// can answer dialogs without a screen by installing its own.
class CModalDialogRunner {
public:
  static constexpr int kMessageOk = 900;
  static constexpr int kMessageCancel = 901;

  CModalDialogRunner() = default;
  CModalDialogRunner(const CModalDialogRunner&) = delete;
  CModalDialogRunner& operator=(const CModalDialogRunner&) = delete;
  virtual ~CModalDialogRunner() = default;

  // Shows dialog modally; the base runs its own event loop (QDialog::exec).
  virtual int Run(QDialog& dialog);

  // Runs dialog through the installed runner (the base when none is installed).
  static int RunModal(QDialog& dialog);
  // Installs runner (not owned; null restores the base) and returns the one installed before.
  static CModalDialogRunner* Install(CModalDialogRunner* runner);
  static CModalDialogRunner* GetInstalled() { return sRunner; }

private:
  static inline CModalDialogRunner* sRunner = nullptr;
};
