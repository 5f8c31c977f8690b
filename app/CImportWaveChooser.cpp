#include "app/CImportWaveChooser.h"

#include "Zel/Generic/CStringTable.h"
#include "framework/CModalDialogRunner.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QStandardPaths>

namespace {

constexpr short kImportTitle = 5;

// Hides every file that cannot be imported; folders stay so the user can move around.
class CImportFileFilter : public QSortFilterProxyModel {
public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr) {
      return true;
    }
    const QModelIndex index = files->index(sourceRow, 0, sourceParent);
    return files->isDir(index) || CImportWaveChooser::IsImportableFileName(files->fileName(index));
  }
};

} // namespace

bool CImportWaveChooser::IsImportableFileName(const QString& name) {
  static const char* const kExtensions[] = {".wav", ".aif", ".aiff", ".vpw"};
  for (const char* extension : kExtensions) {
    if (name.endsWith(QLatin1String(extension), Qt::CaseInsensitive)) {
      return true;
    }
  }
  return false;
}

void CImportWaveChooser::SetUpDialog(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog); // the filter needs our own file list
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setWindowTitle(
      QString::fromStdString(CStringTable::Get(CStringTable::kChooser, kImportTitle)));
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(QFileDialog::tr("Audio files (*)"));
  dialog.setProxyModel(new CImportFileFilter(&dialog));
}

bool CImportWaveChooser::AskOpenFile(QWidget* parent) {
  mFiles.clear();
  QFileDialog dialog(parent != nullptr ? parent : QApplication::activeWindow());
  SetUpDialog(dialog);
  const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
  dialog.setDirectory(QDir(music).exists() ? music : QDir::homePath());
  if (CModalDialogRunner::RunModal(dialog) != CModalDialogRunner::kMessageOk) {
    return false;
  }
  for (const QString& file : dialog.selectedFiles()) {
    mFiles.push_back(file.toStdString());
  }
  return !mFiles.empty();
}

std::string CImportWaveChooser::GetFileSpec(int fileIndex) const {
  if (fileIndex < 0 || fileIndex >= GetNumberOfFiles()) {
    return std::string();
  }
  return mFiles[static_cast<std::size_t>(fileIndex)];
}
