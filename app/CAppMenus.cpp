#include "app/CAppMenus.h"

#include "app/CLibrarianApp.h"
#include "framework/CWindowMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <initializer_list>

QAction* CAppMenus::AddAction(CommandT command, const QString& text, const QKeySequence& shortcut) {
  auto* action = new QAction(text, &mApp);
  action->setData(command);
  action->setShortcut(shortcut);
  QObject::connect(action, &QAction::triggered, &mApp, [this, command] {
    CCommander::ProcessCommand(command);
    mApp.UpdateCommandStatus();
  });
  mActions[command] = action;
  return action;
}

void CAppMenus::CreateActions() {
  AddAction(kCmdNew, CLibrarianApp::tr("&New Project"), QKeySequence::New);
  AddAction(kCmdOpen, CLibrarianApp::tr("&Open Project..."), QKeySequence::Open);
  AddAction(kCmdClose, CLibrarianApp::tr("&Close"), QKeySequence::Close);
  AddAction(kCmdSave, CLibrarianApp::tr("&Save"), QKeySequence::Save);
  AddAction(kCmdSaveAs, CLibrarianApp::tr("Save &As..."),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  AddAction(kCmdPreviewSave, CLibrarianApp::tr("Pre&view Save..."), QKeySequence());
  AddAction(kCmdQuit, CLibrarianApp::tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q))
      ->setMenuRole(QAction::QuitRole);
  AddAction(kCmdUndo, CLibrarianApp::tr("&Undo"), QKeySequence::Undo);
  AddAction(kCmdDelete, CLibrarianApp::tr("&Delete"), QKeySequence::Delete);
  AddAction(kCmdSelectAll, CLibrarianApp::tr("Select &All"), QKeySequence::SelectAll);
  AddAction(kCmdFind, CLibrarianApp::tr("&Find..."), QKeySequence::Find);
  AddAction(kCmdLibraryFolders, CLibrarianApp::tr("&Library Folders..."), QKeySequence());
  AddAction(kCmdImportWaves, CLibrarianApp::tr("&Import Waves..."),
            QKeySequence(Qt::CTRL | Qt::Key_I));
  AddAction(kCmdCleanProject, CLibrarianApp::tr("&Clean Project..."), QKeySequence());
  AddAction(kCmdFont, CLibrarianApp::tr("List &Font..."), QKeySequence());
  AddAction(kCmdGrid, CLibrarianApp::tr("&Grid..."), QKeySequence());
  AddAction(kCmdCascade, CLibrarianApp::tr("&Cascade"), QKeySequence());
  AddAction(kCmdTileHorizontally, CLibrarianApp::tr("Tile &Horizontally"), QKeySequence());
  AddAction(kCmdTileVertically, CLibrarianApp::tr("Tile &Vertically"), QKeySequence());
  AddAction(kCmdAbout, CLibrarianApp::tr("&About Brisel Librarian"), QKeySequence())
      ->setMenuRole(QAction::AboutRole);
}

void CAppMenus::BuildMenuBar(QMenuBar* bar, CWindowMenu& windowMenuItems, CommandT helpCommand) {
  auto addMenu = [this, bar](const QString& title, const char* objectName,
                             std::initializer_list<CommandT> commands) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(objectName));
    for (CommandT command : commands) {
      if (command == kCmdNothing) {
        menu->addSeparator();
      } else if (QAction* action = GetCommandAction(command)) {
        menu->addAction(action);
      }
    }
    QObject::connect(menu, &QMenu::aboutToShow, &mApp, &CLibrarianApp::UpdateCommandStatus);
    return menu;
  };
  addMenu(CLibrarianApp::tr("&File"), "File",
          {kCmdNew, kCmdOpen, kCmdNothing, kCmdClose, kCmdSave, kCmdSaveAs, kCmdPreviewSave,
           kCmdNothing, kCmdQuit});
  addMenu(CLibrarianApp::tr("&Edit"), "Edit", {kCmdUndo, kCmdNothing, kCmdDelete, kCmdSelectAll, kCmdNothing, kCmdFind,
           kCmdLibraryFolders});
  addMenu(CLibrarianApp::tr("&Project"), "Project", {kCmdImportWaves, kCmdCleanProject});
  addMenu(CLibrarianApp::tr("&View"), "View", {kCmdFont, kCmdGrid});
  QMenu* windowMenu = addMenu(CLibrarianApp::tr("&Window"), "Window",
                              {kCmdCascade, kCmdTileHorizontally, kCmdTileVertically});
  windowMenuItems.AttachMenu(windowMenu);
  QMenu* help = addMenu(CLibrarianApp::tr("&Help"), "Help", {helpCommand});
  help->addSeparator();
  help->addAction(GetCommandAction(kCmdAbout));
}

QAction* CAppMenus::GetCommandAction(CommandT command) const {
  const auto found = mActions.find(command);
  return found != mActions.end() ? found->second : nullptr;
}

void CAppMenus::UpdateCommandStatus(const CWindowMenu& windowMenuItems) const {
  auto update = [](QAction* action, CommandT command) {
    const SCommandStatus status = CCommander::GetCommandStatus(command);
    action->setEnabled(status.enabled);
    action->setCheckable(status.usesMark);
    action->setChecked(status.usesMark && status.checked);
  };
  for (const auto& [command, action] : mActions) {
    update(action, command);
  }
  for (QAction* action : windowMenuItems.GetActions()) {
    update(action, static_cast<CommandT>(action->data().toInt()));
  }
}

void CAppMenus::UpdateUndoItem(bool redoNext) const {
  QAction* action = GetCommandAction(kCmdUndo);
  if (action == nullptr) {
    return;
  }
  const QString text = redoNext ? CLibrarianApp::tr("&Redo") : CLibrarianApp::tr("&Undo");
  if (action->text() != text) {
    action->setText(text);
  }
  QList<QKeySequence> keys{QKeySequence(QKeySequence::Undo)};
  if (redoNext) {
    keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) << QKeySequence(Qt::CTRL | Qt::Key_Y);
  }
  if (action->shortcuts() != keys) {
    action->setShortcuts(keys);
  }
}
