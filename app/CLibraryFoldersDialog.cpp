#include "app/CLibraryFoldersDialog.h"

#include "LibMac/Utility/Ux.h"
#include "framework/CModalDialogRunner.h"
#include "framework/UDialogParent.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

CLibraryFoldersDialog::FolderChooser& Chooser() {
  static CLibraryFoldersDialog::FolderChooser chooser;
  return chooser;
}

std::string ChooseWithPlatformDialog(QWidget* parent) {
  return QFileDialog::getExistingDirectory(parent, CLibraryFoldersDialog::tr("Add Library Folder"))
      .toStdString();
}

} // namespace

CLibraryFoldersDialog::FolderChooser
CLibraryFoldersDialog::SetFolderChooser(FolderChooser chooser) {
  FolderChooser previous = std::move(Chooser());
  Chooser() = std::move(chooser);
  return previous;
}

CLibraryFoldersDialog::CLibraryFoldersDialog(const std::vector<std::string>& folders,
                                             QWidget* parent)
    : QDialog(parent), mList(new QListWidget(this)), mRemove(new QPushButton(tr("Remove"), this)) {
  setObjectName(QStringLiteral("LibraryFolders"));
  setWindowTitle(tr("Library Folders"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(tr("Find looks for projects in these folders and below them:"), this));
  mList->setObjectName(QStringLiteral("FolderList"));
  mList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  for (const std::string& folder : folders) {
    mList->addItem(QString::fromStdString(folder));
  }
  layout->addWidget(mList, 1);
  auto* row = new QHBoxLayout;
  auto* add = new QPushButton(tr("Add..."), this);
  add->setObjectName(QStringLiteral("AddFolder"));
  mRemove->setObjectName(QStringLiteral("RemoveFolder"));
  row->addWidget(add);
  row->addWidget(mRemove);
  row->addStretch(1);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(add, &QPushButton::clicked, this, &CLibraryFoldersDialog::AddFolder);
  connect(mRemove, &QPushButton::clicked, this, &CLibraryFoldersDialog::RemoveSelectedFolders);
  connect(mList, &QListWidget::itemSelectionChanged, this, &CLibraryFoldersDialog::UpdateButtons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(480, 300);
  UpdateButtons();
}

std::vector<std::string> CLibraryFoldersDialog::GetFolders() const {
  std::vector<std::string> folders;
  for (int row = 0; row < mList->count(); ++row) {
    folders.push_back(mList->item(row)->text().toStdString());
  }
  return folders;
}

void CLibraryFoldersDialog::AddFolder() {
  const std::string chosen = Chooser() ? Chooser()(this) : ChooseWithPlatformDialog(this);
  if (chosen.empty()) {
    return;
  }
  const std::string folder = Ux::WithoutTrailingSlash(chosen);
  const QString text = QString::fromStdString(folder);
  if (mList->findItems(text, Qt::MatchExactly).isEmpty()) {
    mList->addItem(text);
  }
}

void CLibraryFoldersDialog::RemoveSelectedFolders() {
  qDeleteAll(mList->selectedItems());
  UpdateButtons();
}

void CLibraryFoldersDialog::UpdateButtons() {
  mRemove->setEnabled(!mList->selectedItems().isEmpty());
}

bool CLibraryFoldersDialog::OpenDialog(CCommander* commander, std::vector<std::string>& folders) {
  CLibraryFoldersDialog dialog(folders, UDialogParent::ParentFor(commander));
  if (CModalDialogRunner::RunModal(dialog) != CModalDialogRunner::kMessageOk) {
    return false;
  }
  folders = dialog.GetFolders();
  return true;
}
