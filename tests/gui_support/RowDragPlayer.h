#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

#include <functional>

class CBaseTableView;
class QDrag;

namespace BrisTest {

// What the list under a played row drag showed and did.
struct SPlayedDrag {
  bool started = false;    // the platform drag ran
  bool acceptable = false; // the list took the drag at all
  Qt::DropAction action = Qt::IgnoreAction;
  int dropRow = 0;
  QRect hilite;             // the drop feedback at the last move
  bool wasDragging = false; // the lists knew a drag was running
  bool received = false;    // the list took the drop
};

// A row drag played through the lists' handlers instead of the platform drag: the drag of the
// source's selection from clickedRow enters target, moves over targetRow (scrolled into view)
// with the keys held and is dropped there (or leaves again without release). While it is over
// the list, during() runs. The source then finishes the drag as after a real one.
SPlayedDrag DragRows(CBaseTableView& source, int clickedRow, CBaseTableView& target, int targetRow,
                     Qt::KeyboardModifiers modifiers, bool release = true,
                     const std::function<void()>& during = {});

// Installs a drag runner for its lifetime.
class StDragRunner {
public:
  explicit StDragRunner(std::function<Qt::DropAction(QDrag&)> runner);
  ~StDragRunner();
  StDragRunner(const StDragRunner&) = delete;
  StDragRunner& operator=(const StDragRunner&) = delete;

private:
  std::function<Qt::DropAction(QDrag&)> mPrevious;
};

// The viewport point in the middle of the first column of row (which must be visible).
QPoint RowPoint(const CBaseTableView& table, int row);

} // namespace BrisTest
