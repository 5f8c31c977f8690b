#include "app/UHelpFile.h"

#include "Zel/Generic/CStringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace UHelpFile {

QString Find(const QString& programFolder) {
  const QString name = QString::fromStdString(CStringTable::Get(CStringTable::kHelp, 2));
  const QDir folder(programFolder);
  const QString candidates[] = {
      folder.filePath(name),
      folder.filePath(QStringLiteral("../share/brisel-librarian/") + name),
  };
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isFile()) {
      return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    }
  }
  return {};
}

QString FindForThisProgram() {
  return Find(QCoreApplication::applicationDirPath());
}

} // namespace UHelpFile
