#include "support/DropSimulator.h"

#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "editing/CParameterMid.h"

namespace BrisTest {

namespace {

std::vector<unsigned int> NonBlankIndexes(const Bris::CZelData& data,
                                          Bris::CParameter::EDataType kind,
                                          const std::vector<unsigned int>& indexes) {
  std::vector<unsigned int> valid;
  const Bris::CParameterArray& array = *data.GetArray(kind);
  for (unsigned int index : indexes) {
    if (index < array.size() && !array[index]->IsBlank()) {
      valid.push_back(index);
    }
  }
  return valid;
}

} // namespace

std::vector<unsigned int> SourceIndexesAfterPaste(const std::vector<unsigned int>& sourceIndexes,
                                                  unsigned int dropIndex, unsigned int count,
                                                  bool insertMode, unsigned int listSize) {
  std::vector<unsigned int> moved;
  for (unsigned int index : sourceIndexes) {
    if (insertMode) {
      const unsigned int now = index < dropIndex ? index : index + count;
      if (now < listSize) {
        moved.push_back(now);
      }
    } else if (index < dropIndex || index >= dropIndex + count) {
      moved.push_back(index);
    }
  }
  return moved;
}

int PerformDrop(const SDrop& drop) {
  Bris::CDomain& domain = Bris::Domain();
  Bris::CClipboard& clipboard = domain.GetClipboard();
  Bris::CParameterMid mid;
  mid.EditCopy(*drop.source, drop.selectedIndexes, drop.kind);
  // The valid rows are gathered before the paste changes anything, as the drag code does.
  const std::vector<unsigned int> validIndexes =
      NonBlankIndexes(*drop.source, drop.kind, drop.selectedIndexes);
  clipboard.mInsertMode = drop.insertMode ? 1 : 0;
  clipboard.mCopy = drop.copy ? 1 : 0;
  const bool otherProject = drop.source != drop.target;

  int pasted = 0;
  if (drop.insertMode) {
    pasted = mid.EditInsert(*drop.target, drop.dropIndex, drop.kind, otherProject);
  } else if (mid.EditReplace(*drop.target, drop.dropIndex, drop.kind, otherProject)) {
    pasted = static_cast<int>(drop.kind == Bris::CParameter::kPatch  ? clipboard.mPatches.size()
                              : drop.kind == Bris::CParameter::kTone ? clipboard.mTones.size()
                                                                     : clipboard.mWaves.size());
  }
  if (pasted > 0 && !drop.copy) {
    if (otherProject) {
      domain.CopyToUndoBuffer(Bris::CDomain::kUndoAll, drop.source);
      mid.EditDelete(*drop.source, validIndexes, drop.kind, false, true);
    } else {
      const auto moved =
          SourceIndexesAfterPaste(validIndexes, drop.dropIndex, static_cast<unsigned int>(pasted),
                                  drop.insertMode, Bris::CZelData::GetParameterSize(drop.kind));
      mid.EditDelete(*drop.target, moved, drop.kind, false, true);
    }
  }
  clipboard.Clear();
  return pasted;
}

} // namespace BrisTest
