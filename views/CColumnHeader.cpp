#include "views/CColumnHeader.h"

#include "LibMac/Utility/PreferenceKeys.h"
#include "LibMac/Utility/UPreference.h"
#include "views/CBaseTableView.h"

#include <array>

namespace {

constexpr std::array<const char*, 7> kPatchTitles = {
    "Number", "Patch Name", "Tone Switch", "Memo 1", "Memo 2", "Memo 3", "Memo 4"};
constexpr std::array<const char*, 6> kToneTitles = {"Number", "Tone Name", "Memo 1",
                                                    "Memo 2", "Memo 3",    "Memo 4"};
constexpr std::array<const char*, 6> kWaveTitles = {"Number", "Wave Name", "Memo 1",
                                                    "Memo 2", "Memo 3",    "Memo 4"};

template <std::size_t N> QString TitleOf(const std::array<const char*, N>& titles, int col) {
  if (col < 1 || col > static_cast<int>(N)) {
    return QString();
  }
  return QString::fromLatin1(titles[static_cast<std::size_t>(col - 1)]);
}

} // namespace

CColumnHeader::CColumnHeader(QWidget* parent) : CHeaderView(parent) {}

int CColumnHeader::GetHeaderKind() const {
  const QString name = objectName();
  if (name == QLatin1String("Phdr")) {
    return Bris::CParameter::kPatch;
  }
  if (name == QLatin1String("Nhdr")) {
    return Bris::CParameter::kTone;
  }
  if (name == QLatin1String("Whdr")) {
    return Bris::CParameter::kWave;
  }
  if (const auto* table = dynamic_cast<const CBaseTableView*>(GetLinkedTable())) {
    return table->GetParamType();
  }
  return -1;
}

const char* CColumnHeader::ColumnWidthPrefName(int kind) {
  switch (kind) {
  case Bris::CParameter::kPatch:
    return kPrefPatchColumnWidth;
  case Bris::CParameter::kTone:
    return kPrefToneColumnWidth;
  case Bris::CParameter::kWave:
    return kPrefWaveColumnWidth;
  default:
    return nullptr;
  }
}

QString CColumnHeader::GetCellText(int col) const {
  // Columns beyond the list's own have no title.
  if (GetLinkedTable() != nullptr && col > GetLinkedTable()->GetColCount()) {
    return QString();
  }
  switch (GetHeaderKind()) {
  case Bris::CParameter::kPatch:
    return TitleOf(kPatchTitles, col);
  case Bris::CParameter::kTone:
    return TitleOf(kToneTitles, col);
  case Bris::CParameter::kWave:
    return TitleOf(kWaveTitles, col);
  default:
    return QString();
  }
}

bool CColumnHeader::FinishResizing(int mouseX) {
  const int col = IsResizing() ? ResizingCol() : 0;
  if (!CHeaderView::FinishResizing(mouseX)) {
    return false;
  }
  if (const char* prefName = ColumnWidthPrefName(GetHeaderKind())) {
    UPreference::SeekTag(kPrefGeneralSettings, true);
    UPreference::SetParamValue(prefName, GetColWidth(col), static_cast<unsigned short>(col - 1));
  }
  return true;
}
