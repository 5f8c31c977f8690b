#include "app/CProjectChooser.h"

#include "LibMac/Utility/Ux.h"
#include "Zel/Generic/CStringTable.h"
#include "app/CLibrarianApp.h"
#include "app/CProjectChooserDialog.h"
#include "framework/CModalDialogRunner.h"
#include "framework/DialogText.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

constexpr short kOpenLabel = 1;
constexpr short kSaveLabel = 2;
constexpr short kOpenTitle = 3;
constexpr short kSaveTitle = 4;

QString ChooserText(short index) {
  return QString::fromStdString(CStringTable::Get(CStringTable::kChooser, index));
}

bool IsFolder(const QString& path) {
  return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

CProjectChooser::CProjectChooser(bool newProjectDisabled)
    : mNewProjectDisabled(newProjectDisabled) {}

void CProjectChooser::FindStartLocation(const std::string& startFolder, std::string& location,
                                        std::string& selection) {
  location.clear();
  selection.clear();
  const QString start =
      startFolder.empty() ? QString() : QDir::cleanPath(QString::fromStdString(startFolder));
  const QString parent = start.isEmpty() ? QString() : QFileInfo(start).absolutePath();
  if (IsFolder(start)) {
    if (CProjectChooserDialog::IsProjectName(QFileInfo(start).fileName()) && IsFolder(parent)) {
      location = parent.toStdString();
      selection = start.toStdString();
    } else {
      location = start.toStdString();
    }
    return;
  }
  if (IsFolder(parent)) {
    location = parent.toStdString();
    return;
  }
  const QString documents = QString::fromStdString(Ux::GetDocumentsFolderPath());
  location = (IsFolder(documents) ? documents : QDir::homePath()).toStdString();
}

bool CProjectChooser::AskProjectFolder(std::string& folder, long& folderId,
                                       const std::string& defaultName, QWidget* parent) {
  std::string start = folder;
  if (start.empty()) {
    CLibrarianApp::LoadPrefLastProject(start);
  }
  std::string location;
  std::string selection;
  FindStartLocation(start, location, selection);

  CProjectChooserDialog dialog(mNewProjectDisabled,
                               ChooserText(mNewProjectDisabled ? kOpenTitle : kSaveTitle),
                               ChooserText(mNewProjectDisabled ? kOpenLabel : kSaveLabel),
                               DialogText::FromSystemEncoding(defaultName),
                               parent != nullptr ? parent : QApplication::activeWindow());
  dialog.SetLocation(QString::fromStdString(location));
  if (!selection.empty()) {
    dialog.SelectEntry(QString::fromStdString(selection));
  }
  if (CModalDialogRunner::RunModal(dialog) != CModalDialogRunner::kMessageOk ||
      dialog.GetChosenPath().isEmpty()) {
    return false;
  }
  mResultPath = dialog.GetChosenPath().toStdString();
  struct stat info = {};
  folderId = ::stat(mResultPath.c_str(), &info) == 0 ? static_cast<long>(info.st_ino) : 0;
  folder = mResultPath;
  CLibrarianApp::SavePrefLastProject(mResultPath);
  return true;
}
