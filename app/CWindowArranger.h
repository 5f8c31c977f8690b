#pragma once

#include <QRect>

#include <vector>

class CLibrarianApp;

// Cascade, Tile Horizontally and Tile Vertically of the shown document windows, in the order
// they were last activated.
class CWindowArranger {
public:
  explicit CWindowArranger(const CLibrarianApp& app) : mApp(app) {}

  void Cascade(int step, int count);
  void TileHorizontally(int maxRows);
  void TileVertically(int maxColumns);

private:
  void ArrangeWindows(const std::vector<QRect>& rects, bool mostRecentFirst);
  int WindowCount() const;

  const CLibrarianApp& mApp;
};
