#include "views/CTableCellPainter.h"

#include "views/CBaseTableView.h"
#include "views/CTableDropTarget.h"
#include "views/CTableSettings.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>

void CTableCellPainter::BeginPaint(const QFont& font) {
  mBlankTop = mView.GetBlankTop();
  mGridOn = CTableSettings::sGridState == 1;
  const QPalette& pal = mView.palette();
  const QPalette::ColorGroup group = !mView.isEnabled()       ? QPalette::Disabled
                                     : mView.isActiveWindow() ? QPalette::Active
                                                              : QPalette::Inactive;
  mBase = pal.color(group, QPalette::Base);
  mTail = pal.color(group, QPalette::Window);
  mGrid = pal.color(group, QPalette::Mid);
  mText = pal.color(group, QPalette::Text);
  if (mView.IsTarget()) {
    mHighlight = pal.color(QPalette::Active, QPalette::Highlight);
    mHighlightedText = pal.color(QPalette::Active, QPalette::HighlightedText);
  } else {
    // The inactive highlight; where the style gives none of its own, a pale one.
    QColor inactive = pal.color(QPalette::Inactive, QPalette::Highlight);
    if (inactive == pal.color(QPalette::Active, QPalette::Highlight)) {
      inactive = pal.color(QPalette::Active, QPalette::Midlight);
    }
    mHighlight = inactive;
    mHighlightedText = mText;
  }
  mMetrics = QFontMetrics(font);
}

void CTableCellPainter::DrawCell(QPainter& painter, int row, int col,
                                 const QRect& localRect) const {
  const bool selected = mView.IsRowSelected(row);
  QColor background = row > mBlankTop ? mTail : mBase;
  if (selected) {
    background = mHighlight;
  }
  painter.fillRect(localRect, background);
  const QString text = mView.GetCellText(row, col);
  if (!text.isEmpty()) {
    const QRect textRect = mView.CalcCellTextRect(row, col, localRect);
    painter.setPen(selected ? mHighlightedText : mText);
    // Drawn on the font's baseline so that descenders and underscores stay inside the row.
    const int baseline = textRect.top() + 1 + mMetrics.ascent();
    painter.drawText(QPoint(textRect.left(), baseline),
                     mMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
  }
  if (mGridOn) {
    mView.DrawCellGrid(painter, localRect, mGrid);
  }
}

void CTableCellPainter::DrawEmptyCol(QPainter& painter, const QRect& localArea) const {
  painter.fillRect(localArea, mBase);
  if (mGridOn) {
    mView.DrawEmptyColGrid(painter, localArea, mGrid);
  }
}

void CTableCellPainter::DrawEmptyRow(QPainter& painter, const QRect& localArea) const {
  painter.fillRect(localArea, mBase);
  if (mGridOn) {
    mView.DrawEmptyRowGrid(painter, localArea, mGrid);
  }
}

void CTableCellPainter::DrawOverlay(QPainter& painter) const {
  const QRect marquee = mView.GetMarqueeRect();
  if (!marquee.isEmpty()) {
    painter.setPen(QPen(mGrid, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(mView.ImageToLocalRect(marquee).adjusted(0, 0, -1, -1));
  }
  const CTableDropTarget& dropTarget = mView.mDropTarget;
  if (dropTarget.IsHiliteShown()) {
    const QRect hilite = dropTarget.GetDropHiliteRect();
    painter.setBrush(Qt::NoBrush);
    if (dropTarget.IsHiliteInsert()) {
      painter.fillRect(hilite, mText);
    } else {
      // The frame's 2-pixel lines lie inside the rows they surround.
      painter.setPen(QPen(mText, CTableDropTarget::kHilitePenWidth, Qt::SolidLine, Qt::SquareCap,
                          Qt::MiterJoin));
      painter.drawRect(QRectF(hilite).adjusted(1, 1, -1, -1));
    }
  }
}

void CTableCellPainter::DrawReferredArrow(QPainter& painter, const QRect& cellRect) const {
  constexpr int kSize = CBaseTableView::kReferredArrowSize;
  static const QPixmap sReferredArrowIcon = [] {
    QPixmap pixmap(kSize, kSize);
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
  const QRect square(cellRect.left(), cellRect.top() + (cellRect.height() - kSize) / 2, kSize,
                     kSize);
  painter.save();
  painter.setClipRect(cellRect);
  if (mView.IsDimmed()) {
    painter.setOpacity(0.45);
  }
  painter.drawPixmap(square, sReferredArrowIcon);
  painter.restore();
}
