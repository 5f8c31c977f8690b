#pragma once

#include "domain/CPatch.h"
#include "formats/ESvdReadFailure.h"

#include <iosfwd>

namespace Bris {

// Converts between a patch file's two packed tone blocks and the patch-tone blocks of a CPatch.
// Holds no data; make one on the stack for a conversion.
class CPatchSvdManager {
public:
  CPatchSvdManager() = default;
  virtual ~CPatchSvdManager() = default;

  // data: the 32 bytes of the two tone blocks. True when both blocks converted every field.
  bool ReadTone(const unsigned char* data, CPatch* patch) const;
  // Fills the 32-byte buffer from the patch; bits no field covers become 0. True when both
  // blocks converted every field.
  bool WriteTone(const CPatch* patch, unsigned char* buffer) const;

  // Reads the first bytes of a patch file: false when fewer than the bytes a reader needs are
  // there or the signature is not a patch file's. The conversion's own result is not part of it:
  // values that do not fit are repaired, never reported.
  // failure, when given, says why a head was refused (kNone after success or a failed stream
  // that is neither).
  bool ReadPatchFile(std::istream& file, CPatch& patch, ESvdReadFailure* failure = nullptr) const;
  // Rewrites the tone blocks of an existing patch file in place; every other byte stays. True
  // when the stream reports no error.
  bool WritePatchFile(std::iostream& file, const CPatch& patch) const;
};

} // namespace Bris
