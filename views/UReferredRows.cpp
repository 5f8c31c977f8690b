#include "views/UReferredRows.h"

#include "views/CBaseTableView.h"

#include <vector>

void UReferredRows::Reveal(CBaseTableView* table) {
  if (table == nullptr) {
    return;
  }
  std::vector<unsigned int> indexes;
  table->GetSelectedIndexes(indexes, false);
  if (indexes.empty()) {
    return;
  }
  int firstVisible = 0;
  int lastVisible = 0;
  table->GetVisibleRows(firstVisible, lastVisible);
  for (unsigned int index : indexes) {
    const int row = static_cast<int>(index) + 1;
    if (row >= firstVisible && row <= lastVisible) {
      return;
    }
  }
  table->ScrollRowIntoView(static_cast<int>(indexes.front()) + 1);
}
