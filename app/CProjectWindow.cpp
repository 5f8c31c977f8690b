#include "app/CProjectWindow.h"

#include "LibMac/Utility/UFileUtils.h"
#include "app/CLibrarianApp.h"
#include "app/CLibrarianDoc.h"
#include "app/FileDropRules.h"
#include "app/UColumnWidths.h"
#include "app/UWindowSizePref.h"
#include "domain/CZelData.h"
#include "framework/CPostTaskHandler.h"
#include "framework/DialogText.h"
#include "store/FileExt.h"
#include "store/ImportWaveMemory.h"
#include "views/CColumnHeader.h"
#include "views/CMemoDialog.h"
#include "views/CPatchTableView.h"
#include "views/CQuickFilter.h"
#include "views/CRenameDialog.h"
#include "views/CToneTableView.h"
#include "views/CWaveMemoryBar.h"
#include "views/CWaveTableView.h"
#include "views/RowDragPayload.h"
#include "views/SDragData.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

namespace {

constexpr int kDefaultHeight = 720;

} // namespace

CProjectWindow::CProjectWindow(CLibrarianDoc* document)
    : CCommander(document), mDocument(document),
      mPostTaskHandler(std::make_unique<CPostTaskHandler>(
          [this](std::int32_t task, void* data) { HandlePostTask(task, data); })) {
  setObjectName(QStringLiteral("Pwin"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  if (CLibrarianApp* app = CLibrarianApp::GetApp()) {
    app->BuildMenuBar(menuBar());
  }
  BuildPanes();
  setAcceptDrops(true);
  sLibWindows.push_back(this);
}

CProjectWindow::~CProjectWindow() {
  // Tasks still queued must not run for a window that has gone.
  mPostTaskHandler.reset();
  sLibWindows.erase(std::remove(sLibWindows.begin(), sLibWindows.end(), this), sLibWindows.end());
}

void CProjectWindow::BuildPanes() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(4);

  auto* infoRow = new QHBoxLayout;
  mPathText = new QLabel(central);
  mPathText->setObjectName(QStringLiteral("Path"));
  mPathText->setTextInteractionFlags(Qt::TextSelectableByMouse);
  mPathText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* sizeCaption = new QLabel(tr("Total wave size:"), central);
  mWaveSizeText = new QLabel(central);
  mWaveSizeText->setObjectName(QStringLiteral("Wsiz"));
  infoRow->addWidget(mPathText, 1);
  infoRow->addSpacing(12);
  infoRow->addWidget(sizeCaption);
  infoRow->addWidget(mWaveSizeText);
  mWaveMemoryBar = new CWaveMemoryBar(central);
  mWaveMemoryBar->setObjectName(QStringLiteral("Wmtr"));
  infoRow->addSpacing(6);
  infoRow->addWidget(mWaveMemoryBar);
  layout->addLayout(infoRow);
  mQuickFilter = new CQuickFilter(central);
  layout->addWidget(mQuickFilter);

  auto* lists = new QSplitter(Qt::Horizontal, central);
  mLists = lists;
  lists->setObjectName(QStringLiteral("Lists"));
  lists->setChildrenCollapsible(false);

  mPatchTable = new CPatchTableView;
  mToneTable = new CToneTableView;
  mWaveTable = new CWaveTableView;
  struct SPane {
    CBaseTableView* table;
    CColumnHeader** header;
    const char* tableId;
    const char* headerId;
  };
  const SPane panes[] = {{mPatchTable, &mPatchHeader, "Plst", "Phdr"},
                         {mToneTable, &mToneHeader, "Nlst", "Nhdr"},
                         {mWaveTable, &mWaveHeader, "Wlst", "Whdr"}};
  for (const SPane& pane : panes) {
    // The header sits above its list; the list scrolls it along horizontally.
    auto* column = new QWidget(lists);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(0);
    *pane.header = new CColumnHeader(column);
    (*pane.header)->setObjectName(QLatin1String(pane.headerId));
    pane.table->setParent(column);
    pane.table->setObjectName(QLatin1String(pane.tableId));
    columnLayout->addWidget(*pane.header);
    columnLayout->addWidget(pane.table, 1);
    lists->addWidget(column);
  }
  mQuickFilter->SetTables({mPatchTable, mToneTable, mWaveTable});
  layout->addWidget(lists, 1);
  setCentralWidget(central);
}

void CProjectWindow::Initialize(CLibrarianDoc* document) {
  mDocument = document;
  const Bris::CParameter::EDataType kinds[] = {Bris::CParameter::kPatch, Bris::CParameter::kTone,
                                               Bris::CParameter::kWave};
  std::vector<std::vector<int>> widths;
  std::vector<std::vector<bool>> stored;
  int fittingWidth = WindowChromeWidth(3);
  for (Bris::CParameter::EDataType kind : kinds) {
    widths.push_back(UColumnWidths::Defaults(kind));
    stored.push_back(UColumnWidths::LoadStored(kind, widths.back()));
    GetTable(kind)->Initialize(this, GetHeader(kind));
    fittingWidth += PaneChromeWidth(kind);
    for (int width : widths.back()) {
      fittingWidth += width;
    }
  }
  UColumnWidths::ShareSpareWidth(widths, stored,
                                 UWindowSizePref::TargetWindowWidth() - fittingWidth);
  QList<int> paneWidths;
  for (Bris::CParameter::EDataType kind : kinds) {
    CColumnHeader* header = GetHeader(kind);
    const std::vector<int>& columns = widths[static_cast<std::size_t>(paneWidths.size())];
    for (std::size_t column = 0; column < columns.size(); ++column) {
      const int columnNumber = static_cast<int>(column) + 1;
      header->SetColWidth(columns[column], columnNumber, columnNumber);
    }
    // Each list starts wide enough to show all its columns.
    CBaseTableView* table = GetTable(kind);
    paneWidths.append(table->GetColLeft(table->GetColCount() + 1) + PaneChromeWidth(kind));
  }
  mLists->setSizes(paneWidths);
  ResizeToStoredOrFittingSize(paneWidths);
  UpdateWaveSize();
  mPatchTable->setFocus();
  mInitialized = true;
}

int CProjectWindow::PaneChromeWidth(Bris::CParameter::EDataType kind) const {
  const CBaseTableView* table = GetTable(kind);
  return 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
}

int CProjectWindow::WindowChromeWidth(int paneCount) const {
  const QMargins margins = centralWidget()->layout()->contentsMargins();
  return margins.left() + margins.right() + mLists->handleWidth() * (paneCount - 1);
}

void CProjectWindow::ResizeToStoredOrFittingSize(const QList<int>& paneWidths) {
  if (const std::optional<QSize> stored = UWindowSizePref::Load()) {
    resize(*stored);
    return;
  }
  int width = WindowChromeWidth(static_cast<int>(paneWidths.size()));
  for (int paneWidth : paneWidths) {
    width += paneWidth;
  }
  int height = kDefaultHeight;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    width = std::min(width, available.width());
    height = std::min(height, available.height() - 40);
  }
  resize(width, height);
}

// --- Panes

CBaseTableView* CProjectWindow::GetTable(Bris::CParameter::EDataType kind) const {
  switch (kind) {
  case Bris::CParameter::kPatch:
    return mPatchTable;
  case Bris::CParameter::kTone:
    return mToneTable;
  case Bris::CParameter::kWave:
    return mWaveTable;
  }
  return nullptr;
}

CColumnHeader* CProjectWindow::GetHeader(Bris::CParameter::EDataType kind) const {
  switch (kind) {
  case Bris::CParameter::kPatch:
    return mPatchHeader;
  case Bris::CParameter::kTone:
    return mToneHeader;
  case Bris::CParameter::kWave:
    return mWaveHeader;
  }
  return nullptr;
}

void CProjectWindow::UpdateContents() {
  mPatchTable->Refresh();
  mToneTable->Refresh();
  mWaveTable->Refresh();
  UpdateWaveSize();
}

void CProjectWindow::UpdateWaveSize() {
  if (mDocument != nullptr) {
    mWaveSizeText->setText(DialogText::FromSystemEncoding(mDocument->GetTotalWaveSize()));
    mWaveMemoryBar->SetUsedBytes(mDocument->GetStore().GetTotalWaveSizeValue());
  }
}

void CProjectWindow::ShowWaveMemoryForecast(
    const std::optional<Bris::SWaveMemoryForecast>& forecast) {
  if (forecast.has_value()) {
    mWaveMemoryBar->ShowForecast(*forecast, Bris::CWaveMemoryMeter::EOperation::kDrop);
  } else {
    mWaveMemoryBar->ClearForecast();
  }
}

void CProjectWindow::ClearTableSelection() {
  mPatchTable->ClearSelection();
  mToneTable->ClearSelection();
  mWaveTable->ClearSelection();
}

void CProjectWindow::SetPathText(const QString& text) {
  mPathText->setText(text);
  mPathText->setToolTip(text);
}

void CProjectWindow::BringToFront() {
  if (isMinimized()) {
    showNormal();
  }
  raise();
  activateWindow();
}

// --- What the lists need

Bris::CZelData& CProjectWindow::GetTableData() {
  return mDocument->GetZelData();
}

void CProjectWindow::MarkTableDataModified() {
  mDocument->SetModified(true);
}

void CProjectWindow::UpdateTableContents() {
  mDocument->UpdateWindowContents();
}

bool CProjectWindow::IsTableProjectWritable() {
  return mDocument->GetStore().IsWritePossibleTracked();
}

bool CProjectWindow::AskTableName(CCommander* asker, std::string& name) {
  return CRenameDialog::AskFileName(asker, name);
}

bool CProjectWindow::AskTableMemo(CCommander* asker, std::string& memo) {
  return CMemoDialog::AskMemo(asker, memo);
}

// --- Font, grid and activation order

void CProjectWindow::UpdateFont(short fontNum, short fontSize) {
  CBaseTableView::SetFont(fontNum, fontSize);
  for (CProjectWindow* window : sLibWindows) {
    window->mPatchTable->UpdateFont(true);
    window->mToneTable->UpdateFont(true);
    window->mWaveTable->UpdateFont(true);
  }
}

void CProjectWindow::UpdateGrid(int gridState) {
  CBaseTableView::SetGridState(gridState == 1 ? 1 : 0);
  for (CProjectWindow* window : sLibWindows) {
    window->mPatchTable->Refresh();
    window->mToneTable->Refresh();
    window->mWaveTable->Refresh();
  }
}

void CProjectWindow::MarkActivated() {
  const auto found = std::find(sLibWindows.begin(), sLibWindows.end(), this);
  if (found != sLibWindows.end()) {
    sLibWindows.erase(found);
  }
  sLibWindows.push_back(this);
}

bool CProjectWindow::event(QEvent* event) {
  switch (event->type()) {
  case QEvent::WindowActivate:
    MarkActivated();
    break;
  case QEvent::WindowStateChange:
    // A window that comes back from being minimised shows its data as it is now.
    if (!isMinimized() && mInitialized) {
      UpdateContents();
    }
    break;
  default:
    break;
  }
  return QMainWindow::event(event);
}

void CProjectWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (mInitialized && isVisible()) {
    UWindowSizePref::Save(size());
  }
}

void CProjectWindow::closeEvent(QCloseEvent* event) {
  // Closing the window closes the document, after the save-changes question.
  event->ignore();
  CLibrarianApp* app = CLibrarianApp::GetApp();
  if (app != nullptr && mDocument != nullptr && app->FindDocumentOfWindow(this) != nullptr) {
    app->CloseDocument(mDocument);
  } else if (mDocument == nullptr || mDocument->AttemptClose()) {
    event->accept();
  }
}

// --- Commands

bool CProjectWindow::ObeyCommand(CommandT command, void* param) {
  switch (command) {
  case kCmdCleanProject:
    HandleCleanProject();
    return true;
  case kCmdImportWaves:
    AskImportWaves();
    return true;
  default:
    return CCommander::ObeyCommand(command, param);
  }
}

void CProjectWindow::FindCommandStatus(CommandT command, SCommandStatus& status) {
  switch (command) {
  case kCmdCleanProject:
  case kCmdImportWaves:
    status.enabled = true;
    return;
  default:
    CCommander::FindCommandStatus(command, status);
  }
}

// --- Clean Project

bool CProjectWindow::HandleCleanProject() {
  return mCleanProject.HandleCleanProject();
}

// --- Import Waves

void CProjectWindow::AskImportWaves() {
  mWaveImport.AskImportWaves();
}

bool CProjectWindow::ImportWavesFilter(const std::vector<std::string>& files) {
  return CWaveImportHandler::ImportWavesFilter(files);
}

bool CProjectWindow::IsValidFileName(const std::string& name) {
  return CWaveImportHandler::IsValidFileName(name);
}

int CProjectWindow::HandleImportWaves(const std::vector<std::string>& files) {
  return mWaveImport.HandleImportWaves(files);
}

Bris::SWaveMemoryForecast
CProjectWindow::ForecastImportWaveMemory(const std::vector<std::string>& files) const {
  return mWaveImport.ForecastImportWaveMemory(files);
}

// --- Files dropped from the desktop

void CProjectWindow::HandleOpenProject(const std::string& folderPath) {
  std::string folder = folderPath;
  while (folder.size() > 1 && folder.back() == '/') {
    folder.pop_back();
  }
  if (!UFileUtils::CheckFileExtension(folder, Bris::FileExt_Project)) {
    return;
  }
  if (CLibrarianApp* app = CLibrarianApp::GetApp()) {
    app->OpenDocument(folder);
  }
}

void CProjectWindow::PostImportWaves(const std::vector<std::string>& files) {
  mPendingImport.insert(mPendingImport.end(), files.begin(), files.end());
  mPostTaskHandler->PostEvent(0, nullptr);
}

void CProjectWindow::PostOpenProject(const std::string& folderPath) {
  mPendingProject = folderPath;
  mPostTaskHandler->PostEvent(0, nullptr);
}

void CProjectWindow::HandlePostTask(std::int32_t /*task*/, void* /*data*/) {
  RunPendingWork();
}

void CProjectWindow::RunPendingWork() {
  // Taken first: an alert shown by the import runs the event loop, which may deliver the next
  // task while this one is still working.
  const std::vector<std::string> files = std::exchange(mPendingImport, {});
  const std::string project = std::exchange(mPendingProject, {});
  if (!files.empty()) {
    HandleImportWaves(files);
  }
  if (!project.empty()) {
    HandleOpenProject(project);
  }
}

// --- Drags over the window

void CProjectWindow::SpendTime() {
  if (HasPendingWork()) {
    RunPendingWork();
  }
}

void CProjectWindow::dragEnterEvent(QDragEnterEvent* event) {
  mDropTarget.DragEnterEvent(event);
}

void CProjectWindow::dragMoveEvent(QDragMoveEvent* event) {
  mDropTarget.DragMoveEvent(event);
}

void CProjectWindow::dragLeaveEvent(QDragLeaveEvent* event) {
  mDropTarget.DragLeaveEvent(event);
}

void CProjectWindow::dropEvent(QDropEvent* event) {
  mDropTarget.DropEvent(event);
}
