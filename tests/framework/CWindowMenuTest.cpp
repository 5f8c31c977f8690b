#include "framework/CWindowMenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A Window menu with its three fixed items, as the application builds it.
std::unique_ptr<QMenu> MakeWindowMenu() {
  auto menu = std::make_unique<QMenu>();
  menu->addAction(QStringLiteral("Cascade"));
  menu->addAction(QStringLiteral("Tile Horizontally"));
  menu->addAction(QStringLiteral("Tile Vertically"));
  return menu;
}

QStringList Texts(const QMenu& menu) {
  QStringList texts;
  for (const QAction* action : menu.actions()) {
    texts.append(action->isSeparator() ? QStringLiteral("---") : action->text());
  }
  return texts;
}

TEST(CWindowMenuTest, WindowsAppearBehindOneSeparatorInEveryAttachedMenu) {
  CWindowMenu windowMenu(3);
  auto first = MakeWindowMenu();
  windowMenu.AttachMenu(first.get());
  EXPECT_EQ(3, first->actions().size()) << "no separator without window items";

  QWidget a;
  a.setWindowTitle(QStringLiteral("Alpha.prj"));
  QWidget b;
  b.setWindowTitle(QStringLiteral("Untitled 1[*]"));
  windowMenu.InsertWindow(&a);
  windowMenu.InsertWindow(&b);
  windowMenu.InsertWindow(&a); // a window is listed once

  auto second = MakeWindowMenu();
  windowMenu.AttachMenu(second.get()); // a later menu bar gets the same items
  const QStringList expected = {"Cascade", "Tile Horizontally", "Tile Vertically",
                                "---",     "Alpha.prj",         "Untitled 1"};
  EXPECT_EQ(expected, Texts(*first));
  EXPECT_EQ(expected, Texts(*second));

  windowMenu.RemoveWindow(&a);
  windowMenu.RemoveWindow(&b);
  EXPECT_EQ(3, first->actions().size()) << "the separator goes with the last item";
  EXPECT_EQ(3, second->actions().size());
}

TEST(CWindowMenuTest, ItemsFollowTitlesAndVanishWithTheirWindow) {
  CWindowMenu windowMenu(3);
  auto menu = MakeWindowMenu();
  windowMenu.AttachMenu(menu.get());
  auto window = std::make_unique<QWidget>();
  window->setWindowTitle(QStringLiteral("Song.prj"));
  windowMenu.InsertWindow(window.get());

  window->setWindowTitle(QStringLiteral("Song & Dance.prj[*]"));
  EXPECT_EQ("Song && Dance.prj", windowMenu.GetActionOfWindow(window.get())->text())
      << "an ampersand stays literal in the menu";

  window.reset();
  EXPECT_EQ(0, windowMenu.GetWindowCount());
  EXPECT_EQ(3, menu->actions().size());
}

TEST(CWindowMenuTest, ItemsAreNumberedAfterTheFixedItemsAndTheFirstNineGetShortcuts) {
  CWindowMenu windowMenu(3);
  std::vector<std::unique_ptr<QWidget>> windows;
  for (int i = 0; i < 10; ++i) {
    windows.push_back(std::make_unique<QWidget>());
    windowMenu.InsertWindow(windows.back().get());
  }
  // Items 1-3 fixed, 4 the separator, windows from 5 on.
  EXPECT_EQ(SyntheticCommand(kWindowMenuId, 5), windowMenu.GetCommandOfWindow(windows[0].get()));
  EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_1),
            windowMenu.GetActionOfWindow(windows[0].get())->shortcut());
  EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_9),
            windowMenu.GetActionOfWindow(windows[8].get())->shortcut());
  EXPECT_TRUE(windowMenu.GetActionOfWindow(windows[9].get())->shortcut().isEmpty());

  windowMenu.RemoveWindow(windows[0].get());
  EXPECT_EQ(SyntheticCommand(kWindowMenuId, 5), windowMenu.GetCommandOfWindow(windows[1].get()));
  EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_9),
            windowMenu.GetActionOfWindow(windows[9].get())->shortcut())
      << "the tenth window moved up to ninth place";
  EXPECT_EQ(windows[9].get(), windowMenu.GetWindowOfCommand(SyntheticCommand(kWindowMenuId, 13)));
  EXPECT_EQ(nullptr, windowMenu.GetWindowOfCommand(SyntheticCommand(kWindowMenuId, 14)));
  EXPECT_EQ(nullptr, windowMenu.GetWindowOfCommand(SyntheticCommand(kHelpMenuId, 5)));
}

TEST(CWindowMenuTest, ItemStatusAndCommand_CheckTheSelectedWindowAndBringItForward) {
  CWindowMenu windowMenu(3);
  QWidget a;
  QWidget b;
  windowMenu.InsertWindow(&a);
  windowMenu.InsertWindow(&b);
  const CommandT commandOfA = windowMenu.GetCommandOfWindow(&a);

  SCommandStatus status;
  ASSERT_TRUE(windowMenu.FindCommandStatus(commandOfA, status, &a));
  EXPECT_TRUE(status.enabled);
  EXPECT_TRUE(status.usesMark);
  EXPECT_TRUE(status.checked);
  ASSERT_TRUE(windowMenu.FindCommandStatus(commandOfA, status, &b));
  EXPECT_FALSE(status.checked);
  EXPECT_FALSE(windowMenu.FindCommandStatus(kCmdCascade, status, &a)) << "not a window item";

  a.showMinimized();
  QApplication::processEvents();
  EXPECT_TRUE(windowMenu.ObeyCommand(commandOfA));
  EXPECT_TRUE(a.isVisible());
  EXPECT_FALSE(a.isMinimized());
  EXPECT_FALSE(windowMenu.ObeyCommand(kCmdCascade));
}

} // namespace
