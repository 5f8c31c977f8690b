#pragma once

#include "domain/CParameter.h"

#include <vector>

namespace Bris {

class CClipboard;
class CParameterArray;
class CParameterMid;
class CZelData;

// What every paste of the clipboard into a target data set shares: the target, the drop slot, the
// number of pasted slots and the situation. The kind-specific pastes derive from it.
class CPasteOperation {
public:
  enum class ESituation { kFromOtherProject, kCopyInProject, kMoveInProject };

  CPasteOperation(CParameterMid& mid, CZelData& data, CParameter::EDataType kind,
                  unsigned int firstIndex, bool otherProject);
  virtual ~CPasteOperation() = default;
  CPasteOperation(const CPasteOperation&) = delete;
  CPasteOperation& operator=(const CPasteOperation&) = delete;

  // The undo snapshot is taken by the caller before either runs.
  virtual void Insert() = 0;
  virtual void Replace() = 0;

protected:
  bool IsFromOtherProject() const { return mSituation == ESituation::kFromOtherProject; }
  bool IsCopyInProject() const { return mSituation == ESituation::kCopyInProject; }
  bool IsMoveInProject() const { return mSituation == ESituation::kMoveInProject; }

  // One past the last pasted slot.
  unsigned int PastedEnd() const { return mFirstIndex + mCount; }
  // The slots firstIndex .. firstIndex + count - 1.
  std::vector<unsigned int> PastedRange() const;
  // The last count slots of the target list, last one first.
  std::vector<unsigned int> SlotsFallingOffEnd() const;

  // Insertion: clones of the pasted records at firstIndex; the array holds count records more
  // until it is cut back.
  void InsertPastedClones();
  // Replacement: blanks the target range (cutting references as a delete does, the patches of a
  // tone kept) and puts clones of the pasted records in.
  void OverwriteRangeWithClones();

  CParameterMid& mMid;
  CZelData& mData;
  CClipboard& mClipboard;
  const CParameterArray& mPasted;
  CParameter::EDataType mKind;
  unsigned int mFirstIndex;
  unsigned int mCount;
  unsigned int mSlotCount;
  ESituation mSituation;
};

} // namespace Bris
