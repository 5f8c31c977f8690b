#include "editing/CPasteOperation.h"

#include "domain/CClipboard.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "editing/CParameterMid.h"

#include <memory>

namespace Bris {

namespace {

CPasteOperation::ESituation SituationOf(bool otherProject, const CClipboard& clipboard) {
  if (otherProject) {
    return CPasteOperation::ESituation::kFromOtherProject;
  }
  return clipboard.mCopy != 0 ? CPasteOperation::ESituation::kCopyInProject
                              : CPasteOperation::ESituation::kMoveInProject;
}

} // namespace

CPasteOperation::CPasteOperation(CParameterMid& mid, CZelData& data, CParameter::EDataType kind,
                                 unsigned int firstIndex, bool otherProject)
    : mMid(mid), mData(data), mClipboard(Domain().GetClipboard()),
      mPasted(mClipboard.GetArray(kind)), mKind(kind), mFirstIndex(firstIndex),
      mCount(static_cast<unsigned int>(mPasted.size())),
      mSlotCount(CZelData::GetParameterSize(kind)),
      mSituation(SituationOf(otherProject, mClipboard)) {}

std::vector<unsigned int> CPasteOperation::PastedRange() const {
  std::vector<unsigned int> range;
  range.reserve(mCount);
  for (unsigned int i = 0; i < mCount; ++i) {
    range.push_back(mFirstIndex + i);
  }
  return range;
}

std::vector<unsigned int> CPasteOperation::SlotsFallingOffEnd() const {
  std::vector<unsigned int> slots;
  slots.reserve(mCount);
  for (unsigned int i = 1; i <= mCount; ++i) {
    slots.push_back(mSlotCount - i);
  }
  return slots;
}

void CPasteOperation::InsertPastedClones() {
  CParameterArray* array = mData.GetArray(mKind);
  std::vector<std::unique_ptr<CParameter>> clones;
  clones.reserve(mCount);
  for (std::size_t i = 0; i < mPasted.size(); ++i) {
    clones.emplace_back(mPasted[i]->Clone());
  }
  // With the room reserved the insertion cannot fail, so the array owns every clone.
  auto& records = array->mParameters;
  records.reserve(records.size() + clones.size());
  records.insert(records.begin() + mFirstIndex, clones.size(), nullptr);
  for (std::size_t i = 0; i < clones.size(); ++i) {
    records[mFirstIndex + i] = clones[i].release();
  }
}

void CPasteOperation::OverwriteRangeWithClones() {
  mMid.EditDelete(mData, PastedRange(), mKind, false, false);
  CParameterArray* array = mData.GetArray(mKind);
  for (unsigned int i = 0; i < mCount; ++i) {
    array->ReplaceAt(mFirstIndex + i, mPasted[i]->Clone());
  }
}

} // namespace Bris
