#pragma once

#include "views/CBaseTableView.h"

// The patch list ('Plst'): 512 rows with number, name, tone switch and four memo columns.
// Selecting patches shows their tones and those tones' waves in the other two lists.
class CPatchTableView : public CBaseTableView {
  Q_OBJECT

public:
  static constexpr int kColumnCount = 7;

  explicit CPatchTableView(QWidget* parent = nullptr);

  Bris::CParameter::EDataType GetParamType() const override { return Bris::CParameter::kPatch; }
  QString GetCellText(int row, int col) const override;
  void SelectReferredItems() override;

  // "_/_", "_/U", "L/_" or "L/U" for tone switch values 0 to 3; empty for other values.
  static QString ToneSwitchText(int toneSwitch);

protected:
  // Column 3 (tone switch) edits nothing; columns 4 to 7 are the memo lines.
  ECellEdit GetCellEdit(int row, int col, int& memoLine) const override;
};
