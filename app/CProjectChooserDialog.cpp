#include "app/CProjectChooserDialog.h"

#include "Zel/Generic/CErrorOut.h"
#include "app/CFolderBar.h"
#include "app/CFolderNameDialog.h"
#include "app/CFolderPlaces.h"
#include "app/UChooserParts.h"
#include "framework/DialogText.h"
#include "store/FileExt.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int kCustomAreaWidth = 400;
constexpr int kCustomAreaHeight = 50;

} // namespace

CProjectChooserDialog::CProjectChooserDialog(bool newProjectDisabled, const QString& title,
                                             const QString& chooseLabel, const QString& defaultName,
                                             QWidget* parent)
    : QDialog(parent), mDefaultName(defaultName), mIcons(std::make_unique<QFileIconProvider>()),
      mModel(new QFileSystemModel(this)), mBrowser(new QTreeView(this)),
      mFolderBar(new CFolderBar(this)), mNewProjectButton(new QPushButton(tr("New Project"), this)),
      mPathText(new QLabel(this)), mChooseButton(nullptr) {
  setWindowTitle(title);
  resize(720, 480);

  UChooserParts::SetUpFileModel(*mModel, *mIcons, QDir::AllDirs | QDir::NoDotAndDotDot);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(mFolderBar);

  auto* middle = new QHBoxLayout;
  auto* places = new CFolderPlaces(this);
  middle->addWidget(places);

  UChooserParts::SetUpBrowser(*mBrowser, mModel, QAbstractItemView::SingleSelection);
  mBrowser->setColumnHidden(1, true); // size
  mBrowser->setColumnHidden(2, true); // kind
  mBrowser->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  middle->addWidget(mBrowser, 1);
  layout->addLayout(middle, 1);

  auto* custom = new QWidget(this);
  custom->setMinimumSize(kCustomAreaWidth, kCustomAreaHeight);
  auto* customLayout = new QHBoxLayout(custom);
  mNewProjectButton->setObjectName(QStringLiteral("NewP"));
  mNewProjectButton->setEnabled(!newProjectDisabled);
  mNewProjectButton->setAutoDefault(false);
  UChooserParts::SetUpPathText(*mPathText);
  customLayout->addWidget(mNewProjectButton);
  customLayout->addWidget(mPathText, 1);
  layout->addWidget(custom);

  mChooseButton = UChooserParts::AddChooseButtons(*this, *layout, chooseLabel);

  connect(mFolderBar, &CFolderBar::LocationChosen, this, &CProjectChooserDialog::SetLocation);
  connect(places, &CFolderPlaces::PlaceChosen, this, &CProjectChooserDialog::SetLocation);
  connect(mBrowser->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CProjectChooserDialog::UpdateForSelection);
  connect(mBrowser, &QTreeView::activated, this, &CProjectChooserDialog::OpenSelectedEntry);
  connect(mNewProjectButton, &QPushButton::clicked, this, &CProjectChooserDialog::HandleNewProject);
  connect(mChooseButton, &QPushButton::clicked, this,
          &CProjectChooserDialog::ChooseSelectedProject);

  mChooseButton->setDefault(true);
  UpdateForSelection();
}

CProjectChooserDialog::~CProjectChooserDialog() {
  delete mModel;
} // before its icon provider

bool CProjectChooserDialog::IsProjectName(const QString& name) {
  return name.endsWith(QString::fromLatin1(Bris::FileExt_Project), Qt::CaseInsensitive);
}

void CProjectChooserDialog::SetLocation(const QString& folder) {
  const QString location = QDir(folder).absolutePath();
  if (!QFileInfo(location).isDir()) {
    return;
  }
  mLocation = location;
  mBrowser->setRootIndex(mModel->index(mLocation));
  mBrowser->clearSelection();
  mBrowser->setCurrentIndex(QModelIndex());
  mFolderBar->SetLocation(mLocation);
  UpdateForSelection();
}

bool CProjectChooserDialog::SelectEntry(const QString& path) {
  const QString absolutePath = QDir(path).absolutePath();
  const QModelIndex index = mModel->index(absolutePath);
  // The model knows files too; only the folders it lists can be selected.
  if (!index.isValid() || index.parent() != mBrowser->rootIndex() ||
      !QFileInfo(absolutePath).isDir()) {
    return false;
  }
  mBrowser->setCurrentIndex(index);
  mBrowser->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect |
                                                QItemSelectionModel::Rows);
  mBrowser->scrollTo(index);
  UpdateForSelection();
  return true;
}

QString CProjectChooserDialog::GetSelectedPath() const {
  const QModelIndexList selected = mBrowser->selectionModel()->selectedRows();
  return selected.isEmpty() ? QString() : mModel->filePath(selected.first());
}

QString CProjectChooserDialog::GetResultPath() const {
  const QString path = GetSelectedPath();
  return IsProjectName(QFileInfo(path).fileName()) ? path : QString();
}

void CProjectChooserDialog::UpdateForSelection() {
  const QString project = GetResultPath();
  mChooseButton->setEnabled(!project.isEmpty());
  mPathText->setText(project);
}

void CProjectChooserDialog::OpenSelectedEntry() {
  const QString path = GetSelectedPath();
  if (path.isEmpty()) {
    return;
  }
  if (IsProjectName(QFileInfo(path).fileName())) {
    ChooseSelectedProject();
  } else {
    SetLocation(path);
  }
}

void CProjectChooserDialog::ChooseSelectedProject() {
  const QString project = GetResultPath();
  if (project.isEmpty()) {
    return;
  }
  mChosenPath = project;
  accept();
}

void CProjectChooserDialog::HandleNewProject() {
  const QString previousLocation = mLocation;
  const QString selected = GetSelectedPath();
  if (!selected.isEmpty() && !IsProjectName(QFileInfo(selected).fileName())) {
    SetLocation(selected);
  }
  QString name = mDefaultName;
  const QString locationName = QDir(mLocation).isRoot() ? mLocation : QDir(mLocation).dirName();
  if (!CFolderNameDialog::AskFolderName(this, name, locationName)) {
    SetLocation(previousLocation);
    return;
  }
  name = DialogText::WithProjectExtension(name);
  const QString projectPath = QDir(mLocation).filePath(name);
  QDir(mLocation).mkdir(name); // an existing folder of that name is chosen as it is
  if (!QFileInfo(projectPath).isDir()) {
    CErrorOut::ErrorAlert(2);
    return;
  }
  mChosenPath = projectPath;
  accept();
}
