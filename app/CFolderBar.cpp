#include "app/CFolderBar.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

CFolderBar::CFolderBar(QWidget* parent)
    : QWidget(parent), mUpButton(new QToolButton(this)), mLocationPopup(new QComboBox(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  mUpButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
  mUpButton->setToolTip(tr("Enclosing folder"));
  mUpButton->setObjectName(QStringLiteral("Up"));
  mLocationPopup->setObjectName(QStringLiteral("Where"));
  layout->addWidget(mUpButton);
  layout->addWidget(mLocationPopup, 1);

  connect(mUpButton, &QToolButton::clicked, this, [this] {
    QDir folder(mLocation);
    if (folder.cdUp()) {
      emit LocationChosen(folder.absolutePath());
    }
  });
  connect(mLocationPopup, &QComboBox::activated, this,
          [this](int index) { emit LocationChosen(mLocationPopup->itemData(index).toString()); });
}

void CFolderBar::SetLocation(const QString& folder) {
  mLocation = folder;
  mLocationPopup->clear();
  QDir enclosing(folder);
  while (true) {
    const QString path = enclosing.absolutePath();
    mLocationPopup->addItem(style()->standardIcon(QStyle::SP_DirIcon),
                            enclosing.isRoot() ? path : enclosing.dirName(), path);
    if (!enclosing.cdUp()) {
      break;
    }
  }
  mUpButton->setEnabled(!QDir(folder).isRoot());
}
