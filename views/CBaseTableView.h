#pragma once

#include "domain/CParameter.h"
#include "framework/CCommander.h"
#include "views/CRowSelection.h"
#include "views/CTableCellEditor.h"
#include "views/CTableCellPainter.h"
#include "views/CTableDragSource.h"
#include "views/CTableDropTarget.h"
#include "views/CTableMarquee.h"
#include "views/CTableMouseTracker.h"
#include "views/CTableSelectionInput.h"
#include "views/CTableViewEx.h"
#include "views/CUnwritableWarning.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class CColumnHeader;
class ITableHost;
class QMimeData;
struct SDragData;

namespace Bris {
class CParameterArray;
class CZelData;
} // namespace Bris

// One list of a project window: row r shows slot r - 1 of one kind of the document's data set.
// The view owns the selection (plain, Shift and Ctrl clicks, a marquee, the arrow keys), the
// Delete and Select All commands, renaming and memo editing by double click, and draws its cells
// with the shared list font and grid. The patch, tone and wave lists derive from it.
//
// Every behaviour is reachable through a handler (HandleClick, HandleKey, HandleRename, ...), so
// it can be driven without a screen; the Qt event handlers only translate events into them. Each
// responsibility lives in a part of its own (the row selection, the marquee, the mouse, cell
// painting, cell editing, keys and clicks, the drag source, the drop target, the unwritable
// warning); the view keeps the operations and passes them on. It reaches its window and document
// only through ITableHost.
class CBaseTableView : public CTableViewEx, public CCommander {
  Q_OBJECT

public:
  // The command asking whether a view takes part in Tab focus switching.
  static constexpr CommandT kCmdTabSelection = 201;
  // The warning that the project's files cannot all be read.
  static constexpr int kErrorUnwritableProject = 10002;

  // True while a row drag that any list started is in progress.
  static inline bool sIsDragging = false;

  // Runs the platform drag and returns once it has ended. Tests replace it to play the part of
  // the lists the drag passes over.
  using DragRunner = CTableDragSource::DragRunner;
  // Returns the runner installed before; an empty runner restores the platform drag.
  static DragRunner SetDragRunner(DragRunner runner);

  explicit CBaseTableView(QWidget* parent = nullptr);
  ~CBaseTableView() override;

  // Connects the view to the window whose project it shows and to its column header; both are
  // required. The host names the view's super commander.
  void Initialize(ITableHost* host, CColumnHeader* header);
  ITableHost* GetHost() const { return mHost; }
  CColumnHeader* GetHeader() const { return mHeader; }

  // --- The data
  virtual Bris::CParameter::EDataType GetParamType() const = 0;
  Bris::CParameterArray& GetParamArray() const;
  Bris::CParameterArray& GetClipboardArray() const;
  Bris::CZelData& GetZelData() const;
  // True when slot index (0-based) holds a record with a file.
  bool IsValidParam(unsigned int index) const;
  Bris::CParameter* GetParam(unsigned int index) const;
  // Rows in use: the rows after this one show only blank slots.
  int GetBlankTop() const;

  // --- Font and grid, shared by every list
  static void SetFont(short fontNum, short fontSize);
  static void SetGridState(int gridState);
  static void CalcRowHeight();
  // Takes the shared font as the view's text font and every row's height; redraws when asked.
  void UpdateFont(bool refresh);
  const QFont& GetTextFont() const { return mTextFont; }

  // --- Selection (rows 1-based, indexes 0-based)
  bool HasSelection(bool onlyValid) const;
  // Appends the selected slot indexes in ascending order, without blank slots when onlyValid.
  void GetSelectedIndexes(std::vector<unsigned int>& indexes, bool onlyValid) const;
  bool IsRowSelected(int row) const;
  // Selects row; without extend it becomes the only selected row. Rows out of range are ignored.
  void SelectRow(int row, bool extend);
  void SelectRows(int firstRow, int lastRow, bool extend);
  void UnselectRow(int row);
  void ClearSelection();
  int GetFirstSelectedRow() const; // 0 when none
  int GetLastSelectedRow() const;  // 0 when none
  // The row of the last plain click, 0 for none.
  int GetAnchorRow() const { return mSelection.GetAnchor(); }
  // Shows in the window's other two lists the slots the selected ones are linked to.
  virtual void SelectReferredItems() = 0;

  // --- Commands and keys
  bool ObeyCommand(CommandT command, void* param = nullptr) override;
  void FindCommandStatus(CommandT command, SCommandStatus& status) override;
  void HandleSelectAll();
  // Copies the selected slots, blank ones included, into the domain clipboard.
  void HandleCopy();
  // Deletes the selected valid slots (asking first when ask is set); true when deleted.
  bool HandleDelete(bool ask);
  bool HandleDelete(const std::vector<unsigned int>& indexes, bool ask);
  // Rename (columns 1 and 2) or memo editing (the memo columns) of the slot in row.
  void HandleRename(int row, int col);
  // What the last rename or memo edit that was refused told the user; empty when none was.
  const QString& GetEditRefusal() const { return mCellEditor.GetLastRefusal(); }
  // A key press (Qt key code); true when the view used it.
  bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
  void UpArrow(bool extend);
  void DownArrow(bool extend);

  // --- Mouse, as the event handlers pass it on
  // A click on cell (row, col) that did not start a drag.
  void HandleClick(int row, int col, Qt::KeyboardModifiers modifiers, int clickCount);
  // A click below the last row or beside the columns.
  void HandleClickOutside(Qt::KeyboardModifiers modifiers);
  // Marquee selection: starts at a viewport point, follows the mouse (clamped to the visible
  // frame) and ends when the button is released.
  void BeginMarquee(const QPoint& local) { mMarquee.Begin(local); }
  void TrackMarqueeTo(const QPoint& local) { mMarquee.TrackTo(local); }
  void EndMarquee() { mMarquee.End(); }
  bool IsTrackingMarquee() const { return mMarquee.IsTracking(); }
  // The marquee in image coordinates (empty when none).
  QRect GetMarqueeRect() const { return mMarquee.GetRect(); }

  // --- Cells
  virtual QString GetCellText(int row, int col) const = 0;
  // The rectangle the cell's text is drawn into, from the cell's rectangle.
  virtual QRect CalcCellTextRect(int row, int col, const QRect& cellRect) const;
  // Redraws the rows and the header.
  void Refresh();
  // True when the view is the focus of the active window: the selection shows in the active
  // highlight colour then.
  bool IsTarget() const;

  // --- Row drags: the source
  // Starts a row drag of the selection from clickedRow (the selected slots go into the domain
  // clipboard for the drag's lifetime) and, once the platform drag has ended, carries out the
  // drop that a list accepted.
  virtual void TrackDrag(int clickedRow, const QPoint& /*local*/) {
    mDragSource.TrackDrag(clickedRow);
  }
  // Pastes the clipboard into the accepted drag's target list and, for a move, blanks the
  // selected source slots; selects the pasted rows and marks the documents modified.
  void FinishDragAndDrop(SDragData& drag) { mDragSource.FinishDragAndDrop(drag); }

  // --- Row drags: the target (points in viewport coordinates)
  // A list takes a row drag of this program while it is enabled and no alert is open.
  bool ItemIsAcceptable(const QMimeData* mime) const { return mDropTarget.ItemIsAcceptable(mime); }
  // The drag arrives: how many records this list would receive (0: it refuses the drag) and the
  // modes from the keys held. The drop action to show.
  Qt::DropAction EnterDropArea(SDragData& drag, Qt::KeyboardModifiers modifiers) {
    return mDropTarget.EnterDropArea(drag, modifiers);
  }
  // The drag moves over the list or its scroll zones above and below: modes, auto-scrolling and
  // the drop row. The drop action to show (IgnoreAction where nothing would be dropped).
  Qt::DropAction InsideDropArea(SDragData& drag, const QPoint& local,
                                Qt::KeyboardModifiers modifiers) {
    return mDropTarget.InsideDropArea(drag, local, modifiers);
  }
  void LeaveDropArea() { mDropTarget.LeaveDropArea(); }
  // The list's frame and the scroll zones 20 pixels above and below it.
  bool PointInDropArea(const QPoint& local) const { return mDropTarget.PointInDropArea(local); }
  // The row a drop at local would start on, 0 for none (see RowDropRules::DropRowForHit).
  int GetDropRowByPoint(const QPoint& local, std::uint32_t rowsBefore, std::uint32_t count) const {
    return mDropTarget.GetDropRowByPoint(local, rowsBefore, count);
  }
  // One auto-scroll step of step rows; the drop row follows.
  void HandleDragScroll(bool down, int step) { mDropTarget.HandleDragScroll(down, step); }
  // The drop: records this list and the drop row in the drag; the source carries it out once the
  // platform drag has ended. False when refused.
  bool ReceiveDragItem(SDragData& drag) { return mDropTarget.ReceiveDragItem(drag); }
  // The drag has rested over this list: its window comes to the front.
  void HandleDragActivate() { mDropTarget.HandleDragActivate(); }

  int GetDropRow() const { return mDropTarget.GetDropRow(); }
  std::uint32_t GetDropCount() const { return mDropTarget.GetDropCount(); }
  // The drop feedback in viewport coordinates; empty while none is shown.
  QRect GetDropHiliteRect() const { return mDropTarget.GetDropHiliteRect(); }
  bool IsDragScrolling() const { return mDropTarget.GetDragAutoScroll().IsScrolling(); }
  bool IsDragActivateInstalled() const { return mDropTarget.GetDragActivateTask().IsInstalled(); }
  CDragAutoScroll& GetDragAutoScroll() { return mDropTarget.GetDragAutoScroll(); }
  // Keys pressed or released without moving the mouse send no drag event: while a drag is over
  // the list, the keys are looked at every 1/12 s, and a change counts as a move on the spot.
  void PollDropModifiers() { mDropTarget.PollDropModifiers(); }
  // Where the poll reads the keys; tests replace it.
  using ModifierSource = CTableDropTarget::ModifierSource;
  void SetModifierSource(ModifierSource source) {
    mDropTarget.SetModifierSource(std::move(source));
  }
  CDragActivateTask& GetDragActivateTask() { return mDropTarget.GetDragActivateTask(); }

  // --- Activation of the window (the unwritable-project warning of the patch and tone lists)
  void HandleActivate() { mUnwritableWarning.HandleActivate(); }
  void HandleDeactivate() { mUnwritableWarning.HandleDeactivate(); }
  int GetWarningCounter() const { return mUnwritableWarning.GetCounter(); }

protected:
  static constexpr int kReferredArrowSize = 16;

  // What a double click on a cell edits: the slot's name, one of its memo lines, or nothing.
  enum class ECellEdit { kNone, kName, kMemo };
  // Columns 1 and 2 edit the name, columns 3 to 6 memo lines 0 to 3.
  virtual ECellEdit GetCellEdit(int row, int col, int& memoLine) const;
  // Why a double click on cell (row, col) edits nothing, when the user should be told; empty
  // when there is nothing to say.
  virtual QString GetCellEditRefusal(int row, int col) const;

  // The unwritable-project warning is given by the lists that call this in their constructor.
  void EnableUnwritableWarning();
  virtual void HandlePostTask(std::int32_t task, void* data);

  void paintEvent(QPaintEvent* event) override;
  void DrawCell(QPainter& painter, int row, int col, const QRect& localRect) override;
  void DrawEmptyCol(QPainter& painter, const QRect& localArea) override;
  void DrawEmptyRow(QPainter& painter, const QRect& localArea) override;
  void DrawOverlay(QPainter& painter, const QRect& localArea) override;
  // Whether the view's text is drawn dimmed: the window is inactive or the view disabled.
  bool IsDimmed() const;
  // The arrow that marks a slot used by another list, at the cell's left edge.
  void DrawReferredArrow(QPainter& painter, const QRect& cellRect) const;

  // The list of the same window showing kind, or null.
  CBaseTableView* GetSiblingTable(Bris::CParameter::EDataType kind) const;
  // Selects the rows numbered (1-based) in the list of kind; numbers that are no row are skipped.
  static void SelectNumbers(CBaseTableView* table, const std::vector<unsigned int>& numbers);

  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  friend class CTableCellEditor;
  friend class CTableCellPainter;
  friend class CTableMarquee;
  friend class CTableSelectionInput;
  friend class CUnwritableWarning;

  ITableHost* mHost = nullptr;
  CColumnHeader* mHeader = nullptr;
  QFont mTextFont;
  CRowSelection mSelection;
  CTableMarquee mMarquee{*this};
  CTableMouseTracker mMouse{*this};
  CTableSelectionInput mSelectionInput{*this};
  CTableCellPainter mCellPainter{*this};
  CTableCellEditor mCellEditor{*this};
  CTableDragSource mDragSource{*this};
  CTableDropTarget mDropTarget{*this};
  CUnwritableWarning mUnwritableWarning{*this};
};
