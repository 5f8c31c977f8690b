#include "app/CRecentProjectsMenu.h"

#include "app/CRecentProjects.h"
#include "framework/CCommander.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include <utility>
#include <vector>

CRecentProjectsMenu::CRecentProjectsMenu(OpenFunction open, QObject* parent)
    : QObject(parent), mOpen(std::move(open)) {}

QMenu* CRecentProjectsMenu::AttachToFileMenu(QMenuBar* bar, QAction* openAction) {
  QMenu* file = bar->findChild<QMenu*>(QStringLiteral("File"));
  if (file == nullptr) {
    return nullptr;
  }
  auto* recent = new QMenu(tr("Open &Recent"), file);
  recent->setObjectName(QStringLiteral("Recent"));
  recent->setToolTipsVisible(true);
  const QList<QAction*> actions = file->actions();
  const qsizetype openAt = actions.indexOf(openAction);
  QAction* before = openAt >= 0 && openAt + 1 < actions.size() ? actions[openAt + 1] : nullptr;
  file->insertMenu(before, recent);
  connect(recent, &QMenu::aboutToShow, recent, [this, recent] { FillMenu(recent); });
  FillMenu(recent);
  return recent;
}

void CRecentProjectsMenu::FillMenu(QMenu* menu) {
  menu->clear();
  const auto addItem = [this, menu](CommandT command, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setData(command);
    action->setEnabled(CCommander::GetCommandStatus(command).enabled);
    connect(action, &QAction::triggered, this, [command] { CCommander::ProcessCommand(command); });
    return action;
  };
  const std::vector<std::string> list = CRecentProjects::Load();
  for (std::size_t i = 0; i < list.size(); ++i) {
    // Alt+1 .. Alt+9 and 0 reach the items from the keyboard.
    const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
    QAction* action = addItem(CommandOfItem(i), number + QLatin1Char(' ') + MenuTextOf(list[i]));
    action->setToolTip(action->isEnabled()
                           ? QString::fromStdString(list[i])
                           : tr("%1 is not there any more").arg(QString::fromStdString(list[i])));
  }
  if (list.empty()) {
    menu->addAction(tr("No Recent Projects"))->setEnabled(false);
  }
  menu->addSeparator();
  addItem(kCmdClearRecent, tr("Clear Menu"));
}

CommandT CRecentProjectsMenu::CommandOfItem(std::size_t index) {
  return SyntheticCommand(kRecentMenuId, static_cast<int>(index) + 1);
}

int CRecentProjectsMenu::IndexOfCommand(CommandT command) {
  if (!IsSyntheticCommand(command) || SyntheticMenuId(command) != kRecentMenuId) {
    return -1;
  }
  return SyntheticItem(command) - 1;
}

bool CRecentProjectsMenu::ObeyCommand(CommandT command) {
  if (command == kCmdClearRecent) {
    CRecentProjects::Clear();
    emit Changed();
    return true;
  }
  const int index = IndexOfCommand(command);
  if (index < 0) {
    return false;
  }
  const std::vector<std::string> list = CRecentProjects::Load();
  if (static_cast<std::size_t>(index) < list.size() && mOpen) {
    mOpen(list[static_cast<std::size_t>(index)]);
  }
  return true;
}

bool CRecentProjectsMenu::FindCommandStatus(CommandT command, SCommandStatus& status) const {
  if (command == kCmdClearRecent) {
    status.enabled = !CRecentProjects::Load().empty();
    return true;
  }
  const int index = IndexOfCommand(command);
  if (index < 0) {
    return false;
  }
  const std::vector<CRecentProjects::SEntry> entries = CRecentProjects::LoadEntries();
  status.enabled = static_cast<std::size_t>(index) < entries.size() &&
                   !entries[static_cast<std::size_t>(index)].missing;
  return true;
}

void CRecentProjectsMenu::NoteProject(const std::string& folderPath) {
  if (folderPath.empty()) {
    return;
  }
  CRecentProjects::Note(folderPath);
  emit Changed();
}

QString CRecentProjectsMenu::MenuTextOf(const std::string& folderPath) {
  const QFileInfo info(QString::fromStdString(folderPath));
  QString parent = info.path();
  const QString home = QDir::homePath();
  if (parent == home || parent.startsWith(home + QLatin1Char('/'))) {
    parent = QLatin1Char('~') + parent.mid(home.size());
  }
  // A "&" of a folder name is shown, not taken as a shortcut mark.
  QString text = info.fileName() + QStringLiteral("  \u2014  ") + parent;
  return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
