#include "app/CWindowArranger.h"

#include "app/CLibrarianApp.h"
#include "framework/UWindowArrangement.h"

void CWindowArranger::ArrangeWindows(const std::vector<QRect>& rects, bool mostRecentFirst) {
  const std::vector<QWidget*> windows = mApp.GetWindowsInActivationOrder();
  const int count = static_cast<int>(windows.size());
  std::vector<int> raiseOrder;
  for (int i = 0; i < count; ++i) {
    raiseOrder.push_back(mostRecentFirst ? count - 1 - i : i);
  }
  if (mostRecentFirst && count > 0) {
    raiseOrder.push_back(count - 1); // the most recently activated ends on top
  }
  UWindowArrangement::ApplyRects(windows, rects, raiseOrder);
}

int CWindowArranger::WindowCount() const {
  return static_cast<int>(mApp.GetWindowsInActivationOrder().size());
}

void CWindowArranger::Cascade(int step, int count) {
  ArrangeWindows(UWindowArrangement::CalcCascadeRects(UWindowArrangement::GetScreenArea(),
                                                      WindowCount(), step, count),
                 false);
}

void CWindowArranger::TileHorizontally(int maxRows) {
  ArrangeWindows(UWindowArrangement::CalcTileHorizontallyRects(UWindowArrangement::GetScreenArea(),
                                                               WindowCount(), maxRows),
                 true);
}

void CWindowArranger::TileVertically(int maxColumns) {
  ArrangeWindows(UWindowArrangement::CalcTileVerticallyRects(UWindowArrangement::GetScreenArea(),
                                                             WindowCount(), maxColumns),
                 true);
}
