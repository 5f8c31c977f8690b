#pragma once

#include "views/CBaseTableView.h"

// The wave list ('Wlst'): 999 rows with number, name and four memo columns. An instrument
// (preset) wave's name is marked "* " and cannot be renamed. A wave that a tone plays carries the
// referred arrow; selecting waves shows the tones that play them and those tones' patches.
class CWaveTableView : public CBaseTableView {
  Q_OBJECT

public:
  static constexpr int kColumnCount = 6;

  explicit CWaveTableView(QWidget* parent = nullptr);

  Bris::CParameter::EDataType GetParamType() const override { return Bris::CParameter::kWave; }
  QString GetCellText(int row, int col) const override;
  void SelectReferredItems() override;
  // True when a tone plays the wave of row.
  bool IsReferredRow(int row) const;

  QRect CalcCellTextRect(int row, int col, const QRect& cellRect) const override;

protected:
  // A preset wave keeps its name; its memo lines can be edited.
  ECellEdit GetCellEdit(int row, int col, int& memoLine) const override;
  QString GetCellEditRefusal(int row, int col) const override;
  void DrawCell(QPainter& painter, int row, int col, const QRect& localRect) override;
};
