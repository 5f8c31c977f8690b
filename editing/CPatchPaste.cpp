#include "editing/CPatchPaste.h"

#include "domain/CClipboard.h"
#include "domain/CZelData.h"
#include "editing/CCarriedRecords.h"
#include "editing/CParameterMid.h"
#include "editing/ReferenceLib.h"

#include <optional>

namespace Bris {

CPatchPaste::CPatchPaste(CParameterMid& mid, CZelData& data, unsigned int firstIndex,
                         bool otherProject)
    : CPasteOperation(mid, data, CParameter::kPatch, firstIndex, otherProject) {}

void CPatchPaste::Insert() {
  std::optional<CCarriedRecords> tones;
  std::optional<CCarriedRecords> waves;
  if (IsFromOtherProject()) {
    ChooseCarriedSlots(tones, waves);
    // The clipboard patches still name the tones by their numbers in the source project.
    for (std::size_t i = 0; i < mClipboard.mPatches.size(); ++i) {
      tones->RepointToneNumbers(*mClipboard.mPatches.Get(i));
    }
    for (std::size_t k = 0; k < mClipboard.mTones.size(); ++k) {
      mClipboard.mTones.Get(k)->ClearPatchIndexes();
    }
  }

  // The patches that fall off the end let go of their tones first.
  mMid.EditDelete(mData, SlotsFallingOffEnd(), CParameter::kPatch, false, false);
  for (std::size_t t = 0; t < mData.mTones.size(); ++t) {
    ShiftPatchIndexes(*mData.mTones.Get(t), mFirstIndex, mCount);
  }
  InsertPastedClones();

  if (IsFromOtherProject()) {
    tones->Place();
    waves->Place();
    LinkPlacedTonesToWaves(*tones, *waves);
  }
  AddPastedPatchesToTheirTones();
  mData.mPatches.Resize(mSlotCount);
}

void CPatchPaste::Replace() {
  std::optional<CCarriedRecords> tones;
  std::optional<CCarriedRecords> waves;
  if (IsFromOtherProject()) {
    ChooseCarriedSlots(tones, waves);
  }

  OverwriteRangeWithClones();

  if (IsFromOtherProject()) {
    tones->Place();
    for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
      tones->RepointToneNumbers(*mData.mPatches.Get(j));
    }
    for (unsigned int toneIndex : tones->GetSlots()) {
      mData.mTones.Get(toneIndex)->ClearPatchIndexes();
    }
    waves->Place();
    LinkPlacedTonesToWaves(*tones, *waves);
  }
  AddPastedPatchesToTheirTones();
}

void CPatchPaste::ChooseCarriedSlots(std::optional<CCarriedRecords>& tones,
                                     std::optional<CCarriedRecords>& waves) {
  tones.emplace(mData, CParameter::kTone, mClipboard.mTones);
  waves.emplace(mData, CParameter::kWave, mClipboard.mWaves);
  tones->ClearStaleReferences(mMid);
  waves->ClearStaleReferences(mMid);
}

void CPatchPaste::LinkPlacedTonesToWaves(const CCarriedRecords& tones,
                                         const CCarriedRecords& waves) {
  for (unsigned int toneIndex : tones.GetSlots()) {
    waves.RepointWaveNumbers(*mData.mTones.Get(toneIndex));
  }
  // All lists are emptied before any is filled: two placed tones may share a wave.
  for (unsigned int toneIndex : tones.GetSlots()) {
    for (unsigned int waveNumber : WithoutNone(mData.mTones.Get(toneIndex)->GetWaveNumbers())) {
      if (waveNumber <= mData.mWaves.size()) {
        mData.mWaves.Get(waveNumber - 1)->ClearToneIndexes();
      }
    }
  }
  for (unsigned int toneIndex : tones.GetSlots()) {
    AddToneToItsWaves(mData, toneIndex);
  }
}

void CPatchPaste::AddPastedPatchesToTheirTones() {
  for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
    AddPatchToItsTones(mData, j);
  }
}

} // namespace Bris
