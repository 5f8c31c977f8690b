#include "views/CTextTableView.h"

#include <QPainter>

CTextTableView::CTextTableView(QWidget* parent) : CTableViewEx(parent) {}

void CTextTableView::SetCellText(int row, int col, const QString& text) {
  mTexts[{row, col}] = text;
  viewport()->update(ImageToLocalRect(GetCellImageRect(row, col)));
}

QString CTextTableView::GetCellText(int row, int col) const {
  const auto it = mTexts.find({row, col});
  return it == mTexts.end() ? QString() : it->second;
}

void CTextTableView::DrawCell(QPainter& painter, int row, int col, const QRect& localRect) {
  painter.fillRect(localRect, palette().color(QPalette::Base));
  const QString text = GetCellText(row, col);
  if (!text.isEmpty()) {
    const QRect textRect = localRect.adjusted(3, 0, -3, 0);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
  }
}
