#pragma once

#include "domain/CParameter.h"

namespace Bris {

// Picks one of three per-kind arrays; any kind other than patch or tone selects the waves, the
// rule the slot-range queries and the clipboard share.
template <class Array>
Array& ArrayOrWaves(CParameter::EDataType kind, Array& patches, Array& tones, Array& waves) {
  switch (kind) {
  case CParameter::kPatch:
    return patches;
  case CParameter::kTone:
    return tones;
  default:
    return waves;
  }
}

} // namespace Bris
