#include "formats/CSvdFileBuilder.h"

#include "formats/CPatchSvdManager.h"
#include "formats/CToneSvdManager.h"
#include "formats/SvdFileLayout.h"

#include <algorithm>

namespace Bris {

namespace Layout = SvdFileLayout;

std::vector<unsigned char> CSvdFileBuilder::MakeFiller(std::size_t size, std::uint32_t fillSeed) {
  std::vector<unsigned char> bytes(size);
  std::uint32_t state = fillSeed != 0 ? fillSeed : 0x9E3779B9u; // xorshift never leaves 0
  for (auto& byte : bytes) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    byte = static_cast<unsigned char>(state >> 24);
  }
  return bytes;
}

std::vector<unsigned char> CSvdFileBuilder::MakePatchFile(const CPatch& patch, std::size_t fileSize,
                                                          std::uint32_t fillSeed) {
  auto bytes = MakeFiller(std::max(fileSize, Layout::kPatchMinimumSize), fillSeed);
  std::copy(std::begin(Layout::kPatchSignature), std::end(Layout::kPatchSignature), bytes.begin());
  CPatchSvdManager().WriteTone(&patch, bytes.data() + Layout::kPatchToneBlocksOffset);
  return bytes;
}

std::vector<unsigned char> CSvdFileBuilder::MakeToneFile(const CTone& tone, std::size_t fileSize,
                                                         std::uint32_t fillSeed) {
  auto bytes = MakeFiller(std::max(fileSize, Layout::kToneMinimumSize), fillSeed);
  std::copy(std::begin(Layout::kToneSignature), std::end(Layout::kToneSignature), bytes.begin());
  CToneSvdManager().WriteOscR1(&tone, bytes.data() + Layout::kToneOscBlocksOffset);
  return bytes;
}

} // namespace Bris
