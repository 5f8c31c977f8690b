#include "domain/CClipboard.h"

#include "domain/ArrayOrWaves.h"

namespace Bris {

void CClipboard::Clear() {
  mPatches.Resize(0);
  mTones.Resize(0);
  mWaves.Resize(0);
}

CParameterArray& CClipboard::GetArray(CParameter::EDataType kind) {
  return ArrayOrWaves<CParameterArray>(kind, mPatches, mTones, mWaves);
}

} // namespace Bris
