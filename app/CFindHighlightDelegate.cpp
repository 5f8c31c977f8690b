#include "app/CFindHighlightDelegate.h"

#include "app/CFindResultModel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

void CFindHighlightDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  const auto ranges = index.data(CFindResultModel::kMatchRole).value<QList<QPair<int, int>>>();
  if (ranges.isEmpty()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QString text = item.text;
  item.text.clear();
  QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

  QList<QTextLayout::FormatRange> formats;
  for (const auto& [start, length] : ranges) {
    QTextLayout::FormatRange range;
    range.start = start;
    range.length = length;
    range.format.setFontWeight(QFont::Bold);
    range.format.setBackground(QColor(255, 221, 87)); // the marker colour of found text
    range.format.setForeground(QColor(Qt::black));
    formats.push_back(range);
  }
  const QRect textRect =
      style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget).adjusted(2, 0, -2, 0);
  QTextLayout layout(text, item.font);
  layout.setFormats(formats);
  QTextOption textOption;
  textOption.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(textOption);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid()) {
    line.setLineWidth(1 << 20);
  }
  layout.endLayout();
  painter->save();
  painter->setClipRect(textRect);
  const bool selected = (item.state & QStyle::State_Selected) != 0;
  painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  // Centred as the style centres plain text, so that marked and plain cells share a baseline.
  const qreal top = textRect.top() + (textRect.height() - QFontMetrics(item.font).height()) / 2;
  layout.draw(painter, QPointF(textRect.left(), top));
  painter->restore();
}
