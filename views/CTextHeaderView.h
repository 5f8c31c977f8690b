#pragma once

#include "views/CHeaderView.h"

#include <map>

// A header whose cell titles are stored per column, for layouts that set them themselves.
class CTextHeaderView : public CHeaderView {
  Q_OBJECT

public:
  explicit CTextHeaderView(QWidget* parent = nullptr);

  void SetText(int col, const QString& text);
  QString GetText(int col) const;
  QString GetCellText(int col) const override { return GetText(col); }

private:
  std::map<int, QString> mTexts;
};
