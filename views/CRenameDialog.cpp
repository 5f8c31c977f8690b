#include "views/CRenameDialog.h"

#include "framework/CModalDialogRunner.h"
#include "framework/CNameFieldValidator.h"
#include "framework/DialogText.h"
#include "framework/UDialogParent.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CRenameDialog::CRenameDialog(const QString& name, QWidget* parent)
    : QDialog(parent), mNameField(new QLineEdit(this)) {
  setWindowTitle(tr("Rename"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("New name:"), this));
  mNameField->setObjectName(QStringLiteral("Name"));
  mNameField->setValidator(new CNameFieldValidator(kMaxNameBytes, mNameField));
  mNameField->setText(name);
  mNameField->selectAll();
  mNameField->setMinimumWidth(240);
  layout->addWidget(mNameField);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  mNameField->setFocus();
}

QString CRenameDialog::GetName() const {
  return mNameField->text();
}

bool CRenameDialog::AskFileName(CCommander* commander, std::string& name) {
  CRenameDialog dialog(DialogText::FromSystemEncoding(name), UDialogParent::ParentFor(commander));
  if (CModalDialogRunner::RunModal(dialog) != CModalDialogRunner::kMessageOk) {
    return false;
  }
  name = DialogText::ToSystemEncoding(dialog.GetName());
  return true;
}
