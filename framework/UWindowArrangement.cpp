#include "framework/UWindowArrangement.h"

#include "framework/CWindowMenu.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kInset = 4;
constexpr int kCascadeMinWidth = 703; // a cascaded window must be wider than this
constexpr int kCascadeMinHeight = 149;
constexpr int kTileMinWidth = 707; // a tile column must be wider than this
constexpr int kTileMinHeight = 153;

int CeilDiv(int a, int b) {
  return (a + b - 1) / b;
}

// Counts down from start + 1: the first count whose share of length exceeds minimum, or 1.
int FitCount(int start, int length, int minimum) {
  int n = start + 1;
  int share = 0;
  do {
    --n;
    share = length / n;
  } while (share <= minimum && n > 1);
  return n;
}

// Tiles in a grid of the primary dimension (counted first) and secondary one. k counts windows
// from the most recently activated; the result is in activation order, oldest first.
std::vector<QRect> CalcTileRects(const QRect& screenArea, int windowCount, int maxPrimary,
                                 bool rowsFirst) {
  std::vector<QRect> rects;
  if (windowCount <= 0) {
    return rects;
  }
  const QRect area = screenArea.adjusted(kInset, kInset, 0, 0);
  const int width = area.width();
  const int height = area.height();
  int rows = 0;
  int columns = 0;
  if (rowsFirst) {
    rows = FitCount(std::min(windowCount, maxPrimary), height, kTileMinHeight);
    columns = FitCount(CeilDiv(windowCount, rows), width, kTileMinWidth);
  } else {
    columns = FitCount(std::min(windowCount, maxPrimary), width, kTileMinWidth);
    rows = FitCount(CeilDiv(windowCount, columns), height, kTileMinHeight);
  }
  const int rowHeight = height / rows;
  const int columnWidth = width / columns;
  rects.resize(static_cast<std::size_t>(windowCount));
  for (int k = 0; k < windowCount; ++k) {
    const int row = rowsFirst ? k % rows : (k / columns) % rows;
    const int column = rowsFirst ? (k / rows) % columns : k % columns;
    const QRect cell(area.left() + column * columnWidth, area.top() + row * rowHeight,
                     std::max(1, columnWidth - kInset), std::max(1, rowHeight - kInset));
    rects[static_cast<std::size_t>(windowCount - 1 - k)] = cell;
  }
  return rects;
}

} // namespace

std::vector<QRect> UWindowArrangement::CalcCascadeRects(const QRect& screenArea, int windowCount,
                                                        int step, int count) {
  std::vector<QRect> rects;
  if (windowCount <= 0) {
    return rects;
  }
  const QRect area = screenArea.adjusted(kInset, kInset, -kInset, -kInset);
  int n = std::max(count, 1);
  while (n > 1 && (area.width() - step * n <= kCascadeMinWidth ||
                   area.height() - step * n <= kCascadeMinHeight)) {
    --n;
  }
  const int width = std::max(1, area.width() - step * n);
  const int height = std::max(1, area.height() - step * n);
  for (int i = 0; i < windowCount; ++i) {
    const int offset = (i % n) * step;
    rects.emplace_back(area.left() + offset, area.top() + offset, width, height);
  }
  return rects;
}

std::vector<QRect> UWindowArrangement::CalcTileHorizontallyRects(const QRect& screenArea,
                                                                 int windowCount, int maxRows) {
  return CalcTileRects(screenArea, windowCount, maxRows, true);
}

std::vector<QRect> UWindowArrangement::CalcTileVerticallyRects(const QRect& screenArea,
                                                               int windowCount, int maxColumns) {
  return CalcTileRects(screenArea, windowCount, maxColumns, false);
}

QRect UWindowArrangement::StructureToContentRect(const QRect& structure,
                                                 const QMargins& frameMargins) {
  return structure.marginsRemoved(frameMargins);
}

QMargins UWindowArrangement::FrameMarginsOf(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect content = window->geometry();
  return QMargins(content.left() - frame.left(), content.top() - frame.top(),
                  frame.right() - content.right(), frame.bottom() - content.bottom());
}

QRect UWindowArrangement::GetScreenArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

void UWindowArrangement::ApplyRects(const std::vector<QWidget*>& windows,
                                    const std::vector<QRect>& rects,
                                    const std::vector<int>& raiseOrder) {
  for (std::size_t i = 0; i < windows.size() && i < rects.size(); ++i) {
    QWidget* window = windows[i];
    if (window->isMinimized()) {
      window->showNormal();
    }
    window->setGeometry(StructureToContentRect(rects[i], FrameMarginsOf(window)));
  }
  for (int index : raiseOrder) {
    if (index >= 0 && index < static_cast<int>(windows.size())) {
      CWindowMenu::BringToFront(windows[static_cast<std::size_t>(index)]);
    }
  }
}
