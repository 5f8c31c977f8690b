#include "editing/CTonePaste.h"

#include "domain/CClipboard.h"
#include "domain/CZelData.h"
#include "editing/CCarriedRecords.h"
#include "editing/CParameterMid.h"
#include "editing/ReferenceLib.h"

#include <optional>

namespace Bris {

namespace {
// The tag of a clipboard tone that has none (never made by a copy).
constexpr unsigned int kNoSource = ~0U;
} // namespace

CTonePaste::CTonePaste(CParameterMid& mid, CZelData& data, unsigned int firstIndex,
                       bool otherProject)
    : CPasteOperation(mid, data, CParameter::kTone, firstIndex, otherProject) {}

void CTonePaste::Insert() {
  mIsInsertion = true;
  std::optional<CCarriedRecords> waves;
  if (IsFromOtherProject()) {
    waves.emplace(mData, CParameter::kWave, mClipboard.mWaves);
    waves->ClearStaleReferences(mMid);
    for (std::size_t i = 0; i < mClipboard.mTones.size(); ++i) {
      waves->RepointWaveNumbers(*mClipboard.mTones.Get(i));
    }
    for (std::size_t k = 0; k < mClipboard.mWaves.size(); ++k) {
      mClipboard.mWaves.Get(k)->ClearToneIndexes();
    }
  }

  // The tones that fall off the end are deleted with the patch references to them.
  mMid.EditDelete(mData, SlotsFallingOffEnd(), CParameter::kTone, false, true);
  RenumberToneNumbersForInsertion();
  for (std::size_t w = 0; w < mData.mWaves.size(); ++w) {
    ShiftToneIndexes(*mData.mWaves.Get(w), mFirstIndex, mCount);
  }
  InsertPastedClones();

  if (IsFromOtherProject()) {
    waves->Place();
  }
  AddPastedTonesToTheirWaves();
  if (IsMoveInProject()) {
    FollowMovedTones();
  } else {
    DropPatchReferencesOfPastedTones();
  }
  mData.mTones.Resize(mSlotCount);
}

void CTonePaste::Replace() {
  mIsInsertion = false;
  std::optional<CCarriedRecords> waves;
  if (IsFromOtherProject()) {
    waves.emplace(mData, CParameter::kWave, mClipboard.mWaves);
    waves->ClearStaleReferences(mMid);
  }

  OverwriteRangeWithClones();

  if (IsFromOtherProject()) {
    waves->Place();
    for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
      waves->RepointWaveNumbers(*mData.mTones.Get(j));
    }
    for (unsigned int waveIndex : waves->GetSlots()) {
      mData.mWaves.Get(waveIndex)->ClearToneIndexes();
    }
  }
  AddPastedTonesToTheirWaves();

  if (IsFromOtherProject()) {
    DropPatchReferencesOfPastedTones();
    return;
  }
  // The patches that played the overwritten tones lose them.
  for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
    ClearPatchTonesPlaying(mData, j + 1);
  }
  if (IsMoveInProject()) {
    FollowMovedTones();
  } else {
    DropPatchReferencesOfPastedTones();
  }
}

void CTonePaste::RenumberToneNumbersForInsertion() {
  for (std::size_t p = 0; p < mData.mPatches.size(); ++p) {
    CPatch* patch = mData.mPatches.Get(p);
    for (int i = 0; i < CPatch::kPatchToneCount; ++i) {
      CPatchTone& patchTone = patch->GetPatchTone(i);
      const unsigned int toneNumber = static_cast<unsigned int>(patchTone.GetToneNumber());
      // A number beyond the list was read as it stands and names no slot; it is kept.
      if (toneNumber <= mFirstIndex || toneNumber > mSlotCount) {
        continue;
      }
      // A number pushed past the list names a tone that is gone; it must not stay behind
      // pointing at whatever tone now holds that number.
      if (toneNumber + mCount <= mSlotCount) {
        patchTone.SetToneNumber(static_cast<int>(toneNumber + mCount));
      } else {
        patchTone.ClearPatchTone();
      }
    }
  }
}

void CTonePaste::AddPastedTonesToTheirWaves() {
  for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
    AddToneToItsWaves(mData, j);
  }
}

void CTonePaste::DropPatchReferencesOfPastedTones() {
  for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
    mData.mTones.Get(j)->ClearPatchIndexes();
    if (IsFromOtherProject()) {
      ClearPatchTonesPlaying(mData, j + 1);
    }
  }
}

void CTonePaste::FollowMovedTones() {
  std::vector<unsigned int> sourceIndexes;
  for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
    sourceIndexes.push_back(GetSourceTag(*mData.mTones.Get(j)).value_or(kNoSource));
  }
  const auto& snapshot = mClipboard.mPatches;
  const std::size_t patchCount = std::min(snapshot.size(), mData.mPatches.size());
  for (std::size_t p = 0; p < patchCount; ++p) {
    for (int i = 0; i < CPatch::kPatchToneCount; ++i) {
      const int oldToneNumber = snapshot.Get(p)->GetPatchTone(i).GetToneNumber();
      if (oldToneNumber == 0) {
        continue;
      }
      for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
        auto tag = GetSourceTag(*mData.mTones.Get(j));
        if (tag && *tag + 1 == static_cast<unsigned int>(oldToneNumber)) {
          mData.mPatches.Get(p)->GetPatchTone(i).SetToneNumber(static_cast<int>(j) + 1);
          break;
        }
      }
    }
  }
  for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
    RemoveSourceTag(*mData.mTones.Get(j));
  }
  LetGoOfMovedSources(sourceIndexes);
}

void CTonePaste::LetGoOfMovedSources(const std::vector<unsigned int>& sourceIndexes) {
  for (unsigned int k = 0; k < sourceIndexes.size(); ++k) {
    auto sourceNow = CurrentIndexOfSource(sourceIndexes[k]);
    if (!sourceNow) {
      continue;
    }
    CTone* source = mData.mTones.Get(*sourceNow);
    for (unsigned int patchIndex : mData.mTones.Get(mFirstIndex + k)->GetPatchIndexes()) {
      if (patchIndex < mData.mPatches.size() &&
          !mData.mPatches.Get(patchIndex)->SearchToneNumber(*sourceNow + 1)) {
        source->DeletePatchIndex(patchIndex);
      }
    }
  }
}

std::optional<unsigned int> CTonePaste::CurrentIndexOfSource(unsigned int sourceIndex) const {
  if (sourceIndex >= mSlotCount) {
    return std::nullopt;
  }
  if (sourceIndex < mFirstIndex) {
    return sourceIndex;
  }
  if (!mIsInsertion) {
    return sourceIndex < PastedEnd() ? std::nullopt : std::optional<unsigned int>(sourceIndex);
  }
  const unsigned int shifted = sourceIndex + mCount;
  return shifted < mSlotCount ? std::optional<unsigned int>(shifted) : std::nullopt;
}

} // namespace Bris
