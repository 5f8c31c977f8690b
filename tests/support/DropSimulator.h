#pragma once

#include "domain/CParameter.h"

#include <vector>

namespace Bris {
class CZelData;
}

namespace BrisTest {

// A row drag from one list to another of the same kind, as the drag code carries it out.
struct SDrop {
  Bris::CZelData* source = nullptr;
  Bris::CZelData* target = nullptr;
  Bris::CParameter::EDataType kind = Bris::CParameter::kPatch;
  std::vector<unsigned int> selectedIndexes; // every selected row, blank ones included
  unsigned int dropIndex = 0;                // the 0-based first slot of the drop
  bool insertMode = false;                   // Option held: insert instead of replace
  bool copy = true;                          // keep the source rows
};

// A whole row drag: copies the selected rows into the clipboard as the drag start does, then
// carries out the drop with the application's drop edit (Bris::CDropEdit: the paste, and for a
// move the deletion of the used source rows), and empties the clipboard as the drag end does.
// Returns the number of slots pasted, 0 when the paste was refused.
int PerformDrop(const SDrop& drop);

// Where the given source rows of a move inside one list are after the paste of count slots at
// dropIndex (Bris::CDropEdit::SourceIndexesAfterPaste): by insertion, rows at or after the drop
// slot move down by count and rows pushed off the end are gone; by replacement, rows inside the
// overwritten range are gone.
std::vector<unsigned int> SourceIndexesAfterPaste(const std::vector<unsigned int>& sourceIndexes,
                                                  unsigned int dropIndex, unsigned int count,
                                                  bool insertMode, unsigned int listSize);

} // namespace BrisTest
