#include "app/CImportWaveChooser.h"

#include "LibMac/Utility/ZelString.h"
#include "Zel/Generic/CStringTable.h"
#include "app/CImportChooserDialog.h"
#include "formats/WaveFiles.h"
#include "framework/CModalDialogRunner.h"
#include "framework/DialogText.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr short kImportTitle = 5;

} // namespace

bool CImportWaveChooser::IsImportableFileName(const QString& name) {
  // The import's own rule, so that the chooser offers exactly the files an import takes.
  return Bris::IsImportableWaveExtension(GetExtensionName(DialogText::ToSystemEncoding(name)));
}

QString CImportWaveChooser::GetStartFolder() {
  if (!sLastFolder.isEmpty() && QFileInfo(sLastFolder).isDir()) {
    return sLastFolder;
  }
  const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
  return !music.isEmpty() && QFileInfo(music).isDir() ? music : QDir::homePath();
}

bool CImportWaveChooser::AskOpenFile(QWidget* parent) {
  mFiles.clear();
  CImportChooserDialog dialog(
      QString::fromStdString(CStringTable::Get(CStringTable::kChooser, kImportTitle)),
      QApplication::translate("CImportWaveChooser", "Import"),
      parent != nullptr ? parent : QApplication::activeWindow());
  dialog.SetLocation(GetStartFolder());
  if (CModalDialogRunner::RunModal(dialog) != CModalDialogRunner::kMessageOk) {
    return false;
  }
  for (const QString& file : dialog.GetChosenPaths()) {
    mFiles.push_back(file.toStdString());
  }
  if (!mFiles.empty()) {
    sLastFolder = dialog.GetLocation();
  }
  return !mFiles.empty();
}

std::string CImportWaveChooser::GetFileSpec(int fileIndex) const {
  if (fileIndex < 0 || fileIndex >= GetNumberOfFiles()) {
    return std::string();
  }
  return mFiles[static_cast<std::size_t>(fileIndex)];
}
