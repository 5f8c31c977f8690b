#include "domain/CTone.h"

#include <algorithm>

namespace Bris {

namespace {
int NearestOsc(int i) {
  return std::clamp(i, 0, CTone::kOscCount - 1);
}
} // namespace

COsc& CTone::GetOsc(int i) {
  return mOscs[NearestOsc(i)];
}

const COsc& CTone::GetOsc(int i) const {
  return mOscs[NearestOsc(i)];
}

std::vector<unsigned int> CTone::GetWaveNumbers() const {
  std::vector<unsigned int> waveNumbers;
  waveNumbers.reserve(kOscCount * COsc::kSectionCount);
  ForEachWaveNumber([&](unsigned int waveNumber) { waveNumbers.push_back(waveNumber); });
  std::sort(waveNumbers.begin(), waveNumbers.end());
  waveNumbers.erase(std::unique(waveNumbers.begin(), waveNumbers.end()), waveNumbers.end());
  return waveNumbers;
}

bool CTone::SearchWaveNumber(unsigned int waveNumber) const {
  const auto waveNumbers = GetWaveNumbers();
  return std::binary_search(waveNumbers.begin(), waveNumbers.end(), waveNumber);
}

void CTone::AddPatchIndex(unsigned int patchIndex, bool force) {
  if (force || !SearchPatchIndex(patchIndex)) {
    mPatchIndexes.push_back(patchIndex);
  }
}

void CTone::DeletePatchIndex(unsigned int patchIndex) {
  auto found = std::find(mPatchIndexes.begin(), mPatchIndexes.end(), patchIndex);
  if (found != mPatchIndexes.end()) {
    mPatchIndexes.erase(found);
  }
}

bool CTone::SearchPatchIndex(unsigned int patchIndex) const {
  return std::find(mPatchIndexes.begin(), mPatchIndexes.end(), patchIndex) != mPatchIndexes.end();
}

} // namespace Bris
