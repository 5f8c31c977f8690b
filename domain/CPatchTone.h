#pragma once

#include "domain/CData.h"

namespace Bris {

// The block of one of a patch's two tones (56 bytes). Byte 0 is the tone switch; bytes 1..3 hold
// the tone reference: marker 'W', then (toneNumber - 1) div 128 and mod 128.
class CPatchTone : public CData {
public:
  static constexpr int kSize = 56;
  static constexpr unsigned char kToneMarker = 'W';
  // The largest tone number the two 7-bit bytes can hold.
  static constexpr int kMaxToneNumber = 128 * 128;
  static const unsigned char InitData[kSize];

  CPatchTone();
  ~CPatchTone() override = default;

  // 56 zero bytes.
  void Initialize() override;

  int GetToneSwitch() const;
  void SetToneSwitch(int value);

  // The 1-based tone number, 0 when no tone is assigned.
  int GetToneNumber() const;
  // Stores a reference to tone number toneNumber (1..kMaxToneNumber); false and no change
  // otherwise. A reference is removed with ClearPatchTone, never with 0.
  bool SetToneNumber(int toneNumber);
  // Removes the reference; the switch and all other bytes stay.
  void ClearPatchTone();
};

} // namespace Bris
