#include "domain/CData.h"

namespace Bris {

void CData::SetData(const unsigned char* bytes, int length) {
  if (bytes == nullptr || length <= 0) {
    mData.clear();
    return;
  }
  mData.assign(bytes, bytes + length);
}

int CData::GetByte(std::size_t index) const {
  return index < mData.size() ? mData[index] : 0;
}

void CData::SetByte(std::size_t index, int value) {
  if (index < mData.size()) {
    mData[index] = static_cast<unsigned char>(value);
  }
}

} // namespace Bris
