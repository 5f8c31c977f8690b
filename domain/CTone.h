#pragma once

#include "domain/COsc.h"
#include "domain/CParameter.h"

#include <vector>

namespace Bris {

// A tone slot: sixteen oscillators, plus the 0-based indexes of the patch slots that use it.
class CTone : public CParameter {
public:
  static constexpr int kOscCount = 16;

  CTone() = default;
  CTone(const CTone& other) = default;
  CTone& operator=(const CTone& other) = default;
  ~CTone() override = default;

  CTone* Clone() const override { return new CTone(*this); }

  // Oscillator 0..15; other values are taken as the nearest valid one.
  COsc& GetOsc(int i);
  const COsc& GetOsc(int i) const;

  // Hands take the wave number of each section of each oscillator in turn, repeats and 0 ("no
  // wave") included.
  template <class TTake> void ForEachWaveNumber(TTake take) const {
    for (const auto& osc : mOscs) {
      for (int section = 0; section < COsc::kSectionCount; ++section) {
        take(static_cast<unsigned int>(osc.GetWaveNumber(section)));
      }
    }
  }
  // The wave numbers of all 32 sections, ascending, without repeats; 0 stands for "no wave".
  std::vector<unsigned int> GetWaveNumbers() const;
  bool SearchWaveNumber(unsigned int waveNumber) const;

  // Back-references: patch slot indexes (0-based) in the order they were added. With force the
  // index is appended even when present (the editing engine tags clipboard copies this way).
  void AddPatchIndex(unsigned int patchIndex, bool force);
  // Removes the first occurrence, if any.
  void DeletePatchIndex(unsigned int patchIndex);
  bool SearchPatchIndex(unsigned int patchIndex) const;
  void ClearPatchIndexes() { mPatchIndexes.clear(); }
  // Room for count indexes, so that a reader adding a known number of them allocates once.
  void ReservePatchIndexes(std::size_t count) { mPatchIndexes.reserve(count); }
  const std::vector<unsigned int>& GetPatchIndexes() const { return mPatchIndexes; }
  void SetPatchIndexes(const std::vector<unsigned int>& patchIndexes) {
    mPatchIndexes = patchIndexes;
  }

private:
  COsc mOscs[kOscCount];
  std::vector<unsigned int> mPatchIndexes;
};

} // namespace Bris
