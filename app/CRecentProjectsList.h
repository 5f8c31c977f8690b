#pragma once

#include <QListWidget>

#include <functional>
#include <string>

// The recent projects on the start window, most recent first: missing folders greyed (they can
// still be tried, and then fail with the ordinary alert of a project that cannot be opened). A
// double-click or Return opens the project of the item.
class CRecentProjectsList : public QListWidget {
  Q_OBJECT

public:
  using OpenFunction = std::function<bool(const std::string& folderPath)>;

  explicit CRecentProjectsList(OpenFunction open, QWidget* parent = nullptr);

  // Reads the stored list again.
  void Refresh();
  // Opens the project of row; false when there is none or it could not be opened.
  bool OpenRow(int row);
  // Whether row shows a folder that is not there.
  bool IsRowMissing(int row) const;

private:
  OpenFunction mOpen;
};
