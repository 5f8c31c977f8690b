#include "app/CStartWindow.h"

#include "app/CLibrarianApp.h"
#include "app/CRecentProjectsList.h"
#include "app/CRecentProjectsMenu.h"
#include "framework/CCommander.h"
#include "store/CDemoProjectWriter.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

CStartWindow::CStartWindow(CLibrarianApp& app) : mApp(app) {
  setObjectName(QStringLiteral("StartWindow"));
  setWindowTitle(QStringLiteral("Brisel Librarian"));
  app.BuildMenuBar(menuBar());

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(32, 24, 32, 24);
  layout->addStretch(1);
  auto* title = new QLabel(QStringLiteral("Brisel Librarian"), central);
  QFont titleFont = title->font();
  titleFont.setPointSize(titleFont.pointSize() + 8);
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignCenter);
  layout->addWidget(title);
  auto* hint = new QLabel(tr("Open a project folder (a folder named name.prj that holds Patch, "
                             "Tone and Wave), or start a new project."),
                          central);
  hint->setWordWrap(true);
  hint->setAlignment(Qt::AlignCenter);
  layout->addWidget(hint);
  layout->addSpacing(12);

  auto* buttons = new QHBoxLayout;
  auto* newButton =
      new QPushButton(style()->standardIcon(QStyle::SP_FileIcon), tr("New Project"), central);
  newButton->setObjectName(QStringLiteral("New"));
  auto* openButton = new QPushButton(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                     tr("Open Project..."), central);
  openButton->setObjectName(QStringLiteral("Open"));
  openButton->setDefault(true);
  buttons->addStretch(1);
  buttons->addWidget(newButton);
  buttons->addWidget(openButton);
  mDemoButton = new QPushButton(tr("Open &Demo Project"), central);
  mDemoButton->setObjectName(QStringLiteral("Demo"));
  buttons->addWidget(mDemoButton);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  AddRecentList(layout);
  layout->addStretch(1);
  setCentralWidget(central);
  resize(520, 240);

  connect(newButton, &QPushButton::clicked, this, [] { CCommander::ProcessCommand(kCmdNew); });
  connect(openButton, &QPushButton::clicked, this, [] { CCommander::ProcessCommand(kCmdOpen); });
  connect(mDemoButton, &QPushButton::clicked, this,
          [this] { mApp.OpenDocument(Bris::CDemoProjectWriter::DefaultPath()); });
  UpdateDemoButton();
}

void CStartWindow::AddRecentList(QVBoxLayout* layout) {
  mRecentCaption = new QLabel(tr("Recent Projects"), layout->parentWidget());
  mRecentList = new CRecentProjectsList(
      [this](const std::string& folderPath) { return mApp.OpenDocument(folderPath); },
      layout->parentWidget());
  layout->addSpacing(12);
  layout->addWidget(mRecentCaption);
  layout->addWidget(mRecentList, 2);
  connect(&mApp.GetRecentProjectsMenu(), &CRecentProjectsMenu::Changed, this,
          &CStartWindow::UpdateRecentList);
  UpdateRecentList();
}

void CStartWindow::UpdateRecentList() {
  mRecentList->Refresh();
  const bool any = mRecentList->count() > 0;
  mRecentCaption->setVisible(any);
  mRecentList->setVisible(any);
  if (any && height() < 400) {
    resize(width(), 400);
  }
}

void CStartWindow::UpdateDemoButton() {
  const QString demo = QString::fromStdString(Bris::CDemoProjectWriter::DefaultPath());
  mDemoButton->setVisible(!demo.isEmpty() && QFileInfo(demo).isDir());
  mDemoButton->setToolTip(demo);
}

void CStartWindow::showEvent(QShowEvent* event) {
  UpdateDemoButton();
  UpdateRecentList();
  QMainWindow::showEvent(event);
}

void CStartWindow::closeEvent(QCloseEvent* event) {
  // Quitting may ask questions and closes this window itself; let the close event finish first.
  event->ignore();
  QTimer::singleShot(0, &mApp, [&app = mApp] { app.DoQuit(); });
}
