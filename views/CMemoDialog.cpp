#include "views/CMemoDialog.h"

#include "framework/CMemoEditBox.h"
#include "framework/CModalDialogRunner.h"
#include "framework/DialogText.h"
#include "framework/UDialogParent.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

CMemoDialog::CMemoDialog(const QString& memo, QWidget* parent)
    : QDialog(parent), mMemoBox(new CMemoEditBox(this)) {
  setWindowTitle(tr("Memo"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Memo:"), this));
  mMemoBox->SetMemo(memo);
  const QFontMetrics metrics(mMemoBox->font());
  mMemoBox->setMinimumSize(metrics.averageCharWidth() * 48, metrics.lineSpacing() * 4 + 12);
  layout->addWidget(mMemoBox);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  mMemoBox->setFocus();
}

QString CMemoDialog::GetMemo() const {
  return mMemoBox->GetMemo();
}

bool CMemoDialog::AskMemo(CCommander* commander, std::string& memo) {
  CMemoDialog dialog(DialogText::FromSystemEncoding(memo), UDialogParent::ParentFor(commander));
  if (CModalDialogRunner::RunModal(dialog) != CModalDialogRunner::kMessageOk) {
    return false;
  }
  memo = DialogText::ToSystemEncoding(dialog.GetMemo());
  return true;
}
