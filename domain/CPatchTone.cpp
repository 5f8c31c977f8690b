#include "domain/CPatchTone.h"

namespace Bris {

namespace {
constexpr std::size_t kSwitchByte = 0;
constexpr std::size_t kMarkerByte = 1;
constexpr std::size_t kToneHighByte = 2; // (toneNumber - 1) div 128
constexpr std::size_t kToneLowByte = 3;  // (toneNumber - 1) mod 128
} // namespace

const unsigned char CPatchTone::InitData[CPatchTone::kSize] = {};

CPatchTone::CPatchTone() {
  CPatchTone::Initialize();
}

void CPatchTone::Initialize() {
  mData.assign(InitData, InitData + kSize);
}

int CPatchTone::GetToneSwitch() const {
  return GetByte(kSwitchByte);
}

void CPatchTone::SetToneSwitch(int value) {
  SetByte(kSwitchByte, value);
}

int CPatchTone::GetToneNumber() const {
  if (GetByte(kMarkerByte) != kToneMarker) {
    return 0;
  }
  return GetByte(kToneLowByte) + 128 * GetByte(kToneHighByte) + 1;
}

bool CPatchTone::SetToneNumber(int toneNumber) {
  if (toneNumber < 1 || toneNumber > kMaxToneNumber || mData.size() <= kToneLowByte) {
    return false;
  }
  SetByte(kMarkerByte, kToneMarker);
  SetByte(kToneHighByte, (toneNumber - 1) / 128);
  SetByte(kToneLowByte, (toneNumber - 1) % 128);
  return true;
}

void CPatchTone::ClearPatchTone() {
  SetByte(kMarkerByte, 0);
}

} // namespace Bris
