#include "domain/CPatch.h"

#include <algorithm>

namespace Bris {

namespace {
int NearestPatchTone(int i) {
  return std::clamp(i, 0, CPatch::kPatchToneCount - 1);
}
} // namespace

CPatchTone& CPatch::GetPatchTone(int i) {
  return mPatchTones[NearestPatchTone(i)];
}

const CPatchTone& CPatch::GetPatchTone(int i) const {
  return mPatchTones[NearestPatchTone(i)];
}

int CPatch::GetToneSwitch() const {
  return mPatchTones[0].GetToneSwitch() + 2 * mPatchTones[1].GetToneSwitch();
}

void CPatch::ClearPatchTone() {
  for (auto& patchTone : mPatchTones) {
    patchTone.Initialize();
  }
}

void CPatch::ClearPatchTone(int i) {
  if (i >= 0 && i < kPatchToneCount) {
    mPatchTones[i].Initialize();
  }
}

std::vector<unsigned int> CPatch::GetToneNumbers() const {
  std::vector<unsigned int> toneNumbers;
  toneNumbers.reserve(kPatchToneCount);
  ForEachToneNumber([&](unsigned int toneNumber) { toneNumbers.push_back(toneNumber); });
  std::sort(toneNumbers.begin(), toneNumbers.end());
  toneNumbers.erase(std::unique(toneNumbers.begin(), toneNumbers.end()), toneNumbers.end());
  return toneNumbers;
}

bool CPatch::SearchToneNumber(unsigned int toneNumber) const {
  const auto toneNumbers = GetToneNumbers();
  return std::binary_search(toneNumbers.begin(), toneNumbers.end(), toneNumber);
}

} // namespace Bris
