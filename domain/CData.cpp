#include "domain/CData.h"

namespace Bris {

void CData::SetData(const unsigned char* bytes, int length) {
  if (bytes == nullptr || length <= 0) {
    mData.clear();
    return;
  }
  mData.assign(bytes, bytes + length);
}

} // namespace Bris
