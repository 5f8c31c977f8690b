#include "store/CProjectCleaner.h"

#include "domain/CDomain.h"
#include "domain/CZelData.h"

#include <cstddef>
#include <memory>

namespace Bris {

namespace {

// Refills a list with the kept records in their order, then fresh blank records up to its fixed
// length.
// kept passes its records to the list.
template <class TRecord>
void ReplaceList(CConcreteParameterArray<TRecord>& list,
                 std::vector<std::unique_ptr<TRecord>>& kept, unsigned int slotCount) {
  list.Resize(0);
  list.mParameters.reserve(slotCount);
  for (auto& record : kept) {
    list.mParameters.push_back(record.release());
  }
  kept.clear();
  list.Resize(slotCount);
}

// True when a 1-based reference names a non-blank record of the list.
bool NamesUsedSlot(const CParameterArray& list, unsigned int number) {
  return number >= 1 && number <= list.size() && !list[number - 1]->IsBlank();
}

} // namespace

CProjectCleaner::SOptions CProjectCleaner::SOptions::FromDomain() {
  const CDomain& domain = Domain();
  SOptions options;
  options.keepUnusedImportedWaves = domain.GetCleanOption(CDomain::kKeepUnusedImportedWaves) != 0;
  options.keepUnusedTones = domain.GetCleanOption(CDomain::kKeepUnusedTones) != 0;
  options.keepToneNumbers = domain.GetCleanOption(CDomain::kKeepToneNumbers) != 0;
  options.keepPatchNumbers = domain.GetCleanOption(CDomain::kKeepPatchNumbers) != 0;
  return options;
}

CProjectCleaner::CProjectCleaner(CZelData& data, const SOptions& options)
    : mData(data), mOptions(options) {}

void CProjectCleaner::Clean() {
  DropReferencesToBlankSlots();
  PackPatches();
  PackTones();
  PackWaves();
}

// A reference number past its list names no record either: it is dropped like one to a blank
// slot, so that nothing afterwards indexes past a list.
void CProjectCleaner::DropReferencesToBlankSlots() {
  for (CParameter* record : mData.mPatches.mParameters) {
    auto* patch = static_cast<CPatch*>(record);
    for (int part = 0; part < CPatch::kPatchToneCount; ++part) {
      const int toneNumber = patch->GetPatchTone(part).GetToneNumber();
      if (toneNumber != 0 && !NamesUsedSlot(mData.mTones, static_cast<unsigned>(toneNumber))) {
        patch->ClearPatchTone(part);
      }
    }
  }
  for (CParameter* record : mData.mTones.mParameters) {
    auto* tone = static_cast<CTone*>(record);
    for (int oscIndex = 0; oscIndex < CTone::kOscCount; ++oscIndex) {
      COsc& osc = tone->GetOsc(oscIndex);
      for (int section = 0; section < COsc::kSectionCount; ++section) {
        const int waveNumber = osc.GetWaveNumber(section);
        if (waveNumber != 0 && !NamesUsedSlot(mData.mWaves, static_cast<unsigned>(waveNumber))) {
          osc.SetWaveNumber(section, 0);
        }
      }
    }
  }
  // The back-reference lists are rebuilt from the references before anything reads them.
}

void CProjectCleaner::PackPatches() {
  std::vector<std::unique_ptr<CPatch>> kept;
  for (std::size_t patchIndex = 0; patchIndex < mData.mPatches.size(); ++patchIndex) {
    const CPatch* patch = mData.mPatches.Get(patchIndex);
    if (mOptions.keepPatchNumbers || !patch->IsBlank()) {
      kept.emplace_back(patch->Clone());
    }
  }
  ReplaceList(mData.mPatches, kept, CZelData::kPatchSlotCount);
  RebuildToneBackReferences();
}

void CProjectCleaner::PackTones() {
  const std::size_t toneCount = mData.mTones.size();
  // newNumberOf[old tone number]: the number the tone has once packed; 0 when it goes.
  std::vector<unsigned int> newNumberOf(toneCount + 1, 0);
  std::vector<std::unique_ptr<CTone>> kept;
  for (std::size_t toneIndex = 0; toneIndex < toneCount; ++toneIndex) {
    const CTone* tone = mData.mTones.Get(toneIndex);
    const bool used = !tone->GetPatchIndexes().empty();
    if (!tone->IsBlank() && (mOptions.keepUnusedTones || used)) {
      kept.emplace_back(tone->Clone());
      newNumberOf[toneIndex + 1] = static_cast<unsigned int>(kept.size());
    } else if (mOptions.keepToneNumbers) {
      kept.push_back(std::make_unique<CTone>());
    }
  }
  ReplaceList(mData.mTones, kept, CZelData::kToneSlotCount);

  for (CParameter* record : mData.mPatches.mParameters) {
    auto* patch = static_cast<CPatch*>(record);
    for (int part = 0; part < CPatch::kPatchToneCount; ++part) {
      CPatchTone& patchTone = patch->GetPatchTone(part);
      const int oldNumber = patchTone.GetToneNumber();
      if (oldNumber >= 1 && static_cast<std::size_t>(oldNumber) <= toneCount &&
          newNumberOf[static_cast<std::size_t>(oldNumber)] != 0) {
        patchTone.SetToneNumber(static_cast<int>(newNumberOf[static_cast<std::size_t>(oldNumber)]));
      }
    }
  }
  RebuildToneBackReferences();
}

void CProjectCleaner::PackWaves() {
  RebuildWaveBackReferences();
  const std::size_t waveCount = mData.mWaves.size();
  // newNumberOf[old wave number]: the number the wave has once packed; 0 when it goes.
  std::vector<unsigned int> newNumberOf(waveCount + 1, 0);
  std::vector<std::unique_ptr<CWave>> kept;
  for (std::size_t waveIndex = 0; waveIndex < waveCount; ++waveIndex) {
    const CWave* wave = mData.mWaves.Get(waveIndex);
    const bool used = !wave->GetToneIndexes().empty();
    const bool keptUnused = mOptions.keepUnusedImportedWaves && !wave->IsPresetWave();
    if (!wave->IsBlank() && (used || keptUnused)) {
      kept.emplace_back(wave->Clone());
      newNumberOf[waveIndex + 1] = static_cast<unsigned int>(kept.size());
    }
  }
  ReplaceList(mData.mWaves, kept, CZelData::kWaveSlotCount);

  for (CParameter* record : mData.mTones.mParameters) {
    auto* tone = static_cast<CTone*>(record);
    for (int oscIndex = 0; oscIndex < CTone::kOscCount; ++oscIndex) {
      COsc& osc = tone->GetOsc(oscIndex);
      for (int section = 0; section < COsc::kSectionCount; ++section) {
        const int oldNumber = osc.GetWaveNumber(section);
        if (oldNumber >= 1 && static_cast<std::size_t>(oldNumber) <= waveCount &&
            newNumberOf[static_cast<std::size_t>(oldNumber)] != 0) {
          osc.SetWaveNumber(section,
                            static_cast<int>(newNumberOf[static_cast<std::size_t>(oldNumber)]));
        }
      }
    }
  }
  RebuildWaveBackReferences();
}

void CProjectCleaner::RebuildToneBackReferences() {
  for (CParameter* tone : mData.mTones.mParameters) {
    static_cast<CTone*>(tone)->ClearPatchIndexes();
  }
  const std::size_t toneCount = mData.mTones.size();
  for (std::size_t patchIndex = 0; patchIndex < mData.mPatches.size(); ++patchIndex) {
    for (unsigned int toneNumber : mData.mPatches.Get(patchIndex)->GetToneNumbers()) {
      if (toneNumber >= 1 && toneNumber <= toneCount) {
        mData.mTones.Get(toneNumber - 1)
            ->AddPatchIndex(static_cast<unsigned int>(patchIndex), false);
      }
    }
  }
}

void CProjectCleaner::RebuildWaveBackReferences() {
  for (CParameter* wave : mData.mWaves.mParameters) {
    static_cast<CWave*>(wave)->ClearToneIndexes();
  }
  const std::size_t waveCount = mData.mWaves.size();
  for (std::size_t toneIndex = 0; toneIndex < mData.mTones.size(); ++toneIndex) {
    for (unsigned int waveNumber : mData.mTones.Get(toneIndex)->GetWaveNumbers()) {
      if (waveNumber >= 1 && waveNumber <= waveCount) {
        mData.mWaves.Get(waveNumber - 1)->AddToneIndex(static_cast<unsigned int>(toneIndex), false);
      }
    }
  }
}

} // namespace Bris
