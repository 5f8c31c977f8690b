#include "framework/CModalDialogRunner.h"

#include "framework/StArrowCursor.h"

#include <QDialog>

int CModalDialogRunner::Run(QDialog& dialog) {
  StArrowCursor arrow;
  return dialog.exec() == QDialog::Accepted ? kMessageOk : kMessageCancel;
}

int CModalDialogRunner::RunModal(QDialog& dialog) {
  static CModalDialogRunner sBaseRunner;
  return (sRunner != nullptr ? sRunner : &sBaseRunner)->Run(dialog);
}

CModalDialogRunner* CModalDialogRunner::Install(CModalDialogRunner* runner) {
  CModalDialogRunner* previous = sRunner;
  sRunner = runner;
  return previous;
}
