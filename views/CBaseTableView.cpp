#include "views/CBaseTableView.h"

#include "Zel/Generic/CErrorOut.h"
#include "app/CLibrarianDoc.h"
#include "app/CMemoDialog.h"
#include "app/CProjectWindow.h"
#include "app/CRenameDialog.h"
#include "domain/CDomain.h"
#include "domain/CParameterArray.h"
#include "domain/CZelData.h"
#include "editing/CDropEdit.h"
#include "editing/CParameterMid.h"
#include "framework/CPostTaskHandler.h"
#include "framework/StWatchCursor.h"
#include "framework/UFontNumber.h"
#include "views/CColumnHeader.h"
#include "views/CTableSettings.h"
#include "views/RowDragPayload.h"
#include "views/RowDropRules.h"
#include "views/SDragData.h"
#include "views/StRowDrag.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

constexpr int kDefaultColumnWidth = 80;
constexpr int kTextInset = 3;
constexpr int kMarqueeScrollIntervalMs = 50;
// How often the modifier keys are looked at while a row drag is over a list.
constexpr int kModifierPollMs = 1000 / 12;
// The drop feedback's pen: 2 x 2 pixels.
constexpr int kHilitePenWidth = 2;

Qt::DropAction RunPlatformDrag(QDrag& drag) {
  return drag.exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

CBaseTableView::DragRunner& DragRunnerSlot() {
  static CBaseTableView::DragRunner runner;
  return runner;
}

Bris::CClipboard& Clipboard() {
  return Bris::Domain().GetClipboard();
}

bool IsCommandHeld(Qt::KeyboardModifiers modifiers) {
  return modifiers.testFlag(Qt::ControlModifier);
}

bool IsShiftHeld(Qt::KeyboardModifiers modifiers) {
  return modifiers.testFlag(Qt::ShiftModifier);
}

} // namespace

CBaseTableView::CBaseTableView(QWidget* parent) : CTableViewEx(parent) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  SetColumns(1, kDefaultColumnWidth);
  UpdateFont(false);
  mMarqueeTimer.setInterval(kMarqueeScrollIntervalMs);
  connect(&mMarqueeTimer, &QTimer::timeout, this, [this] { MarqueeAutoScroll(); });
  // Drag events reach the list through its viewport; the list widget itself takes none, so that
  // a drag the list refuses (files from the desktop) goes on to the window.
  viewport()->setAcceptDrops(true);
  mModifierPoll.setInterval(kModifierPollMs);
  connect(&mModifierPoll, &QTimer::timeout, this, [this] { PollDropModifiers(); });
}

CBaseTableView::~CBaseTableView() {
  if (sPendingWarningView == this) {
    sPendingWarningView = nullptr;
  }
  // A drag in progress must not name a list that has gone.
  if (SDragData* drag = StRowDrag::GetLiveDragData()) {
    if (drag->target == this) {
      drag->target = nullptr;
      drag->accepted = false;
    }
    if (drag->source == this) {
      drag->source = nullptr;
    }
  }
}

CBaseTableView::DragRunner CBaseTableView::SetDragRunner(DragRunner runner) {
  return std::exchange(DragRunnerSlot(), std::move(runner));
}

void CBaseTableView::Initialize(CLibrarianDoc* document, CColumnHeader* header) {
  if (document == nullptr || header == nullptr) {
    throw std::logic_error("a list needs its document and its header");
  }
  mDocument = document;
  mHeader = header;
  if (CProjectWindow* window = document->GetProjectWindow()) {
    SetSuperCommander(window);
  }
  mHeader->LinkTable(this);
  UpdateFont(true);
}

// --- The data

Bris::CZelData& CBaseTableView::GetZelData() const {
  if (mDocument == nullptr) {
    throw std::logic_error("the list has no document");
  }
  return mDocument->GetZelData();
}

Bris::CParameterArray& CBaseTableView::GetParamArray() const {
  return *GetZelData().GetArray(GetParamType());
}

Bris::CParameterArray& CBaseTableView::GetClipboardArray() const {
  Bris::CClipboard& clipboard = Bris::Domain().GetClipboard();
  switch (GetParamType()) {
  case Bris::CParameter::kPatch:
    return clipboard.mPatches;
  case Bris::CParameter::kTone:
    return clipboard.mTones;
  default:
    return clipboard.mWaves;
  }
}

bool CBaseTableView::IsValidParam(unsigned int index) const {
  if (mDocument == nullptr) {
    return false;
  }
  const Bris::CParameterArray& array = GetParamArray();
  return index < array.size() && !array[index]->IsBlank();
}

Bris::CParameter* CBaseTableView::GetParam(unsigned int index) const {
  Bris::CParameterArray& array = GetParamArray();
  if (index >= array.size()) {
    throw std::out_of_range("slot index beyond the list");
  }
  return array[index];
}

int CBaseTableView::GetBlankTop() const {
  if (mDocument == nullptr) {
    return 0;
  }
  return static_cast<int>(GetZelData().GetBlankTopIndex(GetParamType()));
}

// --- Font and grid

void CBaseTableView::SetFont(short fontNum, short fontSize) {
  CTableSettings::SetFont(fontNum, fontSize);
}

void CBaseTableView::SetGridState(int gridState) {
  CTableSettings::SetGridState(static_cast<signed char>(gridState));
}

void CBaseTableView::CalcRowHeight() {
  const QFont font = UFontNumber::FontOf(CTableSettings::sFontNum, CTableSettings::sFontSize);
  // The font's line spacing, plus room for the grid line at the bottom of a row and for glyphs
  // that reach to the very end of the descent (an underscore).
  constexpr int kRowPadding = 3;
  CTableSettings::sRowHeight = static_cast<short>(QFontMetrics(font).lineSpacing() + kRowPadding);
}

void CBaseTableView::UpdateFont(bool refresh) {
  mTextFont = UFontNumber::FontOf(CTableSettings::sFontNum, CTableSettings::sFontSize);
  if (CTableSettings::sRowHeight == 0) {
    CalcRowHeight();
  }
  SetRowHeight(CTableSettings::sRowHeight);
  if (refresh) {
    Refresh();
  }
}

// --- Selection

bool CBaseTableView::HasSelection(bool onlyValid) const {
  for (int row = 1; row <= GetRowCount(); ++row) {
    if (IsRowSelected(row) && (!onlyValid || IsValidParam(static_cast<unsigned int>(row - 1)))) {
      return true;
    }
  }
  return false;
}

void CBaseTableView::GetSelectedIndexes(std::vector<unsigned int>& indexes, bool onlyValid) const {
  for (int row = 1; row <= GetRowCount(); ++row) {
    const auto index = static_cast<unsigned int>(row - 1);
    if (IsRowSelected(row) && (!onlyValid || IsValidParam(index))) {
      indexes.push_back(index);
    }
  }
}

bool CBaseTableView::IsRowSelected(int row) const {
  return row >= 1 && row <= static_cast<int>(mSelected.size()) &&
         mSelected[static_cast<std::size_t>(row - 1)] != 0;
}

void CBaseTableView::SelectRow(int row, bool extend) {
  SelectRows(row, row, extend);
}

void CBaseTableView::SelectRows(int firstRow, int lastRow, bool extend) {
  mSelected.resize(static_cast<std::size_t>(GetRowCount()), 0);
  if (!extend) {
    std::fill(mSelected.begin(), mSelected.end(), 0);
  }
  firstRow = std::max(firstRow, 1);
  lastRow = std::min(lastRow, GetRowCount());
  for (int row = firstRow; row <= lastRow; ++row) {
    mSelected[static_cast<std::size_t>(row - 1)] = 1;
  }
  viewport()->update();
}

void CBaseTableView::UnselectRow(int row) {
  if (IsRowSelected(row)) {
    mSelected[static_cast<std::size_t>(row - 1)] = 0;
    viewport()->update();
  }
}

void CBaseTableView::ClearSelection() {
  std::fill(mSelected.begin(), mSelected.end(), 0);
  mAnchorRow = 0;
  viewport()->update();
}

int CBaseTableView::GetFirstSelectedRow() const {
  const auto it = std::find(mSelected.begin(), mSelected.end(), 1);
  return it == mSelected.end() ? 0 : static_cast<int>(it - mSelected.begin()) + 1;
}

int CBaseTableView::GetLastSelectedRow() const {
  const auto it = std::find(mSelected.rbegin(), mSelected.rend(), 1);
  return it == mSelected.rend() ? 0 : static_cast<int>(mSelected.rend() - it);
}

CBaseTableView* CBaseTableView::GetSiblingTable(Bris::CParameter::EDataType kind) const {
  if (mDocument == nullptr || mDocument->GetProjectWindow() == nullptr) {
    return nullptr;
  }
  return mDocument->GetProjectWindow()->GetTable(kind);
}

void CBaseTableView::SelectNumbers(CBaseTableView* table,
                                   const std::vector<unsigned int>& numbers) {
  for (unsigned int number : numbers) {
    if (number >= 1 && number <= static_cast<unsigned int>(table->GetRowCount())) {
      table->SelectRow(static_cast<int>(number), true);
    }
  }
}

// --- Commands and keys

bool CBaseTableView::ObeyCommand(CommandT command, void* param) {
  switch (command) {
  case kCmdDelete:
    HandleDelete(true);
    return true;
  case kCmdSelectAll:
    HandleSelectAll();
    return true;
  default:
    return CCommander::ObeyCommand(command, param);
  }
}

void CBaseTableView::FindCommandStatus(CommandT command, SCommandStatus& status) {
  switch (command) {
  case kCmdDelete:
    status.enabled = HasSelection(true);
    return;
  case kCmdSelectAll:
  case kCmdTabSelection:
    status.enabled = true;
    return;
  default:
    CCommander::FindCommandStatus(command, status);
  }
}

void CBaseTableView::HandleSelectAll() {
  ClearSelection();
  SelectRows(1, GetBlankTop(), true);
  SelectReferredItems();
}

void CBaseTableView::HandleCopy() {
  std::vector<unsigned int> indexes;
  GetSelectedIndexes(indexes, false);
  Bris::CParameterMid().EditCopy(GetZelData(), indexes, GetParamType());
}

bool CBaseTableView::HandleDelete(bool ask) {
  if (!HasSelection(true)) {
    return false;
  }
  std::vector<unsigned int> indexes;
  GetSelectedIndexes(indexes, true);
  return HandleDelete(indexes, ask);
}

bool CBaseTableView::HandleDelete(const std::vector<unsigned int>& indexes, bool ask) {
  const bool deleted =
      Bris::CParameterMid().EditDelete(GetZelData(), indexes, GetParamType(), ask, true);
  if (deleted) {
    ClearSelection();
    SelectReferredItems();
    mDocument->SetModified(true);
  }
  // Refused or not, the lists show the data set as it is now.
  mDocument->UpdateWindowContents();
  return deleted;
}

CBaseTableView::ECellEdit CBaseTableView::GetCellEdit(int /*row*/, int col, int& memoLine) const {
  constexpr int kFirstMemoColumn = 3;
  if (col == 1 || col == 2) {
    return ECellEdit::kName;
  }
  if (col >= kFirstMemoColumn && col < kFirstMemoColumn + Bris::CParameter::kMemoLineCount) {
    memoLine = col - kFirstMemoColumn;
    return ECellEdit::kMemo;
  }
  return ECellEdit::kNone;
}

void CBaseTableView::HandleRename(int row, int col) {
  if (mDocument == nullptr || row < 1 || row > GetRowCount() || col < 1 || col > GetColCount()) {
    return;
  }
  const auto index = static_cast<unsigned int>(row - 1);
  if (!IsValidParam(index)) {
    return;
  }
  int memoLine = 0;
  switch (GetCellEdit(row, col, memoLine)) {
  case ECellEdit::kName:
    EditName(index);
    break;
  case ECellEdit::kMemo:
    EditMemo(index, memoLine);
    break;
  case ECellEdit::kNone:
    break;
  }
}

void CBaseTableView::EditName(unsigned int index) {
  std::string name = GetParam(index)->GetName();
  if (!CRenameDialog::AskFileName(this, name)) {
    return;
  }
  PrepareUndo();
  GetParam(index)->SetFinalName(name, false);
  mDocument->SetModified(true);
  Refresh();
}

void CBaseTableView::EditMemo(unsigned int index, int line) {
  std::string memo = GetParam(index)->GetMemo(line);
  if (!CMemoDialog::AskMemo(this, memo)) {
    return;
  }
  PrepareUndo();
  GetParam(index)->SetMemo(line, memo);
  mDocument->SetModified(true);
  Refresh();
}

void CBaseTableView::PrepareUndo() {
  Bris::CDomain& domain = Bris::Domain();
  domain.ClearUndoDoc();
  domain.CopyToUndoBuffer(GetParamType(), &GetZelData());
}

bool CBaseTableView::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
  switch (key) {
  case Qt::Key_Backspace: {
    SCommandStatus status;
    FindCommandStatus(kCmdDelete, status);
    if (status.enabled) {
      ObeyCommand(kCmdDelete);
    }
    return true;
  }
  case Qt::Key_Up:
    UpArrow(IsShiftHeld(modifiers));
    return true;
  case Qt::Key_Down:
    DownArrow(IsShiftHeld(modifiers));
    return true;
  case Qt::Key_Enter:
  case Qt::Key_Return:
    return true;
  default:
    return false;
  }
}

void CBaseTableView::UpArrow(bool extend) {
  const int first = GetFirstSelectedRow();
  int newRow = 0;
  if (first == 0) {
    newRow = GetRowCount();
  } else if (first > 1) {
    newRow = first - 1;
  }
  if (newRow != 0) {
    SelectRow(newRow, extend);
    if (!extend) {
      mAnchorRow = newRow;
    }
    ScrollRowIntoView(newRow);
  }
  SelectReferredItems();
}

void CBaseTableView::DownArrow(bool extend) {
  const int last = GetLastSelectedRow();
  int newRow = 0;
  if (last == 0) {
    newRow = GetRowCount() > 0 ? 1 : 0;
  } else if (last < GetRowCount()) {
    newRow = last + 1;
  }
  if (newRow != 0) {
    SelectRow(newRow, extend);
    if (!extend) {
      mAnchorRow = newRow;
    }
    ScrollRowIntoView(newRow);
  }
  SelectReferredItems();
}

// --- Mouse

void CBaseTableView::HandleClick(int row, int col, Qt::KeyboardModifiers modifiers,
                                 int clickCount) {
  if (row < 1 || row > GetRowCount() || col < 1 || col > GetColCount()) {
    return;
  }
  setFocus(Qt::MouseFocusReason);
  if (clickCount >= 2) {
    ClearSelection();
    SelectRow(row, false);
    mAnchorRow = row;
    SelectReferredItems();
    HandleRename(row, col);
  } else {
    ClickSelect(row, modifiers, clickCount);
    SelectReferredItems();
  }
  Refresh();
}

void CBaseTableView::ClickSelect(int row, Qt::KeyboardModifiers modifiers, int clickCount) {
  if (IsCommandHeld(modifiers)) {
    if (!IsRowSelected(row)) {
      SelectRow(row, true);
    } else if (clickCount < 2) {
      UnselectRow(row);
      mAnchorRow = 0;
    }
  } else if (IsShiftHeld(modifiers)) {
    if (mAnchorRow == 0) {
      if (!IsRowSelected(row)) {
        SelectRow(row, false);
      }
    } else {
      SelectRows(std::min(mAnchorRow, row), std::max(mAnchorRow, row), false);
    }
  } else {
    SelectRow(row, false);
    mAnchorRow = row;
  }
}

void CBaseTableView::HandleClickOutside(Qt::KeyboardModifiers modifiers) {
  setFocus(Qt::MouseFocusReason);
  if (!IsCommandHeld(modifiers) && !IsShiftHeld(modifiers)) {
    ClearSelection();
    SelectReferredItems();
  }
}

// --- Row drags: the source

void CBaseTableView::TrackDrag(int clickedRow, const QPoint& /*local*/) {
  if (mDocument == nullptr || !HasSelection(true)) {
    return;
  }
  HandleCopy();
  std::vector<int> selectedRows;
  std::vector<unsigned int> selectedIndexes;
  GetSelectedIndexes(selectedIndexes, false);
  for (unsigned int index : selectedIndexes) {
    selectedRows.push_back(static_cast<int>(index) + 1);
  }
  // Ends the drag on every path below: the record stops being live, the clipboard is emptied.
  StRowDrag rowDrag(RowDropRules::MakeDragData(this, GetParamType(), clickedRow, selectedRows));
  const bool oneBlock = RowDropRules::IsOneBlock(selectedIndexes);

  QPointer<CBaseTableView> self(this);
  QPointer<QDrag> drag = new QDrag(this);
  drag->setMimeData(rowDrag.MakeMimeData().release());
  sIsDragging = true;
  if (const DragRunner& runner = DragRunnerSlot()) {
    runner(*drag);
  } else {
    RunPlatformDrag(*drag);
  }
  sIsDragging = false;
  if (drag != nullptr) {
    drag->deleteLater();
  }
  // The window may have closed while the drag's event loop ran.
  if (self == nullptr) {
    return;
  }
  SDragData& data = rowDrag.GetData();
  const Bris::CClipboard& clipboard = Clipboard();
  if (RowDropRules::ShouldFinishDrop(data, data.target == this, oneBlock, clipboard.mCopy != 0,
                                     clipboard.mInsertMode != 0)) {
    FinishDragAndDrop(data);
  }
}

void CBaseTableView::FinishDragAndDrop(SDragData& drag) {
  if (!drag.accepted || drag.target == nullptr || drag.dropRow == 0 || mDocument == nullptr) {
    return;
  }
  StWatchCursor watch;
  CBaseTableView& target = *drag.target;
  CLibrarianDoc* targetDocument = target.GetDocument();
  if (targetDocument == nullptr) {
    return;
  }
  if (CProjectWindow* window = targetDocument->GetProjectWindow()) {
    if (!window->isActiveWindow()) {
      window->BringToFront();
    }
  }
  std::vector<unsigned int> sourceSelected;
  GetSelectedIndexes(sourceSelected, true);
  const Bris::CClipboard& clipboard = Clipboard();
  const bool insertMode = clipboard.mInsertMode != 0;
  const bool copy = clipboard.mCopy != 0;
  const Bris::CDropEdit::SRequest request =
      RowDropRules::MakeDropRequest(drag, GetZelData(), target.GetZelData(), target.GetParamType(),
                                    sourceSelected, insertMode, copy);
  const Bris::CDropEdit::SResult result = Bris::CDropEdit().Perform(request);
  if (result.pasted) {
    ShowDropResult(target, drag, result.pastedCount, result.sourceModified);
  }
  // Pasted or refused, the target window shows its data set as it is now.
  targetDocument->UpdateWindowContents();
}

void CBaseTableView::ShowDropResult(CBaseTableView& target, const SDragData& drag,
                                    unsigned int pastedCount, bool sourceChanged) {
  if (sourceChanged && &target != this) {
    // The moved rows are gone from this list: nothing of it stays selected.
    ClearSelection();
    SelectReferredItems();
    mDocument->SetModified(true);
    mDocument->UpdateWindowContents();
  }
  const int firstRow = static_cast<int>(drag.dropRow);
  target.ClearSelection();
  target.SelectRows(firstRow, firstRow + static_cast<int>(pastedCount) - 1, true);
  target.SelectReferredItems();
  target.GetDocument()->SetModified(true);
}

// --- Row drags: the target

bool CBaseTableView::ItemIsAcceptable(const QMimeData* mime) const {
  return RowDropRules::IsListDropAcceptable(isEnabled(), CErrorOut::sIsAlertOpened,
                                            RowDragPayload::ExtractDragData(mime) != nullptr);
}

Qt::DropAction CBaseTableView::EnterDropArea(SDragData& drag, Qt::KeyboardModifiers modifiers) {
  mDropDrag = &drag;
  mDropRow = 0;
  mDropCount = RowDropRules::GetDropCount(drag, GetParamType());
  if (mDropCount != 0) {
    UpdateDropModes(drag, modifiers);
    mPolledModifiers = mModifierSource();
    mModifierPoll.start();
  }
  mDragActivate.InstallDragActivateTask();
  return CurrentDropAction();
}

Qt::DropAction CBaseTableView::InsideDropArea(SDragData& drag, const QPoint& local,
                                              Qt::KeyboardModifiers modifiers) {
  mDropDrag = &drag;
  mLastDropPoint = local;
  if (mDropCount == 0) {
    return Qt::IgnoreAction;
  }
  UpdateDropModes(drag, modifiers);
  const int height = viewport()->height();
  if (local.y() < 0 || local.y() >= height) {
    mDragScroll.MouseOutside(local.y() >= height);
    return CurrentDropAction();
  }
  mDragScroll.Stop();
  const int row = GetDropRowByPoint(local, drag.rowsBefore, mDropCount);
  if (row != mDropRow || !mHiliteShown) {
    EraseDropHilite();
    mDropRow = row;
    DrawDropHilite(mDropRow, mDropCount);
  }
  return CurrentDropAction();
}

void CBaseTableView::LeaveDropArea() {
  mDragActivate.RemoveDragActivateTask();
  mDragScroll.Stop();
  mModifierPoll.stop();
  EraseDropHilite();
  mDropRow = 0;
  mDropCount = 0;
  mDropDrag = nullptr;
}

bool CBaseTableView::PointInDropArea(const QPoint& local) const {
  // The list's whole frame (scroll bars included), in viewport coordinates.
  const QRect frame(viewport()->mapFrom(this, QPoint(0, 0)), size());
  return RowDropRules::IsPointInDropArea(frame, local);
}

int CBaseTableView::GetDropRowByPoint(const QPoint& local, std::uint32_t rowsBefore,
                                      std::uint32_t count) const {
  return RowDropRules::DropRowForHit(GetRowAt(local), Clipboard().mInsertMode != 0, rowsBefore,
                                     count, GetRowCount());
}

void CBaseTableView::HandleDragScroll(bool down, int step) {
  if (mDropCount == 0) {
    return;
  }
  const QPoint edge(0, down ? viewport()->height() - 1 : 0);
  const RowDropRules::SScrollDrop scroll =
      RowDropRules::ScrollDropRow(down, GetRowAt(edge), step, GetRowCount(), mDropCount,
                                  Clipboard().mInsertMode != 0, mDropRow);
  EraseDropHilite();
  if (scroll.rowToShow != 0) {
    ScrollRowIntoView(scroll.rowToShow);
  }
  mDropRow = scroll.dropRow;
  DrawDropHilite(mDropRow, mDropCount);
}

bool CBaseTableView::ReceiveDragItem(SDragData& drag) {
  if (CErrorOut::sIsAlertOpened || mDropCount == 0 || mDropRow == 0) {
    return false;
  }
  drag.accepted = true;
  drag.target = this;
  drag.dropRow = static_cast<std::uint32_t>(mDropRow);
  return true;
}

void CBaseTableView::HandleDragActivate() {
  CProjectWindow* window = mDocument != nullptr ? mDocument->GetProjectWindow() : nullptr;
  if (window == nullptr || window->isActiveWindow()) {
    return;
  }
  EraseDropHilite();
  window->BringToFront();
  mDragActivate.RemoveDragActivateTask();
  if (mDropRow != 0) {
    DrawDropHilite(mDropRow, mDropCount);
  }
}

void CBaseTableView::UpdateDropModes(const SDragData& drag, Qt::KeyboardModifiers modifiers) {
  Bris::CClipboard& clipboard = Clipboard();
  const int insertMode = RowDropRules::IsInsertKey(modifiers) ? 1 : 0;
  if (insertMode != clipboard.mInsertMode) {
    // The feedback differs between the modes: a line for an insertion, a frame for a
    // replacement.
    const bool shown = mHiliteShown;
    EraseDropHilite();
    clipboard.mInsertMode = insertMode;
    if (shown) {
      DrawDropHilite(mDropRow, mDropCount);
    }
  }
  const bool sameDocument = drag.source != nullptr && drag.source->GetDocument() == mDocument;
  clipboard.mCopy =
      RowDropRules::IsCopyDrop(sameDocument, RowDropRules::IsCommandKey(modifiers)) ? 1 : 0;
}

void CBaseTableView::PollDropModifiers() {
  const Qt::KeyboardModifiers modifiers = mModifierSource();
  // Only a change of the keys counts: the drag events tell the modifiers as they move.
  if (modifiers == mPolledModifiers || mDropDrag == nullptr ||
      mDropDrag != StRowDrag::GetLiveDragData()) {
    mPolledModifiers = modifiers;
    return;
  }
  mPolledModifiers = modifiers;
  // As a move to where the mouse is: the mode, the copy flag and the drop row follow the keys.
  InsideDropArea(*mDropDrag, mLastDropPoint, modifiers);
}

Qt::DropAction CBaseTableView::CurrentDropAction() const {
  return RowDropRules::DropActionFor(mDropCount, Clipboard().mCopy != 0);
}

void CBaseTableView::DrawDropHilite(int row, std::uint32_t count) {
  if (row < 1 || count == 0) {
    return;
  }
  mHiliteShown = true;
  mHiliteRow = row;
  mHiliteCount = count;
  mHiliteInsert = Clipboard().mInsertMode != 0;
  viewport()->update(GetDropHiliteRect().adjusted(-kHilitePenWidth, -kHilitePenWidth,
                                                  kHilitePenWidth, kHilitePenWidth));
}

void CBaseTableView::EraseDropHilite() {
  if (!mHiliteShown) {
    return;
  }
  const QRect old = GetDropHiliteRect();
  mHiliteShown = false;
  viewport()->update(
      old.adjusted(-kHilitePenWidth, -kHilitePenWidth, kHilitePenWidth, kHilitePenWidth));
}

QRect CBaseTableView::GetDropHiliteRect() const {
  if (!mHiliteShown) {
    return QRect();
  }
  const QRect rowRect = CalcLocalRowRect(mHiliteRow, 1);
  const QRect visibleRow(0, rowRect.top(), viewport()->width(), GetRowHeight());
  return RowDropRules::DropHiliteRect(visibleRow, GetRowHeight(), mHiliteCount, mHiliteInsert);
}

// --- Marquee

void CBaseTableView::BeginMarquee(const QPoint& local) {
  mMarqueeTracking = true;
  mMarqueeShown = false;
  mLastMouse = local;
  mMarqueeAnchor = LocalToImagePoint(ClampToFrame(local));
  mMarqueeRect = QRect();
}

void CBaseTableView::TrackMarqueeTo(const QPoint& local) {
  if (!mMarqueeTracking) {
    return;
  }
  mLastMouse = local;
  const QRect newRect = QRect(mMarqueeAnchor, LocalToImagePoint(ClampToFrame(local))).normalized();
  if (newRect != mMarqueeRect) {
    const QRect oldRect = mMarqueeRect;
    mMarqueeRect = newRect;
    mMarqueeShown = true;
    UpdateMarqueeSelection(oldRect, newRect);
    viewport()->update();
  }
  const bool outside = !viewport()->rect().contains(local);
  if (outside && !mMarqueeTimer.isActive()) {
    mMarqueeTimer.start();
  } else if (!outside) {
    mMarqueeTimer.stop();
  }
}

void CBaseTableView::EndMarquee() {
  mMarqueeTimer.stop();
  mMarqueeTracking = false;
  mMarqueeShown = false;
  mMarqueeRect = QRect();
  viewport()->update();
}

QRect CBaseTableView::GetMarqueeRect() const {
  return mMarqueeShown ? mMarqueeRect : QRect();
}

QPoint CBaseTableView::ClampToFrame(const QPoint& local) const {
  const QSize size = viewport()->size();
  return QPoint(std::clamp(local.x(), 0, std::max(0, size.width() - 1)),
                std::clamp(local.y(), 0, std::max(0, size.height() - 1)));
}

void CBaseTableView::GetRowSpan(const QRect& imageRect, int& firstRow, int& lastRow) const {
  firstRow = 1;
  lastRow = 0;
  const int imageWidth = GetColLeft(GetColCount() + 1);
  const int imageHeight = GetRowCount() * GetRowHeight();
  if (imageRect.isEmpty() || imageRect.left() >= imageWidth || imageRect.right() < 0 ||
      imageRect.top() >= imageHeight || imageRect.bottom() < 0) {
    return;
  }
  firstRow = std::max(0, imageRect.top()) / GetRowHeight() + 1;
  lastRow = std::min(imageHeight - 1, imageRect.bottom()) / GetRowHeight() + 1;
}

void CBaseTableView::UpdateMarqueeSelection(const QRect& oldRect, const QRect& newRect) {
  int oldFirst = 0;
  int oldLast = 0;
  int newFirst = 0;
  int newLast = 0;
  GetRowSpan(oldRect, oldFirst, oldLast);
  GetRowSpan(newRect, newFirst, newLast);
  mSelected.resize(static_cast<std::size_t>(GetRowCount()), 0);
  const int from = std::min(oldFirst, newFirst);
  const int to = std::max(oldLast, newLast);
  for (int row = from; row <= to; ++row) {
    const bool inOld = row >= oldFirst && row <= oldLast;
    const bool inNew = row >= newFirst && row <= newLast;
    if (inOld != inNew) {
      char& flag = mSelected[static_cast<std::size_t>(row - 1)];
      flag = flag != 0 ? 0 : 1;
    }
  }
  SelectReferredItems();
}

void CBaseTableView::MarqueeAutoScroll() {
  if (!mMarqueeTracking) {
    mMarqueeTimer.stop();
    return;
  }
  const QSize size = viewport()->size();
  QPoint position = GetScrollPosition();
  if (mLastMouse.y() < 0) {
    position.ry() -= GetRowHeight();
  } else if (mLastMouse.y() >= size.height()) {
    position.ry() += GetRowHeight();
  }
  if (mLastMouse.x() < 0) {
    position.rx() -= GetHorizontalScrollUnit();
  } else if (mLastMouse.x() >= size.width()) {
    position.rx() += GetHorizontalScrollUnit();
  }
  ScrollImageTo(position);
  TrackMarqueeTo(mLastMouse);
}

// --- Drawing

QRect CBaseTableView::CalcCellTextRect(int /*row*/, int /*col*/, const QRect& cellRect) const {
  return cellRect.adjusted(kTextInset, 0, -kTextInset, 0);
}

void CBaseTableView::Refresh() {
  viewport()->update();
  if (mHeader != nullptr) {
    mHeader->update();
  }
}

bool CBaseTableView::IsTarget() const {
  return hasFocus() && isActiveWindow();
}

bool CBaseTableView::IsDimmed() const {
  return !isEnabled() || !isActiveWindow();
}

void CBaseTableView::paintEvent(QPaintEvent* event) {
  // What every cell of this paint needs is looked up once.
  mPaint.blankTop = GetBlankTop();
  mPaint.gridOn = CTableSettings::sGridState == 1;
  const QPalette& pal = palette();
  const QPalette::ColorGroup group = !isEnabled()       ? QPalette::Disabled
                                     : isActiveWindow() ? QPalette::Active
                                                        : QPalette::Inactive;
  mPaint.base = pal.color(group, QPalette::Base);
  mPaint.tail = pal.color(group, QPalette::Window);
  mPaint.grid = pal.color(group, QPalette::Mid);
  mPaint.text = pal.color(group, QPalette::Text);
  if (IsTarget()) {
    mPaint.highlight = pal.color(QPalette::Active, QPalette::Highlight);
    mPaint.highlightedText = pal.color(QPalette::Active, QPalette::HighlightedText);
  } else {
    // The inactive highlight; where the style gives none of its own, a pale one.
    QColor inactive = pal.color(QPalette::Inactive, QPalette::Highlight);
    if (inactive == pal.color(QPalette::Active, QPalette::Highlight)) {
      inactive = pal.color(QPalette::Active, QPalette::Midlight);
    }
    mPaint.highlight = inactive;
    mPaint.highlightedText = mPaint.text;
  }
  mPaint.metrics = QFontMetrics(mTextFont);
  QPainter painter(viewport());
  painter.setFont(mTextFont);
  PaintCells(painter, event->rect());
}

void CBaseTableView::DrawCell(QPainter& painter, int row, int col, const QRect& localRect) {
  const bool selected = IsRowSelected(row);
  QColor background = row > mPaint.blankTop ? mPaint.tail : mPaint.base;
  if (selected) {
    background = mPaint.highlight;
  }
  painter.fillRect(localRect, background);
  const QString text = GetCellText(row, col);
  if (!text.isEmpty()) {
    const QRect textRect = CalcCellTextRect(row, col, localRect);
    painter.setPen(selected ? mPaint.highlightedText : mPaint.text);
    // Drawn on the font's baseline so that descenders and underscores stay inside the row.
    const int baseline = textRect.top() + 1 + mPaint.metrics.ascent();
    painter.drawText(QPoint(textRect.left(), baseline),
                     mPaint.metrics.elidedText(text, Qt::ElideRight, textRect.width()));
  }
  if (mPaint.gridOn) {
    DrawCellGrid(painter, localRect, mPaint.grid);
  }
}

void CBaseTableView::DrawEmptyCol(QPainter& painter, const QRect& localArea) {
  painter.fillRect(localArea, mPaint.base);
  if (mPaint.gridOn) {
    DrawEmptyColGrid(painter, localArea, mPaint.grid);
  }
}

void CBaseTableView::DrawEmptyRow(QPainter& painter, const QRect& localArea) {
  painter.fillRect(localArea, mPaint.base);
  if (mPaint.gridOn) {
    DrawEmptyRowGrid(painter, localArea, mPaint.grid);
  }
}

void CBaseTableView::DrawOverlay(QPainter& painter, const QRect& /*localArea*/) {
  if (mMarqueeShown && !mMarqueeRect.isEmpty()) {
    painter.setPen(QPen(mPaint.grid, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ImageToLocalRect(mMarqueeRect).adjusted(0, 0, -1, -1));
  }
  if (mHiliteShown) {
    const QRect hilite = GetDropHiliteRect();
    painter.setBrush(Qt::NoBrush);
    if (mHiliteInsert) {
      painter.fillRect(hilite, mPaint.text);
    } else {
      // The frame's 2-pixel lines lie inside the rows they surround.
      painter.setPen(
          QPen(mPaint.text, kHilitePenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      painter.drawRect(QRectF(hilite).adjusted(1, 1, -1, -1));
    }
  }
}

void CBaseTableView::DrawReferredArrow(QPainter& painter, const QRect& cellRect) const {
  static const QPixmap sReferredArrowIcon = [] {
    QPixmap pixmap(kReferredArrowSize, kReferredArrowSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 170));
    // A right-pointing arrow: a short shaft and a head.
    p.drawRect(QRectF(3, 6.5, 5, 3));
    const QPointF head[3] = {QPointF(7.5, 3.5), QPointF(13, 8), QPointF(7.5, 12.5)};
    p.drawPolygon(head, 3);
    return pixmap;
  }();
  const QRect square(cellRect.left(), cellRect.top() + (cellRect.height() - kReferredArrowSize) / 2,
                     kReferredArrowSize, kReferredArrowSize);
  painter.save();
  painter.setClipRect(cellRect);
  if (IsDimmed()) {
    painter.setOpacity(0.45);
  }
  painter.drawPixmap(square, sReferredArrowIcon);
  painter.restore();
}

// --- Activation and the unwritable-project warning

void CBaseTableView::EnableUnwritableWarning() {
  mWarnsUnwritable = true;
  mPostTaskHandler = std::make_unique<CPostTaskHandler>(
      [this](std::int32_t task, void* data) { HandlePostTask(task, data); });
}

void CBaseTableView::HandleActivate() {
  if (!mWarnsUnwritable || mDocument == nullptr || sIsDragging || mWarningCounter != 0) {
    return;
  }
  // Both lists of a window hear the same activation; one warning is enough.
  const bool siblingWarns =
      sPendingWarningView != nullptr && sPendingWarningView->mDocument == mDocument;
  if (!siblingWarns && IsProjectWritable()) {
    return;
  }
  // Two: the alert's own closing re-activates the window and must not warn again.
  mWarningCounter = 2;
  if (!siblingWarns) {
    sPendingWarningView = this;
    mPostTaskHandler->PostEvent(0, nullptr);
  }
}

bool CBaseTableView::IsProjectWritable() const {
  // The check opens every file of the project. Both lists of a window hear the same activation,
  // so the answer is kept until the event loop has finished dispatching it.
  if (sWritableCheckDocument != mDocument) {
    sWritableCheckDocument = mDocument;
    sWritableCheckResult = mDocument->GetStore().IsWritePossible();
    QTimer::singleShot(0, qApp, [] { sWritableCheckDocument = nullptr; });
  }
  return sWritableCheckResult;
}

void CBaseTableView::HandleDeactivate() {
  if (mWarningCounter > 0) {
    --mWarningCounter;
  }
}

void CBaseTableView::HandlePostTask(std::int32_t /*task*/, void* /*data*/) {
  if (sPendingWarningView == this) {
    sPendingWarningView = nullptr;
  }
  CErrorOut::ErrorAlert(kErrorUnwritableProject);
}

// --- Qt events

void CBaseTableView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    CTableViewEx::mousePressEvent(event);
    return;
  }
  const QPoint local = event->position().toPoint();
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  const bool plain = !IsCommandHeld(modifiers) && !IsShiftHeld(modifiers);
  mPressPoint = local;
  mPressPending = false;
  mDragPossible = false;
  int row = 0;
  int col = 0;
  if (!GetCellAt(local, row, col)) {
    HandleClickOutside(modifiers);
    BeginMarquee(local);
    return;
  }
  mPressRow = row;
  mPressCol = col;
  if (plain && IsRowSelected(row)) {
    // A selected row may be the start of a drag; the click itself waits for the release.
    mPressPending = true;
    mDragPossible = true;
    setFocus(Qt::MouseFocusReason);
    return;
  }
  HandleClick(row, col, modifiers, 1);
  mDragPossible = plain;
}

void CBaseTableView::mouseMoveEvent(QMouseEvent* event) {
  if (!event->buttons().testFlag(Qt::LeftButton)) {
    return;
  }
  const QPoint local = event->position().toPoint();
  if (mMarqueeTracking) {
    TrackMarqueeTo(local);
    return;
  }
  if (mDragPossible &&
      (local - mPressPoint).manhattanLength() >= QApplication::startDragDistance()) {
    mDragPossible = false;
    mPressPending = false;
    if (HasSelection(true)) {
      TrackDrag(mPressRow, mPressPoint);
    }
  }
}

void CBaseTableView::mouseReleaseEvent(QMouseEvent* event) {
  if (mMarqueeTracking) {
    EndMarquee();
  }
  if (mPressPending) {
    mPressPending = false;
    HandleClick(mPressRow, mPressCol, event->modifiers(), 1);
  }
  mDragPossible = false;
}

void CBaseTableView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  int row = 0;
  int col = 0;
  if (!GetCellAt(event->position().toPoint(), row, col)) {
    mousePressEvent(event);
    return;
  }
  mPressPending = false;
  mDragPossible = false;
  HandleClick(row, col, event->modifiers(), 2);
}

void CBaseTableView::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(event->key(), event->modifiers())) {
    CTableViewEx::keyPressEvent(event);
  }
}

bool CBaseTableView::event(QEvent* event) {
  const bool handled = CTableViewEx::event(event);
  // Qt sends ActivationChange to the window alone; its child widgets hear WindowActivate and
  // WindowDeactivate. The cells are repainted so that the arrows dim with the window.
  if (event->type() == QEvent::WindowActivate) {
    HandleActivate();
    viewport()->update();
  } else if (event->type() == QEvent::WindowDeactivate) {
    HandleDeactivate();
    viewport()->update();
  }
  return handled;
}

void CBaseTableView::focusInEvent(QFocusEvent* event) {
  CTableViewEx::focusInEvent(event);
  viewport()->update();
}

void CBaseTableView::focusOutEvent(QFocusEvent* event) {
  CTableViewEx::focusOutEvent(event);
  viewport()->update();
}

void CBaseTableView::dragEnterEvent(QDragEnterEvent* event) {
  SDragData* drag = RowDragPayload::ExtractDragData(event->mimeData());
  if (drag == nullptr || !ItemIsAcceptable(event->mimeData())) {
    // Files from the desktop, or a drag refused now, go on to the window.
    event->ignore();
    return;
  }
  // Taken even when this list refuses the rows, so that it sees the moves that follow; each of
  // them tells what a drop there would do.
  event->setDropAction(EnterDropArea(*drag, event->modifiers()));
  event->accept();
}

void CBaseTableView::dragMoveEvent(QDragMoveEvent* event) {
  SDragData* drag = RowDragPayload::ExtractDragData(event->mimeData());
  if (drag == nullptr || !ItemIsAcceptable(event->mimeData())) {
    event->ignore();
    return;
  }
  const Qt::DropAction action =
      InsideDropArea(*drag, event->position().toPoint(), event->modifiers());
  if (action == Qt::IgnoreAction || mDropRow == 0) {
    event->ignore();
    return;
  }
  event->setDropAction(action);
  event->accept();
}

void CBaseTableView::dragLeaveEvent(QDragLeaveEvent* event) {
  LeaveDropArea();
  event->accept();
}

void CBaseTableView::dropEvent(QDropEvent* event) {
  SDragData* drag = RowDragPayload::ExtractDragData(event->mimeData());
  const bool received = drag != nullptr && ReceiveDragItem(*drag);
  // No leave follows a drop.
  const Qt::DropAction action = CurrentDropAction();
  LeaveDropArea();
  if (!received) {
    event->ignore();
    return;
  }
  event->setDropAction(action);
  event->accept();
}
