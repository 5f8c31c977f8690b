#include "views/CWaveTableView.h"

#include "domain/CZelData.h"
#include "framework/DialogText.h"
#include "views/UReferredRows.h"

namespace {

constexpr int kDefaultWidths[CWaveTableView::kColumnCount] = {50, 150, 50, 50, 50, 50};
constexpr int kFirstMemoColumn = 3;
constexpr int kArrowRoom = 12;

} // namespace

CWaveTableView::CWaveTableView(QWidget* parent) : CBaseTableView(parent) {
  SetColumns(kColumnCount, kDefaultWidths[0]);
  for (int col = 1; col <= kColumnCount; ++col) {
    SetColWidth(kDefaultWidths[col - 1], col, col);
  }
  SetRowCount(static_cast<int>(Bris::CZelData::kWaveSlotCount));
}

QString CWaveTableView::GetCellText(int row, int col) const {
  if (col == 1) {
    return QString::number(row);
  }
  const auto index = static_cast<unsigned int>(row - 1);
  if (!IsValidParam(index)) {
    return QString();
  }
  const Bris::CWave& wave = *GetZelData().mWaves.Get(index);
  if (col == 2) {
    const QString mark = wave.IsPresetWave() ? QStringLiteral("* ") : QStringLiteral("  ");
    return mark + DialogText::FromSystemEncoding(wave.GetName());
  }
  return DialogText::FromSystemEncoding(wave.GetMemo(col - kFirstMemoColumn));
}

bool CWaveTableView::IsReferredRow(int row) const {
  if (GetHost() == nullptr || row < 1 || row > GetRowCount()) {
    return false;
  }
  const Bris::CZelData& data = GetZelData();
  const auto index = static_cast<unsigned int>(row - 1);
  return index < data.mWaves.size() && !data.mWaves.Get(index)->GetToneIndexes().empty();
}

CBaseTableView::ECellEdit CWaveTableView::GetCellEdit(int row, int col, int& memoLine) const {
  const ECellEdit edit = CBaseTableView::GetCellEdit(row, col, memoLine);
  if (edit == ECellEdit::kName && GetParam(static_cast<unsigned int>(row - 1))->IsPresetWave()) {
    return ECellEdit::kNone;
  }
  return edit;
}

QString CWaveTableView::GetCellEditRefusal(int row, int col) const {
  int memoLine = 0;
  const bool presetName = CBaseTableView::GetCellEdit(row, col, memoLine) == ECellEdit::kName &&
                          IsValidParam(static_cast<unsigned int>(row - 1)) &&
                          GetParam(static_cast<unsigned int>(row - 1))->IsPresetWave();
  return presetName ? tr("A preset wave (marked \"*\") is the instrument's own wave and keeps its "
                         "name. Its memos can be edited.")
                    : QString();
}

void CWaveTableView::SelectReferredItems() {
  CBaseTableView* patchTable = GetSiblingTable(Bris::CParameter::kPatch);
  CBaseTableView* toneTable = GetSiblingTable(Bris::CParameter::kTone);
  if (patchTable == nullptr || toneTable == nullptr) {
    return;
  }
  patchTable->ClearSelection();
  toneTable->ClearSelection();
  const Bris::CZelData& data = GetZelData();
  std::vector<unsigned int> waveIndexes;
  GetSelectedIndexes(waveIndexes, true);
  for (unsigned int waveIndex : waveIndexes) {
    for (unsigned int toneIndex : data.mWaves.Get(waveIndex)->GetToneIndexes()) {
      SelectNumbers(toneTable, {toneIndex + 1});
      if (toneIndex < data.mTones.size()) {
        for (unsigned int patchIndex : data.mTones.Get(toneIndex)->GetPatchIndexes()) {
          SelectNumbers(patchTable, {patchIndex + 1});
        }
      }
    }
  }
  UReferredRows::Reveal(patchTable);
  UReferredRows::Reveal(toneTable);
}

QRect CWaveTableView::CalcCellTextRect(int row, int col, const QRect& cellRect) const {
  QRect rect = CBaseTableView::CalcCellTextRect(row, col, cellRect);
  if (col == 1) {
    rect.setLeft(rect.left() + kArrowRoom);
  }
  return rect;
}

void CWaveTableView::DrawCell(QPainter& painter, int row, int col, const QRect& localRect) {
  CBaseTableView::DrawCell(painter, row, col, localRect);
  if (col == 1 && IsReferredRow(row)) {
    DrawReferredArrow(painter, localRect);
  }
}
