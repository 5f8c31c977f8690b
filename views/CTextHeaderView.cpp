#include "views/CTextHeaderView.h"

CTextHeaderView::CTextHeaderView(QWidget* parent) : CHeaderView(parent) {}

void CTextHeaderView::SetText(int col, const QString& text) {
  mTexts[col] = text;
  update();
}

QString CTextHeaderView::GetText(int col) const {
  const auto it = mTexts.find(col);
  return it == mTexts.end() ? QString() : it->second;
}
