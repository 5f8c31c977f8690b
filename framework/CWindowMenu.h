#pragma once

#include "framework/CommandCodes.h"
#include "framework/SCommandStatus.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QAction;
class QMenu;
class QWidget;

// The window items of the Window menu: one item per registered window, titled with the window's
// title (and following it), behind one separator that exists only while there are items. Items
// are numbered after the menu's fixed items; the first nine get Ctrl+1 .. Ctrl+9. Every window
// with a menu bar has its own Window menu; all of them show the same items.
class CWindowMenu : public QObject {
  Q_OBJECT

public:
  explicit CWindowMenu(int fixedItemCount, QObject* parent = nullptr);
  ~CWindowMenu() override;

  // Adds the items to menu, whose fixed items are already in place, and keeps them there.
  void AttachMenu(QMenu* menu);

  void InsertWindow(QWidget* window);
  void RemoveWindow(QWidget* window);

  int GetWindowCount() const { return static_cast<int>(mItems.size()); }
  QWidget* GetWindowOfCommand(CommandT command) const;
  CommandT GetCommandOfWindow(const QWidget* window) const;
  QAction* GetActionOfWindow(const QWidget* window) const;
  std::vector<QAction*> GetActions() const;

  // A window item brings its window to the front. False for any other command.
  bool ObeyCommand(CommandT command);
  // A window item is always enabled and checked when its window is selectedWindow. False for any
  // other command.
  bool FindCommandStatus(CommandT command, SCommandStatus& status,
                         const QWidget* selectedWindow) const;

  // Shows window (also when minimised), raises it and makes it the active window.
  static void BringToFront(QWidget* window);
  // The menu text for a window title: the modified-mark placeholder removed, "&" kept literal.
  static QString MenuTextOfTitle(const QString& title);

signals:
  // A window item was chosen from a menu or by its shortcut.
  void CommandChosen(CommandT command);

private:
  struct SItem {
    QWidget* window;
    QAction* action;
  };

  void Renumber();
  void UpdateSeparator();

  int mFirstItemNumber;
  std::vector<SItem> mItems;
  std::vector<QPointer<QMenu>> mMenus;
  QAction* mSeparator;
};
