#pragma once

#include "domain/CData.h"

namespace Bris {

// One oscillator block (121 bytes): bytes 0..16 common, then two sections of 52 bytes each
// (section 1 = section 0 + 52). Section arguments: 0 is section 0, any other value section 1.
class COsc : public CData {
public:
  static constexpr int kSize = 121;
  static constexpr int kSectionCount = 2;
  static constexpr int kSectionStride = 52;
  static constexpr int kSwitchByte = 17;
  static constexpr int kTypeByte = 18;
  static constexpr int kWaveNumberByte = 40; // four nibbles, most significant first
  // The oscillator type that plays a wave from the wave list.
  static constexpr int kWaveType = 1;
  static constexpr int kMaxWaveNumber = 0xFFFF;
  static const unsigned char InitData[kSize];

  COsc();
  ~COsc() override = default;

  // The instrument's default block: section 0 on, section 1 off, both type 0, no wave.
  void Initialize() override;

  int GetSwitch(int section) const;
  void SetSwitch(int section, int value);
  int GetType(int section) const;
  void SetType(int section, int type);

  // The 1-based wave number, 0 unless the section is of the wave type.
  int GetWaveNumber(int section) const;
  // Writes waveNumber (0 removes the reference) when the section is of the wave type and the
  // number fits the four nibbles; false and no change otherwise.
  bool SetWaveNumber(int section, int waveNumber);

private:
  static int SectionOffset(int section) { return section != 0 ? kSectionStride : 0; }
};

} // namespace Bris
