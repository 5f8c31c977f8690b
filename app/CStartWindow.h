#pragma once

#include <QMainWindow>

class CLibrarianApp;
class CRecentProjectsList;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The window shown while no project window is open, on desktops without a global menu bar: it
// carries the application's menus and buttons for New and Open. It is no document; closing it
// quits the application.
class CStartWindow : public QMainWindow {
  Q_OBJECT

public:
  explicit CStartWindow(CLibrarianApp& app);

  // Shows the Open Demo Project button only while the demo project exists.
  void UpdateDemoButton();
  // Shows the recent projects, or hides the list while there are none.
  void UpdateRecentList();
  CRecentProjectsList* GetRecentList() const { return mRecentList; }

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  CLibrarianApp& mApp;
  QPushButton* mDemoButton = nullptr;
  QLabel* mRecentCaption = nullptr;
  CRecentProjectsList* mRecentList = nullptr;

  void AddRecentList(QVBoxLayout* layout);
};
