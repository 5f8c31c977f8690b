#include "app/UColumnWidths.h"

#include "LibMac/Utility/PreferenceKeys.h"
#include "LibMac/Utility/UPreference.h"
#include "views/CColumnHeader.h"

#include <algorithm>
#include <cstddef>

namespace {

const char* ColumnWidthKey(Bris::CParameter::EDataType kind) {
  switch (kind) {
  case Bris::CParameter::kPatch:
    return kPrefPatchColumnWidth;
  case Bris::CParameter::kTone:
    return kPrefToneColumnWidth;
  default:
    return kPrefWaveColumnWidth;
  }
}

} // namespace

std::vector<int> UColumnWidths::Defaults(Bris::CParameter::EDataType kind) {
  if (kind == Bris::CParameter::kPatch) {
    return {50, 150, 70, 50, 50, 50, 50};
  }
  return {50, 150, 50, 50, 50, 50};
}

std::vector<bool> UColumnWidths::LoadStored(Bris::CParameter::EDataType kind,
                                            std::vector<int>& widths) {
  std::vector<bool> stored(widths.size(), false);
  if (!UPreference::SeekTag(kPrefGeneralSettings, false)) {
    return stored;
  }
  for (std::size_t column = 0; column < widths.size(); ++column) {
    // A missing width reads as -1, so that a stored 50 is told from the default 50.
    const long value =
        UPreference::GetParamValue(ColumnWidthKey(kind), -1, static_cast<unsigned short>(column));
    // A width the header could not have produced (hand-edited preferences) keeps the default.
    if (value >= CColumnHeader::kMinColumnWidth && value <= 0x7FFF) {
      widths[column] = static_cast<int>(value);
      stored[column] = true;
    }
  }
  return stored;
}

void UColumnWidths::ShareSpareWidth(std::vector<std::vector<int>>& widths,
                                    const std::vector<std::vector<bool>>& stored, int spare) {
  std::vector<int*> open;
  for (std::size_t list = 0; list < widths.size() && list < stored.size(); ++list) {
    std::vector<int>& columns = widths[list];
    const std::size_t first =
        columns.size() > kMemoColumnsPerList ? columns.size() - kMemoColumnsPerList : 0;
    for (std::size_t column = first; column < columns.size(); ++column) {
      if (column >= stored[list].size() || !stored[list][column]) {
        open.push_back(&columns[column]);
      }
    }
  }
  // Column by column, so that a column that reaches the cap leaves its share to the others.
  while (spare > 0 && !open.empty()) {
    const int share = std::max(1, spare / static_cast<int>(open.size()));
    std::vector<int*> stillOpen;
    for (int* width : open) {
      const int added = std::min({share, spare, kMaxSharedMemoWidth - *width});
      if (added > 0) {
        *width += added;
        spare -= added;
      }
      if (*width < kMaxSharedMemoWidth) {
        stillOpen.push_back(width);
      }
    }
    open.swap(stillOpen);
  }
}
