#include "app/CInstallationCheck.h"

#include "app/CLibrarianApp.h"
#include "app/UHelpFile.h"

#include <QCoreApplication>

int CInstallationCheck::Run(const QStringList& projectFolders) {
  bool allWell = CheckHelpFile();
  for (const QString& folder : projectFolders) {
    allWell = OpenProject(folder) && allWell;
  }
  mOut << (allWell ? "check passed" : "check failed") << '\n';
  return allWell ? 0 : 1;
}

bool CInstallationCheck::CheckHelpFile() {
  const QString path = UHelpFile::FindForThisProgram();
  if (path.isEmpty()) {
    mOut << "user guide: not found beside " << QCoreApplication::applicationDirPath().toStdString()
         << " or in its ../share/brisel-librarian\n";
    return false;
  }
  mOut << "user guide: " << path.toStdString() << '\n';
  return true;
}

bool CInstallationCheck::OpenProject(const QString& folder) {
  const std::size_t before = mApp.GetDocuments().size();
  const bool opened =
      mApp.OpenDocument(folder.toStdString()) && mApp.GetDocuments().size() > before;
  mOut << (opened ? "opened: " : "could not open: ") << folder.toStdString() << '\n';
  return opened;
}
