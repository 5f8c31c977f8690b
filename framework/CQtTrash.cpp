#include "framework/CQtTrash.h"

#include <QFile>
#include <QString>

bool CQtTrash::MoveToTrash(const std::string& path) {
  return QFile::moveToTrash(QString::fromStdString(path));
}
