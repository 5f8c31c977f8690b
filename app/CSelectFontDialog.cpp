#include "app/CSelectFontDialog.h"

#include "framework/CModalDialogRunner.h"
#include "framework/UDialogParent.h"
#include "framework/UFontNumber.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

CSelectFontDialog::CSampleText::CSampleText(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
  setObjectName(QStringLiteral("3"));
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::StyledPanel);
  setMinimumSize(360, 80);
}

CSelectFontDialog::CSelectFontDialog(const QString& previewText, short fontNumber, short fontSize,
                                     QWidget* parent)
    : QDialog(parent), mFontNumber(fontNumber),
      mFontSize(fontSize > 0 ? fontSize : static_cast<short>(UFontNumber::DefaultPointSize())),
      mFontPopup(new QComboBox(this)), mSizePopup(new QComboBox(this)),
      mSample(new CSampleText(previewText, this)), mDefaultButton(nullptr) {
  setWindowTitle(tr("List Font"));
  mFontPopup->setObjectName(QStringLiteral("1"));
  mSizePopup->setObjectName(QStringLiteral("2"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(tr("Font:"), mFontPopup);
  form->addRow(tr("Size:"), mSizePopup);
  layout->addLayout(form);
  layout->addWidget(mSample);
  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::RestoreDefaults | QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  mDefaultButton = buttons->button(QDialogButtonBox::RestoreDefaults);
  mDefaultButton->setText(tr("Default"));
  connect(mDefaultButton, &QPushButton::clicked, this, &CSelectFontDialog::ChooseDefault);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  FillFontPopup();
  FillSizePopup();
  UpdatePreview();
  connect(mFontPopup, &QComboBox::activated, this, &CSelectFontDialog::ChooseFont);
  connect(mSizePopup, &QComboBox::activated, this, &CSelectFontDialog::ChooseSize);
}

QList<int> CSelectFontDialog::SizesOfFamily(const QString& family) {
  QList<int> sizes;
  for (int size : QFontDatabase::smoothSizes(family, QString())) {
    if (size >= kMinSize && size <= kMaxSize && !sizes.contains(size)) {
      sizes.append(size);
    }
  }
  if (sizes.isEmpty()) {
    // A family that reports no sizes is scalable for this purpose.
    for (int size : QFontDatabase::standardSizes()) {
      if (size >= kMinSize && size <= kMaxSize) {
        sizes.append(size);
      }
    }
  }
  std::sort(sizes.begin(), sizes.end());
  return sizes;
}

QString CSelectFontDialog::CurrentFamily() const {
  return UFontNumber::FontOf(mFontNumber, mFontSize).family();
}

void CSelectFontDialog::FillFontPopup() {
  const QSignalBlocker blocker(mFontPopup);
  mFontPopup->clear();
  const QString current = CurrentFamily();
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::isPrivateFamily(family)) {
      mFontPopup->addItem(family);
    }
  }
  int index = mFontPopup->findText(current);
  if (index < 0) {
    // The application font may be a substitute that the list does not name; show it first.
    mFontPopup->insertItem(0, current);
    index = 0;
  }
  mFontPopup->setCurrentIndex(index);
}

void CSelectFontDialog::FillSizePopup() {
  const QSignalBlocker blocker(mSizePopup);
  mSizePopup->clear();
  for (int size : SizesOfFamily(CurrentFamily())) {
    mSizePopup->addItem(QString::number(size), size);
  }
  mSizePopup->setCurrentIndex(mSizePopup->findData(static_cast<int>(mFontSize)));
}

void CSelectFontDialog::UpdatePreview() {
  mSample->setFont(UFontNumber::FontOf(mFontNumber, mFontSize));
}

void CSelectFontDialog::ChooseFont(int itemIndex) {
  if (itemIndex < 0 || itemIndex >= mFontPopup->count()) {
    return;
  }
  mFontNumber = UFontNumber::NumberOfFamily(mFontPopup->itemText(itemIndex));
  FillSizePopup();
  UpdatePreview();
}

void CSelectFontDialog::ChooseSize(int itemIndex) {
  if (itemIndex < 0 || itemIndex >= mSizePopup->count()) {
    return;
  }
  mFontSize = static_cast<short>(mSizePopup->itemData(itemIndex).toInt());
  UpdatePreview();
}

void CSelectFontDialog::ChooseDefault() {
  mFontNumber = UFontNumber::kApplicationFont;
  mFontSize = static_cast<short>(UFontNumber::DefaultPointSize());
  FillFontPopup();
  FillSizePopup();
  UpdatePreview();
}

bool CSelectFontDialog::OpenDialog(CCommander* commander, const QString& previewText,
                                   short& fontNumber, short& fontSize) {
  CSelectFontDialog dialog(previewText, fontNumber, fontSize, UDialogParent::ParentFor(commander));
  if (CModalDialogRunner::RunModal(dialog) != CModalDialogRunner::kMessageOk) {
    return false;
  }
  fontNumber = dialog.GetFontNumber();
  fontSize = dialog.GetFontSize();
  return true;
}
