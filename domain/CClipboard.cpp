#include "domain/CClipboard.h"

namespace Bris {

void CClipboard::Clear() {
  mPatches.Resize(0);
  mTones.Resize(0);
  mWaves.Resize(0);
}

CParameterArray& CClipboard::GetArray(CParameter::EDataType kind) {
  switch (kind) {
  case CParameter::kPatch:
    return mPatches;
  case CParameter::kTone:
    return mTones;
  default:
    return mWaves;
  }
}

} // namespace Bris
