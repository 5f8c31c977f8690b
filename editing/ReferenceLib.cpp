#include "editing/ReferenceLib.h"

#include "domain/CZelData.h"

namespace Bris {

namespace {

template <class TList> std::optional<unsigned int> LastEntry(const TList& list) {
  if (list.empty()) {
    return std::nullopt;
  }
  return list.back();
}

// Splits list into the entries below firstIndex (returned) and those at or above (moved).
std::vector<unsigned int> TakeEntriesFrom(const std::vector<unsigned int>& list,
                                          unsigned int firstIndex,
                                          std::vector<unsigned int>& moved) {
  std::vector<unsigned int> kept;
  kept.reserve(list.size());
  for (unsigned int index : list) {
    (index >= firstIndex ? moved : kept).push_back(index);
  }
  return kept;
}

} // namespace

std::optional<unsigned int> GetSourceTag(const CTone& tone) {
  return LastEntry(tone.GetPatchIndexes());
}

std::optional<unsigned int> GetSourceTag(const CWave& wave) {
  return LastEntry(wave.GetToneIndexes());
}

void RemoveSourceTag(CTone& tone) {
  std::vector<unsigned int> list = tone.GetPatchIndexes();
  if (!list.empty()) {
    list.pop_back();
    tone.SetPatchIndexes(list);
  }
}

void RemoveSourceTag(CWave& wave) {
  std::vector<unsigned int> list = wave.GetToneIndexes();
  if (!list.empty()) {
    list.pop_back();
    wave.SetToneIndexes(list);
  }
}

void ShiftPatchIndexes(CTone& tone, unsigned int firstIndex, unsigned int count) {
  std::vector<unsigned int> moved;
  std::vector<unsigned int> kept = TakeEntriesFrom(tone.GetPatchIndexes(), firstIndex, moved);
  if (moved.empty()) {
    return;
  }
  tone.SetPatchIndexes(kept);
  for (unsigned int patchIndex : moved) {
    tone.AddPatchIndex(patchIndex + count, false);
  }
}

void ShiftToneIndexes(CWave& wave, unsigned int firstIndex, unsigned int count) {
  std::vector<unsigned int> moved;
  std::vector<unsigned int> kept = TakeEntriesFrom(wave.GetToneIndexes(), firstIndex, moved);
  if (moved.empty()) {
    return;
  }
  wave.SetToneIndexes(kept);
  for (unsigned int toneIndex : moved) {
    wave.AddToneIndex(toneIndex + count, false);
  }
}

void ClearPatchTonesPlaying(CZelData& data, unsigned int toneNumber) {
  for (std::size_t patchIndex = 0; patchIndex < data.mPatches.size(); ++patchIndex) {
    CPatch* patch = data.mPatches.Get(patchIndex);
    for (int i = 0; i < CPatch::kPatchToneCount; ++i) {
      CPatchTone& patchTone = patch->GetPatchTone(i);
      if (static_cast<unsigned int>(patchTone.GetToneNumber()) == toneNumber) {
        patchTone.ClearPatchTone();
      }
    }
  }
}

void AddPatchToItsTones(CZelData& data, unsigned int patchIndex) {
  for (unsigned int toneNumber : WithoutNone(data.mPatches.Get(patchIndex)->GetToneNumbers())) {
    if (toneNumber <= data.mTones.size()) {
      data.mTones.Get(toneNumber - 1)->AddPatchIndex(patchIndex, false);
    }
  }
}

void AddToneToItsWaves(CZelData& data, unsigned int toneIndex) {
  for (unsigned int waveNumber : WithoutNone(data.mTones.Get(toneIndex)->GetWaveNumbers())) {
    if (waveNumber <= data.mWaves.size()) {
      data.mWaves.Get(waveNumber - 1)->AddToneIndex(toneIndex, false);
    }
  }
}

std::vector<unsigned int> WithoutNone(const std::vector<unsigned int>& numbers) {
  std::vector<unsigned int> result;
  result.reserve(numbers.size());
  for (unsigned int number : numbers) {
    if (number > 0) {
      result.push_back(number);
    }
  }
  return result;
}

} // namespace Bris
