#pragma once

#include <QStyledItemDelegate>

// Draws a Find result's text with the matched words marked (bold on the highlight colour of
// found text), taking the ranges from CFindResultModel::kMatchRole.
class CFindHighlightDelegate : public QStyledItemDelegate {
  Q_OBJECT

public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};
