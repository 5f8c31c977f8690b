#include "editing/CWavePaste.h"

#include "domain/CClipboard.h"
#include "domain/CZelData.h"
#include "editing/CParameterMid.h"
#include "editing/ReferenceLib.h"

#include <algorithm>

namespace Bris {

CWavePaste::CWavePaste(CParameterMid& mid, CZelData& data, unsigned int firstIndex,
                       bool otherProject)
    : CPasteOperation(mid, data, CParameter::kWave, firstIndex, otherProject) {}

void CWavePaste::Insert() {
  mMid.ClearWaveSets();
  InsertPastedClones();
  // The records pushed past the end. Tones still name them by numbers beyond the list; the
  // renumbering below removes those.
  std::vector<unsigned int> pushedOff;
  for (unsigned int i = 0; i < mCount; ++i) {
    pushedOff.push_back(mSlotCount + i);
  }
  mMid.EditDelete(mData, pushedOff, CParameter::kWave, false, false);
  mData.mWaves.Resize(mSlotCount);

  if (IsMoveInProject()) {
    FollowMovedWavesByCurrentNumbers();
  } else {
    DropToneReferencesOfPastedWaves();
  }
  RenumberWaveNumbersForInsertion();
  if (IsMoveInProject()) {
    LetGoOfMovedSources(true);
  }
}

void CWavePaste::Replace() {
  OverwriteRangeWithClones();
  if (IsMoveInProject()) {
    FollowMovedWavesBySnapshot();
    LetGoOfMovedSources(false);
  } else {
    DropToneReferencesOfPastedWaves();
  }
}

void CWavePaste::DropToneReferencesOfPastedWaves() {
  for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
    mData.mWaves.Get(j)->ClearToneIndexes();
  }
}

void CWavePaste::FollowMovedWavesByCurrentNumbers() {
  for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
    auto tag = GetSourceTag(*mData.mWaves.Get(j));
    if (!tag) {
      continue;
    }
    const int oldWaveNumber = static_cast<int>(*tag) + 1;
    for (std::size_t t = 0; t < mData.mTones.size(); ++t) {
      CTone* tone = mData.mTones.Get(t);
      if (tone->IsBlank()) {
        continue;
      }
      ForEachSection(*tone, [&](COsc& osc, int oscIndex, int section) {
        const CParameterMid::SWaveSet waveSet{static_cast<int>(t), oscIndex, section};
        if (osc.GetWaveNumber(section) == oldWaveNumber && !mMid.SearchWaveSet(waveSet) &&
            osc.SetWaveNumber(section, static_cast<int>(j) + 1)) {
          mMid.AddWaveSet(waveSet);
        }
      });
    }
  }
  TakeSourceTagsOfPastedWaves();
}

void CWavePaste::FollowMovedWavesBySnapshot() {
  const auto& snapshot = mClipboard.mTones;
  const std::size_t toneCount = std::min(snapshot.size(), mData.mTones.size());
  for (std::size_t t = 0; t < toneCount; ++t) {
    CTone* tone = mData.mTones.Get(t);
    ForEachSection(*snapshot.Get(t), [&](const COsc& oldOsc, int oscIndex, int section) {
      const int oldWaveNumber = oldOsc.GetWaveNumber(section);
      if (oldWaveNumber == 0) {
        return;
      }
      for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
        auto tag = GetSourceTag(*mData.mWaves.Get(j));
        if (tag && *tag + 1 == static_cast<unsigned int>(oldWaveNumber)) {
          tone->GetOsc(oscIndex).SetWaveNumber(section, static_cast<int>(j) + 1);
          return;
        }
      }
    });
  }
  TakeSourceTagsOfPastedWaves();
}

void CWavePaste::RenumberWaveNumbersForInsertion() {
  for (std::size_t t = 0; t < mData.mTones.size(); ++t) {
    ForEachSection(*mData.mTones.Get(t), [&](COsc& osc, int oscIndex, int section) {
      if (mMid.SearchWaveSet({static_cast<int>(t), oscIndex, section})) {
        return;
      }
      const unsigned int waveNumber = static_cast<unsigned int>(osc.GetWaveNumber(section));
      if (waveNumber <= mFirstIndex || waveNumber > mSlotCount) {
        return; // a number beyond the list names no slot and is kept as read
      }
      // A wave pushed past the end of the list is gone.
      const bool stillInList = waveNumber + mCount <= mSlotCount;
      osc.SetWaveNumber(section, stillInList ? static_cast<int>(waveNumber + mCount) : 0);
    });
  }
}

void CWavePaste::TakeSourceTagsOfPastedWaves() {
  mSourceIndexes.clear();
  for (unsigned int j = mFirstIndex; j < PastedEnd(); ++j) {
    mSourceIndexes.push_back(GetSourceTag(*mData.mWaves.Get(j)));
    RemoveSourceTag(*mData.mWaves.Get(j));
  }
}

void CWavePaste::LetGoOfMovedSources(bool isInsertion) {
  for (unsigned int k = 0; k < mSourceIndexes.size(); ++k) {
    if (!mSourceIndexes[k]) {
      continue;
    }
    unsigned int sourceNow = *mSourceIndexes[k];
    if (sourceNow >= mFirstIndex) {
      if (isInsertion) {
        sourceNow += mCount; // past the end when it was pushed off
      } else if (sourceNow < PastedEnd()) {
        continue; // overwritten by the paste
      }
    }
    if (sourceNow >= mSlotCount) {
      continue;
    }
    CWave* source = mData.mWaves.Get(sourceNow);
    for (unsigned int toneIndex : mData.mWaves.Get(mFirstIndex + k)->GetToneIndexes()) {
      if (toneIndex < mData.mTones.size() &&
          !mData.mTones.Get(toneIndex)->SearchWaveNumber(sourceNow + 1)) {
        source->DeleteToneIndex(toneIndex);
      }
    }
  }
}

} // namespace Bris
