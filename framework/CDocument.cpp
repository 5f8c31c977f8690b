#include "framework/CDocument.h"

#include "Zel/Generic/CErrorOut.h"

#include <QCoreApplication>

CDocument::CDocument(CCommander* superCommander) : CCommander(superCommander) {}

QString CDocument::SaveChangesQuestion() const {
  return QCoreApplication::translate("CDocument",
                                     "Do you want to save the changes you made to \"%1\"?")
      .arg(GetDescriptor());
}

bool CDocument::AttemptClose() {
  if (!IsModified()) {
    return true;
  }
  const int answer = CErrorOut::SaveChangesAlert(SaveChangesQuestion().toStdString());
  switch (answer) {
  case CZelTextOut::kAnswerYes:
    return DoSave();
  case CZelTextOut::kAnswerNo:
    return true;
  default:
    return false;
  }
}
