#pragma once

#include <QPoint>
#include <Qt>

#include <functional>

class CBaseTableView;
class QDrag;
struct SDragData;

// A list as the source of a row drag: the selected slots go into the domain clipboard for the
// drag's lifetime, the platform drag runs, and once it has ended the drop a list accepted is
// carried out (pasted into the target, blanked in the source for a move).
class CTableDragSource {
public:
  // Runs the platform drag and returns once it has ended. Tests replace it to play the part of
  // the lists the drag passes over.
  using DragRunner = std::function<Qt::DropAction(QDrag& drag)>;
  // Returns the runner installed before; an empty runner restores the platform drag.
  static DragRunner SetDragRunner(DragRunner runner);

  explicit CTableDragSource(CBaseTableView& view) : mView(view) {}

  void TrackDrag(int clickedRow);
  void FinishDragAndDrop(SDragData& drag);

private:
  // Shows in both lists what the drop did, and marks their projects modified.
  void ShowDropResult(CBaseTableView& target, const SDragData& drag, unsigned int pastedCount,
                      bool sourceChanged);

  CBaseTableView& mView;
};
