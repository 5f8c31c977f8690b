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
    : QDialog(parent), mMemoBox(new CMemoEditBox(this)), mRoomText(new QLabel(this)) {
  setWindowTitle(tr("Memo"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Memo:"), this));
  mMemoBox->SetMemo(memo);
  const QFontMetrics metrics(mMemoBox->font());
  mMemoBox->setMinimumSize(metrics.averageCharWidth() * 48, metrics.lineSpacing() * 4 + 12);
  layout->addWidget(mMemoBox);
  mRoomText->setObjectName(QStringLiteral("Left"));
  layout->addWidget(mRoomText);
  connect(mMemoBox, &CMemoEditBox::RoomChanged, this, &CMemoDialog::UpdateRoomText);
  UpdateRoomText();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  mMemoBox->setFocus();
}

void CMemoDialog::UpdateRoomText() {
  const int left = mMemoBox->GetBytesLeft();
  const QString bytesLeft = left == 1 ? tr("1 byte left") : tr("%1 bytes left").arg(left);
  if (mMemoBox->WasInputCut()) {
    mRoomText->setText(tr("%1: what did not fit was left out").arg(bytesLeft));
  } else if (left == 0) {
    mRoomText->setText(tr("%1: the memo is full").arg(bytesLeft));
  } else {
    mRoomText->setText(bytesLeft);
  }
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
