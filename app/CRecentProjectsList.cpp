#include "app/CRecentProjectsList.h"

#include "app/CRecentProjects.h"
#include "app/CRecentProjectsMenu.h"

#include <QListWidgetItem>

#include <utility>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kMissingRole = Qt::UserRole + 1;

} // namespace

CRecentProjectsList::CRecentProjectsList(OpenFunction open, QWidget* parent)
    : QListWidget(parent), mOpen(std::move(open)) {
  setObjectName(QStringLiteral("RecentList"));
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenRow(row(item)); });
  Refresh();
}

void CRecentProjectsList::Refresh() {
  clear();
  for (const CRecentProjects::SEntry& entry : CRecentProjects::LoadEntries()) {
    const QString path = QString::fromStdString(entry.folderPath);
    // The menu text without its "&" doubling.
    QString text = CRecentProjectsMenu::MenuTextOf(entry.folderPath);
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    auto* item = new QListWidgetItem(text, this);
    item->setData(kPathRole, path);
    item->setData(kMissingRole, entry.missing);
    if (entry.missing) {
      item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
      item->setToolTip(tr("%1 is not there any more").arg(path));
    } else {
      item->setToolTip(path);
    }
  }
  if (count() > 0) {
    setCurrentRow(0);
  }
}

bool CRecentProjectsList::OpenRow(int row) {
  const QListWidgetItem* chosen = item(row);
  if (chosen == nullptr || !mOpen) {
    return false;
  }
  return mOpen(chosen->data(kPathRole).toString().toStdString());
}

bool CRecentProjectsList::IsRowMissing(int row) const {
  const QListWidgetItem* chosen = item(row);
  return chosen != nullptr && chosen->data(kMissingRole).toBool();
}
