#include "app/CSetGridDialog.h"

#include "framework/CModalDialogRunner.h"
#include "framework/UDialogParent.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CSetGridDialog::CSetGridDialog(int gridState, QWidget* parent)
    : QDialog(parent), mGroup(new QButtonGroup(this)) {
  setWindowTitle(tr("Grid"));
  auto* layout = new QVBoxLayout(this);
  auto* box = new QGroupBox(tr("Grid lines in the lists"), this);
  box->setObjectName(QStringLiteral("1"));
  auto* boxLayout = new QVBoxLayout(box);
  auto* off = new QRadioButton(tr("Off"), box);
  off->setObjectName(QStringLiteral("2"));
  auto* on = new QRadioButton(tr("On"), box);
  on->setObjectName(QStringLiteral("3"));
  mGroup->addButton(off, kGridOffButton);
  mGroup->addButton(on, kGridOnButton);
  boxLayout->addWidget(off);
  boxLayout->addWidget(on);
  layout->addWidget(box);
  (gridState == 1 ? on : off)->setChecked(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

int CSetGridDialog::GetGridState() const {
  return mGroup->checkedId() == kGridOnButton ? 1 : 0;
}

QRadioButton* CSetGridDialog::GetButton(int buttonId) const {
  return qobject_cast<QRadioButton*>(mGroup->button(buttonId));
}

bool CSetGridDialog::OpenDialog(CCommander* commander, int& gridState) {
  CSetGridDialog dialog(gridState, UDialogParent::ParentFor(commander));
  if (CModalDialogRunner::RunModal(dialog) != CModalDialogRunner::kMessageOk) {
    return false;
  }
  gridState = dialog.GetGridState();
  return true;
}
