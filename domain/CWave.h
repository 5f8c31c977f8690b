#pragma once

#include "domain/CParameter.h"

#include <vector>

namespace Bris {

// A wave slot. Its data lives only in its file; in memory it keeps the 0-based indexes of the
// tone slots that play it.
class CWave : public CParameter {
public:
  CWave() = default;
  CWave(const CWave& other) = default;
  CWave& operator=(const CWave& other) = default;
  ~CWave() override = default;

  CWave* Clone() const override { return new CWave(*this); }

  // Back-references, as CTone's patch indexes: with force the index is appended even if present.
  void AddToneIndex(unsigned int toneIndex, bool force);
  // Removes the first occurrence, if any.
  void DeleteToneIndex(unsigned int toneIndex);
  bool SearchToneIndex(unsigned int toneIndex) const;
  void ClearToneIndexes() { mToneIndexes.clear(); }
  // Room for count indexes, so that a reader adding a known number of them allocates once.
  void ReserveToneIndexes(std::size_t count) { mToneIndexes.reserve(count); }
  const std::vector<unsigned int>& GetToneIndexes() const { return mToneIndexes; }
  void SetToneIndexes(const std::vector<unsigned int>& toneIndexes) { mToneIndexes = toneIndexes; }

private:
  std::vector<unsigned int> mToneIndexes;
};

} // namespace Bris
