#include "app/CFolderNameDialog.h"

#include "Zel/Generic/CStringTable.h"
#include "framework/CModalDialogRunner.h"
#include "framework/CNameFieldValidator.h"
#include "framework/DialogText.h"
#include "framework/UDialogParent.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFolderNameDialog::CFolderNameDialog(const QString& name, const QString& location, QWidget* parent)
    : QDialog(parent), mNameField(new QLineEdit(this)), mOkButton(nullptr) {
  setWindowTitle(tr("New Project"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  auto* where =
      new QLabel(QString::fromStdString(CStringTable::Get(CStringTable::kLabels, 1)), this);
  where->setObjectName(QStringLiteral("WHER"));
  auto* info = new QLabel(location, this);
  info->setObjectName(QStringLiteral("INFO"));
  info->setTextFormat(Qt::PlainText);
  form->addRow(where, info);
  mNameField->setObjectName(QStringLiteral("Name"));
  mNameField->setValidator(new CNameFieldValidator(kMaxNameBytes, mNameField));
  mNameField->setText(name);
  mNameField->selectAll();
  mNameField->setMinimumWidth(280);
  form->addRow(tr("Name:"), mNameField);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  mOkButton = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  auto updateOk = [this] { mOkButton->setEnabled(!mNameField->text().isEmpty()); };
  connect(mNameField, &QLineEdit::textChanged, this, updateOk);
  updateOk();
  mNameField->setFocus();
}

QString CFolderNameDialog::GetName() const {
  return mNameField->text();
}

bool CFolderNameDialog::AskFolderName(QWidget* parent, QString& name, const QString& location) {
  CFolderNameDialog dialog(name, location, parent);
  if (CModalDialogRunner::RunModal(dialog) != CModalDialogRunner::kMessageOk ||
      dialog.GetName().isEmpty()) {
    return false;
  }
  name = dialog.GetName();
  return true;
}

bool CFolderNameDialog::AskFileName(CCommander* commander, std::string& name,
                                    const std::string& location) {
  QString text = DialogText::FromSystemEncoding(name);
  if (!AskFolderName(UDialogParent::ParentFor(commander), text,
                     DialogText::FromSystemEncoding(location))) {
    return false;
  }
  name = DialogText::ToSystemEncoding(text);
  return true;
}
