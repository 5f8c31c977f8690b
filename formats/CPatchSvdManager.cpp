#include "formats/CPatchSvdManager.h"

#include "formats/PackedBlocks.h"
#include "formats/SvdFileLayout.h"

#include <algorithm>
#include <array>
#include <istream>

namespace Bris {

namespace Layout = SvdFileLayout;

bool CPatchSvdManager::ReadTone(const unsigned char* data, CPatch* patch) const {
  if (data == nullptr || patch == nullptr) {
    return false;
  }
  bool complete = true;
  for (int i = 0; i < CPatch::kPatchToneCount; ++i) {
    complete &= UnpackToneBlock(data + i * kPatchToneBlockSize, patch->GetPatchTone(i).mData);
  }
  return complete;
}

bool CPatchSvdManager::WriteTone(const CPatch* patch, unsigned char* buffer) const {
  if (patch == nullptr || buffer == nullptr) {
    return false;
  }
  bool complete = true;
  for (int i = 0; i < CPatch::kPatchToneCount; ++i) {
    complete &= PackToneBlock(buffer + i * kPatchToneBlockSize, patch->GetPatchTone(i).mData);
  }
  return complete;
}

bool CPatchSvdManager::ReadPatchFile(std::istream& file, CPatch& patch,
                                     ESvdReadFailure* failure) const {
  ESvdReadFailure ignored;
  ESvdReadFailure& reason = failure != nullptr ? *failure : ignored;
  reason = ESvdReadFailure::kNone;
  std::array<unsigned char, Layout::kPatchMinimumSize> head;
  file.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
  if (file.gcount() != static_cast<std::streamsize>(head.size())) {
    // A stream that broke mid-read is unreadable, not short; the caller tells them apart.
    if (!file.bad()) {
      reason = ESvdReadFailure::kTooShort;
    }
    return false;
  }
  if (!std::equal(head.begin(), head.begin() + Layout::kSignatureSize, Layout::kPatchSignature)) {
    reason = ESvdReadFailure::kWrongSignature;
    return false;
  }
  ReadTone(head.data() + Layout::kPatchToneBlocksOffset, &patch);
  return true;
}

bool CPatchSvdManager::WritePatchFile(std::iostream& file, const CPatch& patch) const {
  std::array<unsigned char, Layout::kPatchToneBlocksSize> blocks{};
  WriteTone(&patch, blocks.data());
  file.seekp(static_cast<std::streamoff>(Layout::kPatchToneBlocksOffset));
  file.write(reinterpret_cast<const char*>(blocks.data()),
             static_cast<std::streamsize>(blocks.size()));
  file.flush();
  return !file.fail();
}

} // namespace Bris
