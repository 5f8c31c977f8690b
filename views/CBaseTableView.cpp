#include "views/CBaseTableView.h"

#include "domain/CDomain.h"
#include "domain/CParameterArray.h"
#include "domain/CZelData.h"
#include "editing/CParameterMid.h"
#include "framework/UFontNumber.h"
#include "views/CColumnHeader.h"
#include "views/CTableSettings.h"
#include "views/ITableHost.h"
#include "views/SDragData.h"
#include "views/StRowDrag.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

constexpr int kDefaultColumnWidth = 80;
constexpr int kTextInset = 3;

} // namespace

CBaseTableView::CBaseTableView(QWidget* parent) : CTableViewEx(parent) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  SetColumns(1, kDefaultColumnWidth);
  UpdateFont(false);
  // Drag events reach the list through its viewport; the list widget itself takes none, so that
  // a drag the list refuses (files from the desktop) goes on to the window.
  viewport()->setAcceptDrops(true);
}

CBaseTableView::~CBaseTableView() {
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
  return CTableDragSource::SetDragRunner(std::move(runner));
}

void CBaseTableView::Initialize(ITableHost* host, CColumnHeader* header) {
  if (host == nullptr || header == nullptr) {
    throw std::logic_error("a list needs its window and its header");
  }
  mHost = host;
  mHeader = header;
  if (CCommander* super = host->GetTableSuperCommander()) {
    SetSuperCommander(super);
  }
  mHeader->LinkTable(this);
  UpdateFont(true);
}

// --- The data

Bris::CZelData& CBaseTableView::GetZelData() const {
  if (mHost == nullptr) {
    throw std::logic_error("the list has no project");
  }
  return mHost->GetTableData();
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
  if (mHost == nullptr) {
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
  if (mHost == nullptr) {
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
  return mSelection.IsSelected(row);
}

void CBaseTableView::SelectRow(int row, bool extend) {
  SelectRows(row, row, extend);
}

void CBaseTableView::SelectRows(int firstRow, int lastRow, bool extend) {
  mSelection.Select(firstRow, lastRow, extend, GetRowCount());
  // A range over a filtered list takes only the rows the user sees.
  for (int row = firstRow; IsFiltered() && row <= lastRow; ++row) {
    if (!IsRowShown(row)) {
      mSelection.Unselect(row);
    }
  }
  viewport()->update();
}

void CBaseTableView::UnselectRow(int row) {
  if (mSelection.Unselect(row)) {
    viewport()->update();
  }
}

void CBaseTableView::ClearSelection() {
  mSelection.Clear();
  viewport()->update();
}

int CBaseTableView::GetFirstSelectedRow() const {
  return mSelection.GetFirst();
}

int CBaseTableView::GetLastSelectedRow() const {
  return mSelection.GetLast();
}

CBaseTableView* CBaseTableView::GetSiblingTable(Bris::CParameter::EDataType kind) const {
  return mHost != nullptr ? mHost->GetHostTable(kind) : nullptr;
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
    mHost->MarkTableDataModified();
  }
  // Refused or not, the lists show the data set as it is now.
  mHost->UpdateTableContents();
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

QString CBaseTableView::GetCellEditRefusal(int /*row*/, int /*col*/) const {
  return QString();
}

void CBaseTableView::HandleRename(int row, int col) {
  mCellEditor.EditCell(row, col);
}

bool CBaseTableView::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
  return mSelectionInput.HandleKey(key, modifiers);
}

void CBaseTableView::UpArrow(bool extend) {
  mSelectionInput.UpArrow(extend);
}

void CBaseTableView::DownArrow(bool extend) {
  mSelectionInput.DownArrow(extend);
}

// --- Mouse

void CBaseTableView::HandleClick(int row, int col, Qt::KeyboardModifiers modifiers,
                                 int clickCount) {
  mSelectionInput.HandleClick(row, col, modifiers, clickCount);
}

void CBaseTableView::HandleClickOutside(Qt::KeyboardModifiers modifiers) {
  mSelectionInput.HandleClickOutside(modifiers);
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
  mCellPainter.BeginPaint(mTextFont);
  QPainter painter(viewport());
  painter.setFont(mTextFont);
  PaintCells(painter, event->rect());
}

void CBaseTableView::DrawCell(QPainter& painter, int row, int col, const QRect& localRect) {
  mCellPainter.DrawCell(painter, row, col, localRect);
}

void CBaseTableView::DrawEmptyCol(QPainter& painter, const QRect& localArea) {
  mCellPainter.DrawEmptyCol(painter, localArea);
}

void CBaseTableView::DrawEmptyRow(QPainter& painter, const QRect& localArea) {
  mCellPainter.DrawEmptyRow(painter, localArea);
}

void CBaseTableView::DrawOverlay(QPainter& painter, const QRect& /*localArea*/) {
  mCellPainter.DrawOverlay(painter);
}

void CBaseTableView::DrawReferredArrow(QPainter& painter, const QRect& cellRect) const {
  mCellPainter.DrawReferredArrow(painter, cellRect);
}

// --- Activation and the unwritable-project warning

void CBaseTableView::EnableUnwritableWarning() {
  mUnwritableWarning.Enable();
}

void CBaseTableView::HandlePostTask(std::int32_t /*task*/, void* /*data*/) {
  mUnwritableWarning.GiveWarning();
}

// --- Qt events

void CBaseTableView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    CTableViewEx::mousePressEvent(event);
    return;
  }
  mMouse.Press(event);
}

void CBaseTableView::mouseMoveEvent(QMouseEvent* event) {
  mMouse.Move(event);
}

void CBaseTableView::mouseReleaseEvent(QMouseEvent* event) {
  mMouse.Release(event);
}

void CBaseTableView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  mMouse.DoubleClick(event);
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
  mDropTarget.DragEnterEvent(event);
}

void CBaseTableView::dragMoveEvent(QDragMoveEvent* event) {
  mDropTarget.DragMoveEvent(event);
}

void CBaseTableView::dragLeaveEvent(QDragLeaveEvent* event) {
  mDropTarget.DragLeaveEvent(event);
}

void CBaseTableView::dropEvent(QDropEvent* event) {
  mDropTarget.DropEvent(event);
}
