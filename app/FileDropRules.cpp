#include "app/FileDropRules.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace FileDropRules {

namespace {

std::string FileNameOf(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::vector<SDroppedItem> LocalItems(const QMimeData* mime) {
  std::vector<SDroppedItem> items;
  if (mime == nullptr || !mime->hasUrls()) {
    return items;
  }
  for (const QUrl& url : mime->urls()) {
    if (!url.isLocalFile()) {
      continue;
    }
    QString path = url.toLocalFile();
    // A folder's URL may end in "/"; its name is what follows the last one.
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) {
      path.chop(1);
    }
    if (path.isEmpty()) {
      continue;
    }
    items.push_back({path.toStdString(), QFileInfo(path).isDir()});
  }
  return items;
}

bool HasLocalItems(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) {
    return false;
  }
  const QList<QUrl> urls = mime->urls();
  return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

bool IsWindowDropAcceptable(bool workPending, bool alertOpen, bool hasLocalItems, bool isRowDrag) {
  return !workPending && !alertOpen && (hasLocalItems || isRowDrag);
}

SPlan PlanFileDrop(const std::vector<SDroppedItem>& items,
                   const std::function<bool(const std::string& name)>& isValidFileName) {
  SPlan plan;
  for (const SDroppedItem& item : items) {
    if (!item.isFolder && !isValidFileName(FileNameOf(item.path))) {
      return plan;
    }
  }
  for (const SDroppedItem& item : items) {
    if (!item.isFolder) {
      plan.importFiles.push_back(item.path);
    }
  }
  if (items.size() == 1 && items.front().isFolder) {
    plan.projectFolder = items.front().path;
  }
  return plan;
}

} // namespace FileDropRules
