#pragma once

#include "domain/CPatch.h"
#include "domain/CTone.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Bris {

// Builds the bytes of a new patch or tone file from a record: the signature, the record's
// reference blocks, and stand-in instrument data everywhere else. Only for new demo and test
// projects: a librarian's project files are always copies of the instrument's own files.
class CSvdFileBuilder {
public:
  // Sizes of the files built when no size is asked for.
  static constexpr std::size_t kDefaultPatchFileSize = 400;
  static constexpr std::size_t kDefaultToneFileSize = 1600;

  // fileSize is raised to the bytes a reader needs (170 / 1510) when smaller. The stand-in bytes
  // are a pseudo-random sequence fixed by fillSeed, so that a test can tell whether they survive.
  static std::vector<unsigned char> MakePatchFile(const CPatch& patch,
                                                  std::size_t fileSize = kDefaultPatchFileSize,
                                                  std::uint32_t fillSeed = 1);
  static std::vector<unsigned char> MakeToneFile(const CTone& tone,
                                                 std::size_t fileSize = kDefaultToneFileSize,
                                                 std::uint32_t fillSeed = 1);

  // The stand-in bytes alone.
  static std::vector<unsigned char> MakeFiller(std::size_t size, std::uint32_t fillSeed);
};

} // namespace Bris
