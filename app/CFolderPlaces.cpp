#include "app/CFolderPlaces.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStyle>

CFolderPlaces::CFolderPlaces(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("Places"));
  setMaximumWidth(160);
  AddPlace(tr("Home"), QDir::homePath());
  AddPlace(tr("Documents"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  AddPlace(tr("Desktop"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
  AddPlace(tr("Computer"), QDir::rootPath());

  const auto choose = [this](QListWidgetItem* item) {
    emit PlaceChosen(item->data(Qt::UserRole).toString());
  };
  connect(this, &QListWidget::itemActivated, this, choose);
  connect(this, &QListWidget::itemClicked, this, choose);
}

void CFolderPlaces::AddPlace(const QString& title, const QString& path, int row) {
  if (path.isEmpty() || !QFileInfo(path).isDir()) {
    return;
  }
  auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirIcon), title);
  item->setData(Qt::UserRole, path);
  item->setToolTip(path);
  insertItem(row < 0 ? count() : row, item);
}
