#include "views/CPatchTableView.h"

#include "domain/CZelData.h"
#include "framework/DialogText.h"
#include "views/UReferredRows.h"

namespace {

constexpr int kDefaultWidths[CPatchTableView::kColumnCount] = {50, 150, 70, 50, 50, 50, 50};
constexpr int kToneSwitchColumn = 3;
constexpr int kFirstMemoColumn = 4;

} // namespace

CPatchTableView::CPatchTableView(QWidget* parent) : CBaseTableView(parent) {
  SetColumns(kColumnCount, kDefaultWidths[0]);
  for (int col = 1; col <= kColumnCount; ++col) {
    SetColWidth(kDefaultWidths[col - 1], col, col);
  }
  SetRowCount(static_cast<int>(Bris::CZelData::kPatchSlotCount));
  EnableUnwritableWarning();
}

QString CPatchTableView::ToneSwitchText(int toneSwitch) {
  static const char* const kTexts[] = {"_/_", "_/U", "L/_", "L/U"};
  if (toneSwitch < 0 || toneSwitch > 3) {
    return QString();
  }
  return QString::fromLatin1(kTexts[toneSwitch]);
}

QString CPatchTableView::GetCellText(int row, int col) const {
  if (col == 1) {
    return QString::number(row);
  }
  const auto index = static_cast<unsigned int>(row - 1);
  if (!IsValidParam(index)) {
    return QString();
  }
  const Bris::CPatch& patch = *GetZelData().mPatches.Get(index);
  if (col == 2) {
    return DialogText::FromSystemEncoding(patch.GetName());
  }
  if (col == kToneSwitchColumn) {
    return ToneSwitchText(patch.GetToneSwitch());
  }
  return DialogText::FromSystemEncoding(patch.GetMemo(col - kFirstMemoColumn));
}

CBaseTableView::ECellEdit CPatchTableView::GetCellEdit(int /*row*/, int col, int& memoLine) const {
  if (col == 1 || col == 2) {
    return ECellEdit::kName;
  }
  if (col >= kFirstMemoColumn && col < kFirstMemoColumn + Bris::CParameter::kMemoLineCount) {
    memoLine = col - kFirstMemoColumn;
    return ECellEdit::kMemo;
  }
  return ECellEdit::kNone;
}

void CPatchTableView::SelectReferredItems() {
  CBaseTableView* toneTable = GetSiblingTable(Bris::CParameter::kTone);
  CBaseTableView* waveTable = GetSiblingTable(Bris::CParameter::kWave);
  if (toneTable == nullptr || waveTable == nullptr) {
    return;
  }
  toneTable->ClearSelection();
  waveTable->ClearSelection();
  const Bris::CZelData& data = GetZelData();
  std::vector<unsigned int> patchIndexes;
  GetSelectedIndexes(patchIndexes, true);
  for (unsigned int patchIndex : patchIndexes) {
    const std::vector<unsigned int> toneNumbers = data.mPatches.Get(patchIndex)->GetToneNumbers();
    SelectNumbers(toneTable, toneNumbers);
    for (unsigned int toneNumber : toneNumbers) {
      // A blank tone slot plays nothing, whatever its stale oscillator bytes say.
      if (toneNumber >= 1 && toneNumber <= data.mTones.size() &&
          !data.mTones.Get(toneNumber - 1)->IsBlank()) {
        SelectNumbers(waveTable, data.mTones.Get(toneNumber - 1)->GetWaveNumbers());
      }
    }
  }
  UReferredRows::Reveal(toneTable);
  UReferredRows::Reveal(waveTable);
}
