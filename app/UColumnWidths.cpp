#include "app/UMemoColumnWidths.h"

#include <algorithm>
#include <cstddef>

void UMemoColumnWidths::ShareSpareWidth(std::vector<std::vector<int>>& widths,
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
