#include "domain/CWave.h"

#include <algorithm>

namespace Bris {

void CWave::AddToneIndex(unsigned int toneIndex, bool force) {
  if (force || !SearchToneIndex(toneIndex)) {
    mToneIndexes.push_back(toneIndex);
  }
}

void CWave::DeleteToneIndex(unsigned int toneIndex) {
  auto found = std::find(mToneIndexes.begin(), mToneIndexes.end(), toneIndex);
  if (found != mToneIndexes.end()) {
    mToneIndexes.erase(found);
  }
}

bool CWave::SearchToneIndex(unsigned int toneIndex) const {
  return std::find(mToneIndexes.begin(), mToneIndexes.end(), toneIndex) != mToneIndexes.end();
}

} // namespace Bris
