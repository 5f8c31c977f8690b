#pragma once

#include "domain/CParameter.h"
#include "editing/CDropEdit.h"

#include <QPoint>
#include <QRect>
#include <Qt>

#include <cstdint>
#include <vector>

class CBaseTableView;
struct SDragData;

// The rules of a row drag between lists, apart from the widgets: which key sets which mode, what
// a list accepts, where a drop lands, how auto-scrolling moves the drop row, and whether the drop
// is carried out once the drag has ended. Rows are 1-based, slot indexes 0-based.
namespace RowDropRules {

// How far above and below its frame a list still takes a drag, so that the scroll zones can be
// reached.
inline constexpr int kDropAreaMargin = 20;

// --- Modes
// Option (Alt) inserts before the drop row; without it the drop overwrites from the drop row on.
bool IsInsertKey(Qt::KeyboardModifiers modifiers);
// Command: Ctrl here (Qt gives Command as Ctrl where there is one).
bool IsCommandKey(Qt::KeyboardModifiers modifiers);
// Within one project a drag moves and Command makes it copy; between projects a drag copies and
// Command makes it move.
bool IsCopyDrop(bool sameDocument, bool commandHeld);
// What the drag cursor shows: refused (IgnoreAction) when the list takes nothing of the drag,
// otherwise copy or move.
Qt::DropAction DropActionFor(std::uint32_t dropCount, bool copy);

// --- Starting a drag
// selectedRows ascending: the number of them above clickedRow.
std::uint32_t CountRowsBefore(const std::vector<int>& selectedRows, int clickedRow);
// True when the ascending slot indexes are one run without gaps.
bool IsOneBlock(const std::vector<unsigned int>& selectedIndexes);
// The record of a drag from source (a list of kind) started on clickedRow with the given rows
// selected, once the selection has been copied: the counts are the domain clipboard's.
SDragData MakeDragData(CBaseTableView* source, Bris::CParameter::EDataType kind, int clickedRow,
                       const std::vector<int>& selectedRows);

// --- Over a list
// A list takes a row drag only while it is enabled and no alert is open, and only a row drag of
// this process (isRowDrag: the payload names the live drag record).
bool IsListDropAcceptable(bool enabled, bool alertOpen, bool isRowDrag);
// The records a list of viewKind would receive: the clipboard count of its kind, but only from a
// list of the same kind; 0 means the list refuses the drag.
std::uint32_t GetDropCount(const SDragData& drag, Bris::CParameter::EDataType viewKind);
// frame enlarged by kDropAreaMargin above and below.
bool IsPointInDropArea(const QRect& frame, const QPoint& point);
// The drop row for the row under the mouse (hitRow, 0 when the mouse is on no row): in replace
// mode moved up by rowsBefore so that the clicked row lands under the mouse (never above row 1);
// a block of count rows is moved up until it fits into rowCount rows. 0 for no row.
int DropRowForHit(int hitRow, bool insertMode, std::uint32_t rowsBefore, std::uint32_t count,
                  int rowCount);

// One auto-scroll step. edgeRow: the row at the visible edge in the scroll direction (the bottom
// edge when down), 0 when none is there. rowToShow is the row to scroll into view (0: none).
struct SScrollDrop {
  int rowToShow = 0;
  int dropRow = 0;
};
SScrollDrop ScrollDropRow(bool down, int edgeRow, int step, int rowCount, std::uint32_t dropCount,
                          bool insertMode, int currentDropRow);

// The drop feedback in view coordinates, from the rectangle of the drop row's first visible cell
// extended over the visible width: insert mode, a 2-pixel line along the row's top edge (one pixel
// above it); replace mode, a frame around count rows of rowHeight.
QRect DropHiliteRect(const QRect& dropRowRect, int rowHeight, std::uint32_t count, bool insertMode);

// --- Once the platform drag has returned
// Whether the source carries out the drop. Not for a drag nobody accepted or without a drop row.
// A drop elsewhere, onto another list, or of a selection that is not one block is carried out;
// a block dropped exactly onto its own place only as an inserted copy (it duplicates the block).
bool ShouldFinishDrop(const SDragData& drag, bool targetIsSource, bool selectionIsOneBlock,
                      bool copy, bool insertMode);
// The drop edit for the drag: the source's selected slots (the edit leaves out blank ones), the
// drop row as 0-based drop index, the modes.
Bris::CDropEdit::SRequest MakeDropRequest(const SDragData& drag, Bris::CZelData& source,
                                          Bris::CZelData& target,
                                          Bris::CParameter::EDataType targetKind,
                                          const std::vector<unsigned int>& sourceSelected,
                                          bool insertMode, bool copy);

} // namespace RowDropRules
