#pragma once

#include "domain/CParameter.h"
#include "domain/CPatchTone.h"

#include <vector>

namespace Bris {

// A patch slot: plays up to two tones, each described by a patch-tone block.
class CPatch : public CParameter {
public:
  static constexpr int kPatchToneCount = 2;

  CPatch() = default;
  CPatch(const CPatch& other) = default;
  CPatch& operator=(const CPatch& other) = default;
  ~CPatch() override = default;

  CPatch* Clone() const override { return new CPatch(*this); }

  // Patch tone 0 or 1; any other value is taken as the nearest of the two.
  CPatchTone& GetPatchTone(int i);
  const CPatchTone& GetPatchTone(int i) const;

  // Bit 0: tone 1 on, bit 1: tone 2 on.
  int GetToneSwitch() const;
  // Both patch-tone blocks back to their initial bytes.
  void ClearPatchTone();
  // Patch tone i (0 or 1) back to its initial bytes; other values do nothing.
  void ClearPatchTone(int i);

  // Hands take the tone number of each patch tone in turn, repeats and 0 ("no tone") included.
  template <class TTake> void ForEachToneNumber(TTake take) const {
    for (const auto& patchTone : mPatchTones) {
      take(static_cast<unsigned int>(patchTone.GetToneNumber()));
    }
  }
  // The tone numbers of both patch tones, ascending, without repeats; 0 stands for "no tone".
  std::vector<unsigned int> GetToneNumbers() const;
  bool SearchToneNumber(unsigned int toneNumber) const;

private:
  CPatchTone mPatchTones[kPatchToneCount];
};

} // namespace Bris
