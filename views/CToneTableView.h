#pragma once

#include "views/CBaseTableView.h"

// The tone list ('Nlst'): 896 rows with number, name and four memo columns. A tone that a patch
// plays carries the referred arrow; selecting tones shows their waves and the patches that play
// them in the other two lists.
class CToneTableView : public CBaseTableView {
  Q_OBJECT

public:
  static constexpr int kColumnCount = 6;

  explicit CToneTableView(QWidget* parent = nullptr);

  Bris::CParameter::EDataType GetParamType() const override { return Bris::CParameter::kTone; }
  QString GetCellText(int row, int col) const override;
  void SelectReferredItems() override;
  // True when a patch plays the tone of row.
  bool IsReferredRow(int row) const;

  QRect CalcCellTextRect(int row, int col, const QRect& cellRect) const override;

protected:
  void DrawCell(QPainter& painter, int row, int col, const QRect& localRect) override;
};
