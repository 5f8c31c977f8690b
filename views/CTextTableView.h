#pragma once

#include "views/CTableViewEx.h"

#include <QString>

#include <map>
#include <utility>

// A table whose cell texts are stored per cell, for layouts that fill them themselves.
class CTextTableView : public CTableViewEx {
  Q_OBJECT

public:
  explicit CTextTableView(QWidget* parent = nullptr);

  void SetCellText(int row, int col, const QString& text);
  QString GetCellText(int row, int col) const;

protected:
  void DrawCell(QPainter& painter, int row, int col, const QRect& localRect) override;

private:
  std::map<std::pair<int, int>, QString> mTexts;
};
