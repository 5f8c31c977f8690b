#include "editing/CDropEdit.h"

#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "editing/CParameterMid.h"

#include <algorithm>

namespace Bris {

namespace {

unsigned int ClipboardCount(const CClipboard& clipboard, CParameter::EDataType kind) {
  switch (kind) {
  case CParameter::kPatch:
    return static_cast<unsigned int>(clipboard.mPatches.size());
  case CParameter::kTone:
    return static_cast<unsigned int>(clipboard.mTones.size());
  case CParameter::kWave:
    return static_cast<unsigned int>(clipboard.mWaves.size());
  }
  return 0;
}

} // namespace

std::vector<unsigned int> CDropEdit::UsedSlots(const CZelData& data, CParameter::EDataType kind,
                                               const std::vector<unsigned int>& indexes) {
  std::vector<unsigned int> used;
  const CParameterArray* array = data.GetArray(kind);
  if (array == nullptr) {
    return used;
  }
  for (unsigned int index : indexes) {
    if (index < array->size() && !(*array)[index]->IsBlank()) {
      used.push_back(index);
    }
  }
  std::sort(used.begin(), used.end());
  used.erase(std::unique(used.begin(), used.end()), used.end());
  return used;
}

std::vector<unsigned int>
CDropEdit::SourceIndexesAfterPaste(const std::vector<unsigned int>& indexes, unsigned int dropIndex,
                                   unsigned int count, bool insertMode, unsigned int listSize) {
  std::vector<unsigned int> after;
  for (unsigned int index : indexes) {
    if (insertMode) {
      const unsigned int now = index < dropIndex ? index : index + count;
      if (now < listSize) {
        after.push_back(now);
      }
    } else if (index < dropIndex || index - dropIndex >= count) {
      after.push_back(index);
    }
  }
  return after;
}

CDropEdit::SResult CDropEdit::Perform(const SRequest& request) {
  SResult result;
  if (request.source == nullptr || request.target == nullptr ||
      request.sourceKind != request.targetKind) {
    // The clipboard holds carried records of every kind; pasting the target kind's array of a
    // drag of another kind would paste records the user never chose.
    return result;
  }
  const CParameter::EDataType kind = request.targetKind;
  const unsigned int listSize = CZelData::GetParameterSize(kind);
  if (request.dropIndex >= listSize) {
    return result;
  }
  // Gathered before the paste: the paste moves and changes slots.
  const std::vector<unsigned int> sourceIndexes =
      UsedSlots(*request.source, kind, request.sourceIndexes);
  const bool otherProject = request.source != request.target;

  CDomain& domain = Domain();
  CClipboard& clipboard = domain.GetClipboard();
  clipboard.mInsertMode = request.insertMode ? 1 : 0;
  clipboard.mCopy = request.copy ? 1 : 0;

  CParameterMid mid;
  unsigned int pastedCount = 0;
  if (request.insertMode) {
    pastedCount = static_cast<unsigned int>(
        std::max(0, mid.EditInsert(*request.target, request.dropIndex, kind, otherProject)));
  } else if (mid.EditReplace(*request.target, request.dropIndex, kind, otherProject)) {
    pastedCount = ClipboardCount(clipboard, kind);
  }
  if (pastedCount == 0) {
    return result;
  }
  result.pasted = true;
  result.pastedCount = pastedCount;
  result.firstPastedIndex = request.dropIndex;
  result.targetModified = true;

  if (request.copy || sourceIndexes.empty()) {
    return result;
  }
  if (otherProject) {
    // The paste saved the target; the source joins it so that one Undo restores both.
    domain.CopyToUndoBuffer(CDomain::kUndoAll, request.source);
    result.deletedSourceIndexes = sourceIndexes;
    mid.EditDelete(*request.source, result.deletedSourceIndexes, kind, false, true);
    result.sourceModified = true;
  } else {
    result.deletedSourceIndexes = SourceIndexesAfterPaste(
        sourceIndexes, request.dropIndex, pastedCount, request.insertMode, listSize);
    mid.EditDelete(*request.target, result.deletedSourceIndexes, kind, false, true);
  }
  return result;
}

} // namespace Bris
