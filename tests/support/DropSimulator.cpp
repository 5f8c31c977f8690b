#include "support/DropSimulator.h"

#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "editing/CDropEdit.h"
#include "editing/CParameterMid.h"

namespace BrisTest {

std::vector<unsigned int> SourceIndexesAfterPaste(const std::vector<unsigned int>& sourceIndexes,
                                                  unsigned int dropIndex, unsigned int count,
                                                  bool insertMode, unsigned int listSize) {
  return Bris::CDropEdit::SourceIndexesAfterPaste(sourceIndexes, dropIndex, count, insertMode,
                                                  listSize);
}

int PerformDrop(const SDrop& drop) {
  // The drag start copies the selection; the drop itself is the application's own drop edit.
  Bris::CParameterMid mid;
  mid.EditCopy(*drop.source, drop.selectedIndexes, drop.kind);
  Bris::CDropEdit::SRequest request;
  request.source = drop.source;
  request.target = drop.target;
  request.sourceKind = drop.kind;
  request.targetKind = drop.kind;
  request.sourceIndexes = drop.selectedIndexes;
  request.dropIndex = drop.dropIndex;
  request.insertMode = drop.insertMode;
  request.copy = drop.copy;
  const Bris::CDropEdit::SResult result = Bris::CDropEdit().Perform(request);
  Bris::Domain().GetClipboard().Clear();
  return static_cast<int>(result.pastedCount);
}

} // namespace BrisTest
