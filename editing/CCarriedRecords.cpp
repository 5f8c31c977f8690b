#include "editing/CCarriedRecords.h"

#include "domain/CZelData.h"
#include "editing/CParameterMid.h"
#include "editing/ReferenceLib.h"

#include <algorithm>

namespace Bris {

namespace {

std::optional<unsigned int> SourceTagOf(const CParameter& record, CParameter::EDataType kind) {
  if (kind == CParameter::kTone) {
    return GetSourceTag(static_cast<const CTone&>(record));
  }
  return GetSourceTag(static_cast<const CWave&>(record));
}

} // namespace

CCarriedRecords::CCarriedRecords(CZelData& data, CParameter::EDataType kind,
                                 const CParameterArray& carried)
    : mData(data), mKind(kind), mCarried(carried) {
  mSlots = data.GetDeletedIndexes(kind);
  // The pre-checks make sure there are enough blank slots; never place past them.
  mSlots.resize(std::min(mSlots.size(), carried.size()));
  for (std::size_t k = 0; k < mSlots.size(); ++k) {
    if (auto tag = SourceTagOf(*carried[k], kind)) {
      mSlotBySourceTag.emplace(*tag, mSlots[k]); // keeps the first record with that tag
    }
  }
}

void CCarriedRecords::ClearStaleReferences(CParameterMid& mid) {
  mid.EditDelete(mData, mSlots, mKind, false, true);
}

void CCarriedRecords::Place() {
  CParameterArray* array = mData.GetArray(mKind);
  for (std::size_t k = 0; k < mSlots.size(); ++k) {
    array->ReplaceAt(mSlots[k], mCarried[k]->Clone());
  }
}

std::optional<unsigned int> CCarriedRecords::FindSlot(unsigned int sourceNumber) const {
  auto found = mSlotBySourceTag.find(sourceNumber);
  if (found == mSlotBySourceTag.end()) {
    return std::nullopt;
  }
  return found->second;
}

bool CCarriedRecords::IsBeyondTheList(unsigned int number) const {
  return number > CZelData::GetParameterSize(mKind);
}

void CCarriedRecords::RepointToneNumbers(CPatch& patch) const {
  for (int i = 0; i < CPatch::kPatchToneCount; ++i) {
    CPatchTone& patchTone = patch.GetPatchTone(i);
    const auto toneNumber = static_cast<unsigned int>(patchTone.GetToneNumber());
    if (toneNumber == 0) {
      continue;
    }
    if (auto slot = FindSlot(toneNumber)) {
      patchTone.SetToneNumber(static_cast<int>(*slot) + 1);
    } else if (!IsBeyondTheList(toneNumber)) {
      patchTone.ClearPatchTone();
    }
  }
}

void CCarriedRecords::RepointWaveNumbers(CTone& tone) const {
  ForEachSection(tone, [this](COsc& osc, int, int section) {
    const auto waveNumber = static_cast<unsigned int>(osc.GetWaveNumber(section));
    if (waveNumber == 0) {
      return;
    }
    if (auto slot = FindSlot(waveNumber)) {
      osc.SetWaveNumber(section, static_cast<int>(*slot) + 1);
    } else if (!IsBeyondTheList(waveNumber)) {
      osc.SetWaveNumber(section, 0);
    }
  });
}

} // namespace Bris
