#include "views/CToneTableView.h"

#include "domain/CZelData.h"
#include "framework/DialogText.h"
#include "views/UReferredRows.h"

namespace {

constexpr int kDefaultWidths[CToneTableView::kColumnCount] = {50, 150, 50, 50, 50, 50};
constexpr int kFirstMemoColumn = 3;
// The number column's text starts after the referred arrow.
constexpr int kArrowRoom = 12;

} // namespace

CToneTableView::CToneTableView(QWidget* parent) : CBaseTableView(parent) {
  SetColumns(kColumnCount, kDefaultWidths[0]);
  for (int col = 1; col <= kColumnCount; ++col) {
    SetColWidth(kDefaultWidths[col - 1], col, col);
  }
  SetRowCount(static_cast<int>(Bris::CZelData::kToneSlotCount));
  EnableUnwritableWarning();
}

QString CToneTableView::GetCellText(int row, int col) const {
  if (col == 1) {
    return QString::number(row);
  }
  const auto index = static_cast<unsigned int>(row - 1);
  if (!IsValidParam(index)) {
    return QString();
  }
  const Bris::CTone& tone = *GetZelData().mTones.Get(index);
  if (col == 2) {
    return DialogText::FromSystemEncoding(tone.GetName());
  }
  return DialogText::FromSystemEncoding(tone.GetMemo(col - kFirstMemoColumn));
}

bool CToneTableView::IsReferredRow(int row) const {
  if (GetHost() == nullptr || row < 1 || row > GetRowCount()) {
    return false;
  }
  const Bris::CZelData& data = GetZelData();
  const auto index = static_cast<unsigned int>(row - 1);
  return index < data.mTones.size() && !data.mTones.Get(index)->GetPatchIndexes().empty();
}

void CToneTableView::SelectReferredItems() {
  CBaseTableView* patchTable = GetSiblingTable(Bris::CParameter::kPatch);
  CBaseTableView* waveTable = GetSiblingTable(Bris::CParameter::kWave);
  if (patchTable == nullptr || waveTable == nullptr) {
    return;
  }
  patchTable->ClearSelection();
  waveTable->ClearSelection();
  const Bris::CZelData& data = GetZelData();
  std::vector<unsigned int> toneIndexes;
  GetSelectedIndexes(toneIndexes, true);
  for (unsigned int toneIndex : toneIndexes) {
    const Bris::CTone& tone = *data.mTones.Get(toneIndex);
    SelectNumbers(waveTable, tone.GetWaveNumbers());
    for (unsigned int patchIndex : tone.GetPatchIndexes()) {
      SelectNumbers(patchTable, {patchIndex + 1});
    }
  }
  UReferredRows::Reveal(patchTable);
  UReferredRows::Reveal(waveTable);
}

QRect CToneTableView::CalcCellTextRect(int row, int col, const QRect& cellRect) const {
  QRect rect = CBaseTableView::CalcCellTextRect(row, col, cellRect);
  if (col == 1) {
    rect.setLeft(rect.left() + kArrowRoom);
  }
  return rect;
}

void CToneTableView::DrawCell(QPainter& painter, int row, int col, const QRect& localRect) {
  CBaseTableView::DrawCell(painter, row, col, localRect);
  if (col == 1 && IsReferredRow(row)) {
    DrawReferredArrow(painter, localRect);
  }
}
