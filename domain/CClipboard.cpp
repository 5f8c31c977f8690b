#include "domain/CClipboard.h"

namespace Bris {

void CClipboard::Clear() {
  mPatches.Resize(0);
  mTones.Resize(0);
  mWaves.Resize(0);
}

} // namespace Bris
