#include "formats/CToneSvdManager.h"

#include "formats/PackedBlocks.h"
#include "formats/SvdFileLayout.h"

#include <algorithm>
#include <array>
#include <istream>

namespace Bris {

namespace Layout = SvdFileLayout;

bool CToneSvdManager::ReadOscR1(const unsigned char* data, CTone* tone) const {
  if (data == nullptr || tone == nullptr) {
    return false;
  }
  bool complete = true;
  for (int k = 0; k < CTone::kOscCount; ++k) {
    complete &= UnpackOscBlock(data + k * kOscBlockSize, tone->GetOsc(k).mData);
  }
  return complete;
}

bool CToneSvdManager::WriteOscR1(const CTone* tone, unsigned char* buffer) const {
  if (tone == nullptr || buffer == nullptr) {
    return false;
  }
  bool complete = true;
  for (int k = 0; k < CTone::kOscCount; ++k) {
    complete &= PackOscBlock(buffer + k * kOscBlockSize, tone->GetOsc(k).mData);
  }
  return complete;
}

bool CToneSvdManager::ReadToneFile(std::istream& file, CTone& tone,
                                   ESvdReadFailure* failure) const {
  ESvdReadFailure ignored;
  ESvdReadFailure& reason = failure != nullptr ? *failure : ignored;
  reason = ESvdReadFailure::kNone;
  std::array<unsigned char, Layout::kToneMinimumSize> head;
  file.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
  if (file.gcount() != static_cast<std::streamsize>(head.size())) {
    // A stream that broke mid-read is unreadable, not short; the caller tells them apart.
    if (!file.bad()) {
      reason = ESvdReadFailure::kTooShort;
    }
    return false;
  }
  if (!std::equal(head.begin(), head.begin() + Layout::kSignatureSize, Layout::kToneSignature)) {
    reason = ESvdReadFailure::kWrongSignature;
    return false;
  }
  ReadOscR1(head.data() + Layout::kToneOscBlocksOffset, &tone);
  return true;
}

bool CToneSvdManager::WriteToneFile(std::iostream& file, const CTone& tone) const {
  std::array<unsigned char, Layout::kToneOscBlocksSize> blocks{};
  WriteOscR1(&tone, blocks.data());
  file.seekp(static_cast<std::streamoff>(Layout::kToneOscBlocksOffset));
  file.write(reinterpret_cast<const char*>(blocks.data()),
             static_cast<std::streamsize>(blocks.size()));
  file.flush();
  return !file.fail();
}

} // namespace Bris
