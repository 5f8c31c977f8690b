#include "views/CTableViewEx.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

CTableViewEx::CTableViewEx(QWidget* parent) : CMultiScrollerView(parent) {
  mColLefts.push_back(0);
  SetScrollUnits(16, mRowHeight);
}

CTableViewEx::~CTableViewEx() = default;

int CTableViewEx::GetColWidth(int col) const {
  if (col < 1 || col > GetColCount()) {
    return 0;
  }
  return mColWidths[static_cast<std::size_t>(col - 1)];
}

int CTableViewEx::GetColLeft(int col) const {
  col = std::clamp(col, 1, GetColCount() + 1);
  return mColLefts[static_cast<std::size_t>(col - 1)];
}

void CTableViewEx::SetRowCount(int rowCount) {
  mRowCount = std::max(0, rowCount);
  UpdateImageSize();
}

void CTableViewEx::SetColumns(int count, int width) {
  mColWidths.assign(static_cast<std::size_t>(std::max(0, count)), std::max(1, width));
  UpdateImageSize();
}

void CTableViewEx::SetColWidth(int width, int fromCol, int toCol) {
  fromCol = std::max(fromCol, 1);
  toCol = std::min(toCol, GetColCount());
  for (int col = fromCol; col <= toCol; ++col) {
    mColWidths[static_cast<std::size_t>(col - 1)] = std::max(1, width);
  }
  UpdateImageSize();
  viewport()->update();
}

void CTableViewEx::SetRowHeight(int height) {
  mRowHeight = std::max(1, height);
  SetScrollUnits(16, mRowHeight);
  UpdateImageSize();
  viewport()->update();
}

void CTableViewEx::SetShownRows(std::vector<int> rows) {
  rows.erase(std::remove_if(rows.begin(), rows.end(),
                            [this](int row) { return row < 1 || row > mRowCount; }),
             rows.end());
  mShownRows = std::move(rows);
  mFiltered = true;
  UpdateImageSize();
  viewport()->update();
}

void CTableViewEx::ShowAllRows() {
  mFiltered = false;
  mShownRows.clear();
  UpdateImageSize();
  viewport()->update();
}

int CTableViewEx::GetShownRowAbove(int row) const {
  if (!mFiltered) {
    return row > 1 ? std::min(row - 1, mRowCount) : 0;
  }
  const auto after = std::lower_bound(mShownRows.begin(), mShownRows.end(), row);
  return after == mShownRows.begin() ? 0 : *(after - 1);
}

int CTableViewEx::GetShownRowBelow(int row) const {
  if (!mFiltered) {
    return row < mRowCount ? std::max(row + 1, 1) : 0;
  }
  const auto next = std::upper_bound(mShownRows.begin(), mShownRows.end(), row);
  return next == mShownRows.end() ? 0 : *next;
}

bool CTableViewEx::IsRowShown(int row) const {
  if (!mFiltered) {
    return row >= 1 && row <= mRowCount;
  }
  return std::binary_search(mShownRows.begin(), mShownRows.end(), row);
}

int CTableViewEx::GetShownRowCount() const {
  return mFiltered ? static_cast<int>(mShownRows.size()) : mRowCount;
}

int CTableViewEx::GetRowAtPosition(int position) const {
  if (!mFiltered) {
    return position;
  }
  return position >= 1 && position <= GetShownRowCount()
             ? mShownRows[static_cast<std::size_t>(position - 1)]
             : 0;
}

int CTableViewEx::GetPositionOfRow(int row) const {
  if (!mFiltered) {
    return row;
  }
  return static_cast<int>(std::lower_bound(mShownRows.begin(), mShownRows.end(), row) -
                          mShownRows.begin()) +
         1;
}

void CTableViewEx::UpdateImageSize() {
  mColLefts.resize(mColWidths.size() + 1);
  int left = 0;
  for (std::size_t i = 0; i < mColWidths.size(); ++i) {
    mColLefts[i] = left;
    left += mColWidths[i];
  }
  mColLefts.back() = left;
  SetImageSize(QSize(left, GetShownRowCount() * mRowHeight));
}

int CTableViewEx::GetRowAt(const QPoint& local) const {
  const int y = LocalToImagePoint(local).y();
  if (y < 0) {
    return 0;
  }
  const int position = y / mRowHeight + 1;
  return position <= GetShownRowCount() ? GetRowAtPosition(position) : 0;
}

int CTableViewEx::GetColAt(const QPoint& local) const {
  const int x = LocalToImagePoint(local).x();
  if (x < 0 || x >= mColLefts.back()) {
    return 0;
  }
  // mColLefts is ascending: the column is the last left edge at or before x.
  const auto it = std::upper_bound(mColLefts.begin(), mColLefts.end(), x);
  return static_cast<int>(it - mColLefts.begin());
}

bool CTableViewEx::GetCellAt(const QPoint& local, int& row, int& col) const {
  row = GetRowAt(local);
  col = GetColAt(local);
  return row != 0 && col != 0;
}

QRect CTableViewEx::GetCellImageRect(int row, int col) const {
  const int height = !mFiltered || IsRowShown(row) ? mRowHeight : 0;
  return QRect(GetColLeft(col), (GetPositionOfRow(row) - 1) * mRowHeight, GetColWidth(col), height);
}

QRect CTableViewEx::CalcLocalRowRect(int row, int count) const {
  const int top = GetPositionOfRow(row);
  const int shown = std::max(0, GetPositionOfRow(row + std::max(0, count)) - top);
  return ImageToLocalRect(QRect(0, (top - 1) * mRowHeight, mColLefts.back(), shown * mRowHeight));
}

void CTableViewEx::GetVisibleRows(int& firstRow, int& lastRow) const {
  firstRow = 0;
  lastRow = 0;
  const int shownCount = GetShownRowCount();
  if (shownCount == 0) {
    return;
  }
  const int top = GetScrollPosition().y();
  const int bottom = top + std::max(1, viewport()->height()) - 1;
  firstRow = GetRowAtPosition(std::clamp(top / mRowHeight + 1, 1, shownCount));
  lastRow = GetRowAtPosition(std::clamp(bottom / mRowHeight + 1, 1, shownCount));
}

void CTableViewEx::ScrollRowIntoView(int row) {
  if (!IsRowShown(row)) {
    return;
  }
  const int rowTop = (GetPositionOfRow(row) - 1) * mRowHeight;
  const int rowBottom = rowTop + mRowHeight;
  const int top = GetScrollPosition().y();
  const int height = viewport()->height();
  if (rowTop < top) {
    ScrollImageTo(QPoint(GetScrollPosition().x(), rowTop));
  } else if (rowBottom > top + height) {
    ScrollImageTo(QPoint(GetScrollPosition().x(), rowBottom - height));
  }
}

void CTableViewEx::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  PaintCells(painter, event->rect());
}

void CTableViewEx::PaintCells(QPainter& painter, const QRect& dirty) {
  const QPoint origin = GetScrollPosition();
  const QRect imageDirty = dirty.translated(origin);
  const int imageWidth = mColLefts.back();
  const int shownCount = GetShownRowCount();
  const int imageHeight = shownCount * mRowHeight;

  if (shownCount > 0 && !mColWidths.empty() && imageDirty.left() < imageWidth &&
      imageDirty.top() < imageHeight) {
    const int firstPosition = std::max(0, imageDirty.top()) / mRowHeight + 1;
    const int lastPosition =
        std::min(shownCount, std::max(0, imageDirty.bottom()) / mRowHeight + 1);
    const QPoint left(std::max(0, imageDirty.left()), 0);
    const QPoint right(std::min(imageWidth - 1, imageDirty.right()), 0);
    const int firstCol = GetColAt(ImageToLocalPoint(left));
    const int lastCol = GetColAt(ImageToLocalPoint(right));
    for (int position = firstPosition; position <= lastPosition; ++position) {
      const int row = GetRowAtPosition(position);
      for (int col = firstCol; col <= lastCol && col != 0; ++col) {
        DrawCell(painter, row, col, ImageToLocalRect(GetCellImageRect(row, col)));
      }
    }
  }
  const QRect emptyCol = ImageToLocalRect(QRect(imageWidth, 0, 1 << 20, imageHeight)) & dirty;
  if (!emptyCol.isEmpty()) {
    DrawEmptyCol(painter, emptyCol);
  }
  const QRect emptyRow = ImageToLocalRect(QRect(0, imageHeight, 1 << 20, 1 << 20)) & dirty;
  if (!emptyRow.isEmpty()) {
    DrawEmptyRow(painter, emptyRow);
  }
  DrawOverlay(painter, dirty);
}

void CTableViewEx::DrawEmptyCol(QPainter& painter, const QRect& localArea) {
  painter.fillRect(localArea, palette().color(QPalette::Base));
}

void CTableViewEx::DrawEmptyRow(QPainter& painter, const QRect& localArea) {
  painter.fillRect(localArea, palette().color(QPalette::Base));
}

void CTableViewEx::DrawOverlay(QPainter& /*painter*/, const QRect& /*localArea*/) {}

void CTableViewEx::DrawCellGrid(QPainter& painter, const QRect& localRect,
                                const QColor& color) const {
  painter.setPen(color);
  painter.drawLine(localRect.topRight(), localRect.bottomRight());
  painter.drawLine(localRect.bottomLeft(), localRect.bottomRight());
}

void CTableViewEx::DrawEmptyColGrid(QPainter& painter, const QRect& localArea,
                                    const QColor& color) const {
  // The rows' bottom lines go on to the right edge.
  painter.setPen(color);
  const int top = GetScrollPosition().y();
  const int firstRow = std::max(0, localArea.top() + top) / mRowHeight + 1;
  const int lastRow = std::min(GetShownRowCount(), (localArea.bottom() + top) / mRowHeight + 1);
  for (int row = firstRow; row <= lastRow; ++row) {
    const int y = row * mRowHeight - 1 - top;
    painter.drawLine(localArea.left(), y, localArea.right(), y);
  }
}

void CTableViewEx::DrawEmptyRowGrid(QPainter& painter, const QRect& localArea,
                                    const QColor& color) const {
  // Below the last row the grid goes on as if there were more rows of the same height.
  painter.setPen(color);
  const QPoint origin = GetScrollPosition();
  const int imageHeight = GetShownRowCount() * mRowHeight;
  for (int col = 1; col <= GetColCount(); ++col) {
    const int x = mColLefts[static_cast<std::size_t>(col)] - 1 - origin.x();
    if (x >= localArea.left() && x <= localArea.right()) {
      painter.drawLine(x, localArea.top(), x, localArea.bottom());
    }
  }
  const int firstLine = std::max(0, (localArea.top() + origin.y() - imageHeight) / mRowHeight);
  for (int line = firstLine;; ++line) {
    const int y = imageHeight + (line + 1) * mRowHeight - 1 - origin.y();
    if (y > localArea.bottom()) {
      break;
    }
    if (y >= localArea.top()) {
      painter.drawLine(localArea.left(), y, localArea.right(), y);
    }
  }
}
