#include "framework/CWindowMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kShortcutItemCount = 9;

} // namespace

// The separator takes one item number, as a menu line does.
CWindowMenu::CWindowMenu(int fixedItemCount, QObject* parent)
    : QObject(parent), mFirstItemNumber(fixedItemCount + 2), mSeparator(new QAction(this)) {
  mSeparator->setSeparator(true);
}

CWindowMenu::~CWindowMenu() {
  for (const SItem& item : mItems) {
    disconnect(item.window, nullptr, this, nullptr);
  }
}

void CWindowMenu::AttachMenu(QMenu* menu) {
  mMenus.erase(std::remove(mMenus.begin(), mMenus.end(), nullptr), mMenus.end());
  mMenus.emplace_back(menu);
  if (!mItems.empty()) {
    menu->addAction(mSeparator);
  }
  for (const SItem& item : mItems) {
    menu->addAction(item.action);
  }
}

void CWindowMenu::InsertWindow(QWidget* window) {
  if (window == nullptr || GetActionOfWindow(window) != nullptr) {
    return;
  }
  auto* action = new QAction(MenuTextOfTitle(window->windowTitle()), this);
  action->setCheckable(true);
  connect(window, &QWidget::windowTitleChanged, action,
          [action](const QString& title) { action->setText(MenuTextOfTitle(title)); });
  connect(window, &QObject::destroyed, this, [this, window] { RemoveWindow(window); });
  connect(action, &QAction::triggered, this,
          [this, action] { emit CommandChosen(static_cast<CommandT>(action->data().toInt())); });
  mItems.push_back(SItem{window, action});
  UpdateSeparator();
  for (const QPointer<QMenu>& menu : mMenus) {
    if (menu != nullptr) {
      menu->addAction(action);
    }
  }
  Renumber();
}

void CWindowMenu::RemoveWindow(QWidget* window) {
  auto found = std::find_if(mItems.begin(), mItems.end(),
                            [window](const SItem& item) { return item.window == window; });
  if (found == mItems.end()) {
    return;
  }
  QAction* action = found->action;
  mItems.erase(found);
  disconnect(window, nullptr, this, nullptr);
  delete action; // removes it from every menu
  UpdateSeparator();
  Renumber();
}

void CWindowMenu::UpdateSeparator() {
  for (const QPointer<QMenu>& menu : mMenus) {
    if (menu == nullptr) {
      continue;
    }
    const bool present = menu->actions().contains(mSeparator);
    if (!mItems.empty() && !present) {
      QAction* firstItem = mItems.front().action;
      menu->insertAction(menu->actions().contains(firstItem) ? firstItem : nullptr, mSeparator);
    } else if (mItems.empty() && present) {
      menu->removeAction(mSeparator);
    }
  }
}

void CWindowMenu::Renumber() {
  for (std::size_t i = 0; i < mItems.size(); ++i) {
    QAction* action = mItems[i].action;
    action->setData(SyntheticCommand(kWindowMenuId, mFirstItemNumber + static_cast<int>(i)));
    action->setShortcut(static_cast<int>(i) < kShortcutItemCount
                            ? QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i))
                            : QKeySequence());
  }
}

QWidget* CWindowMenu::GetWindowOfCommand(CommandT command) const {
  if (!IsSyntheticCommand(command) || SyntheticMenuId(command) != kWindowMenuId) {
    return nullptr;
  }
  const int index = SyntheticItem(command) - mFirstItemNumber;
  if (index < 0 || index >= static_cast<int>(mItems.size())) {
    return nullptr;
  }
  return mItems[static_cast<std::size_t>(index)].window;
}

CommandT CWindowMenu::GetCommandOfWindow(const QWidget* window) const {
  const QAction* action = GetActionOfWindow(window);
  return action != nullptr ? static_cast<CommandT>(action->data().toInt()) : kCmdNothing;
}

QAction* CWindowMenu::GetActionOfWindow(const QWidget* window) const {
  for (const SItem& item : mItems) {
    if (item.window == window) {
      return item.action;
    }
  }
  return nullptr;
}

std::vector<QAction*> CWindowMenu::GetActions() const {
  std::vector<QAction*> actions;
  for (const SItem& item : mItems) {
    actions.push_back(item.action);
  }
  return actions;
}

bool CWindowMenu::ObeyCommand(CommandT command) {
  QWidget* window = GetWindowOfCommand(command);
  if (window == nullptr) {
    return false;
  }
  BringToFront(window);
  return true;
}

bool CWindowMenu::FindCommandStatus(CommandT command, SCommandStatus& status,
                                    const QWidget* selectedWindow) const {
  QWidget* window = GetWindowOfCommand(command);
  if (window == nullptr) {
    return false;
  }
  status.enabled = true;
  status.usesMark = true;
  status.checked = window == selectedWindow;
  return true;
}

void CWindowMenu::BringToFront(QWidget* window) {
  if (window->isMinimized()) {
    window->showNormal();
  } else {
    window->show();
  }
  window->raise();
  window->activateWindow();
}

QString CWindowMenu::MenuTextOfTitle(const QString& title) {
  QString text = title;
  text.remove(QStringLiteral("[*]"));
  text.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return text;
}
