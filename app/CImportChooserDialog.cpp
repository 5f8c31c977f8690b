#include "app/CImportChooserDialog.h"

#include "app/CFolderBar.h"
#include "app/CFolderPlaces.h"
#include "app/CImportWaveChooser.h"
#include "app/UChooserParts.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum EColumn { kNameColumn = 0, kSizeColumn = 1, kKindColumn = 2, kDateColumn = 3 };

// Hides every file that cannot be imported; folders stay so the user can move around. Sorting
// is left to the file model, which keeps the folders before the files.
class CImportFileFilter : public QSortFilterProxyModel {
public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  void sort(int column, Qt::SortOrder order) override { sourceModel()->sort(column, order); }

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

CImportChooserDialog::CImportChooserDialog(const QString& title, const QString& chooseLabel,
                                           QWidget* parent)
    : QDialog(parent), mIcons(std::make_unique<QFileIconProvider>()),
      mModel(new QFileSystemModel(this)), mFilter(new CImportFileFilter(this)),
      mBrowser(new QTreeView(this)), mFolderBar(new CFolderBar(this)), mPathText(new QLabel(this)),
      mChooseButton(nullptr) {
  setWindowTitle(title);
  resize(760, 480);

  UChooserParts::SetUpFileModel(*mModel, *mIcons,
                                QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
  mFilter->setSourceModel(mModel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(mFolderBar);

  auto* middle = new QHBoxLayout;
  auto* places = new CFolderPlaces(this);
  places->AddPlace(tr("Music"), QStandardPaths::writableLocation(QStandardPaths::MusicLocation),
                   places->count() - 1);
  middle->addWidget(places);
  SetUpBrowser();
  middle->addWidget(mBrowser, 1);
  layout->addLayout(middle, 1);

  UChooserParts::SetUpPathText(*mPathText);
  layout->addWidget(mPathText);
  mChooseButton = UChooserParts::AddChooseButtons(*this, *layout, chooseLabel);

  connect(mFolderBar, &CFolderBar::LocationChosen, this, &CImportChooserDialog::SetLocation);
  connect(places, &CFolderPlaces::PlaceChosen, this, &CImportChooserDialog::SetLocation);
  connect(mBrowser->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CImportChooserDialog::UpdateForSelection);
  connect(mBrowser, &QTreeView::activated, this, &CImportChooserDialog::OpenSelectedEntry);
  connect(mChooseButton, &QPushButton::clicked, this, &CImportChooserDialog::ChooseSelectedFiles);

  mChooseButton->setDefault(true);
  mBrowser->setFocus(); // the arrow keys move through the files at once
  UpdateForSelection();
}

CImportChooserDialog::~CImportChooserDialog() {
  delete mFilter;
  delete mModel; // before its icon provider
}

void CImportChooserDialog::SetUpBrowser() {
  UChooserParts::SetUpBrowser(*mBrowser, mFilter, QAbstractItemView::ExtendedSelection);
  mBrowser->setSelectionBehavior(QAbstractItemView::SelectRows);
  mBrowser->setColumnHidden(kKindColumn, true);
  // Sizes and dates take the room they need, so that "133 KiB" is never cut to "133...".
  QHeaderView* header = mBrowser->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
  header->setSectionResizeMode(kSizeColumn, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(kDateColumn, QHeaderView::ResizeToContents);
}

void CImportChooserDialog::SetLocation(const QString& folder) {
  const QString location = QDir(folder).absolutePath();
  if (!QFileInfo(location).isDir()) {
    return;
  }
  mLocation = location;
  mBrowser->setRootIndex(mFilter->mapFromSource(mModel->index(mLocation)));
  mBrowser->clearSelection();
  mBrowser->setCurrentIndex(QModelIndex());
  mFolderBar->SetLocation(mLocation);
  UpdateForSelection();
}

QStringList CImportChooserDialog::GetOfferedNames() const {
  QStringList names;
  const QModelIndex root = mBrowser->rootIndex();
  for (int row = 0; row < mFilter->rowCount(root); ++row) {
    names.append(mFilter->index(row, kNameColumn, root).data().toString());
  }
  return names;
}

QModelIndex CImportChooserDialog::ListIndexOf(const QString& path) const {
  const QModelIndex index = mFilter->mapFromSource(mModel->index(QDir(path).absolutePath()));
  return index.isValid() && index.parent() == mBrowser->rootIndex() ? index : QModelIndex();
}

bool CImportChooserDialog::SelectEntry(const QString& path, bool extend) {
  const QModelIndex index = ListIndexOf(path);
  if (!index.isValid()) {
    return false;
  }
  // The view's own setCurrentIndex would replace the selection.
  QItemSelectionModel* selection = mBrowser->selectionModel();
  selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  const auto mode = extend ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect;
  selection->select(index, mode | QItemSelectionModel::Rows);
  mBrowser->scrollTo(index);
  UpdateForSelection();
  return true;
}

QStringList CImportChooserDialog::SelectedPaths() const {
  QModelIndexList rows = mBrowser->selectionModel()->selectedRows();
  std::sort(rows.begin(), rows.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  QStringList paths;
  for (const QModelIndex& row : rows) {
    paths.append(mModel->filePath(mFilter->mapToSource(row)));
  }
  return paths;
}

QStringList CImportChooserDialog::GetSelectedFiles() const {
  QStringList files;
  for (const QString& path : SelectedPaths()) {
    if (!QFileInfo(path).isDir()) {
      files.append(path);
    }
  }
  return files;
}

QString CImportChooserDialog::SelectionText(const QStringList& files) const {
  if (files.size() == 1) {
    return files.first();
  }
  qint64 bytes = 0;
  for (const QString& file : files) {
    bytes += QFileInfo(file).size();
  }
  return tr("%1 files, %2").arg(files.size()).arg(QLocale().formattedDataSize(bytes));
}

void CImportChooserDialog::UpdateForSelection() {
  const QStringList files = GetSelectedFiles();
  mChooseButton->setEnabled(!files.isEmpty());
  mPathText->setText(files.isEmpty() ? QString() : SelectionText(files));
}

void CImportChooserDialog::OpenSelectedEntry() {
  const QStringList paths = SelectedPaths();
  if (paths.size() == 1 && QFileInfo(paths.first()).isDir()) {
    SetLocation(paths.first());
    return;
  }
  ChooseSelectedFiles();
}

void CImportChooserDialog::ChooseSelectedFiles() {
  const QStringList files = GetSelectedFiles();
  if (files.isEmpty()) {
    return;
  }
  mChosenPaths = files;
  accept();
}
