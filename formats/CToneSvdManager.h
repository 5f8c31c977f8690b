#pragma once

#include "domain/CTone.h"
#include "formats/ESvdReadFailure.h"

#include <iosfwd>

namespace Bris {

// Converts between a tone file's sixteen packed oscillator blocks and the oscillators of a CTone.
// Holds no data; make one on the stack for a conversion.
class CToneSvdManager {
public:
  CToneSvdManager() = default;
  virtual ~CToneSvdManager() = default;

  // data: the 1248 bytes of the oscillator blocks. True when all sixteen converted every field.
  bool ReadOscR1(const unsigned char* data, CTone* tone) const;
  // Fills the 1248-byte buffer from the tone; bits no field covers become 0.
  bool WriteOscR1(const CTone* tone, unsigned char* buffer) const;

  // Reads the first bytes of a tone file: false when fewer than the bytes a reader needs are
  // there or the signature is not a tone file's.
  // failure, when given, says why a head was refused (kNone after success or a failed stream
  // that is neither).
  bool ReadToneFile(std::istream& file, CTone& tone, ESvdReadFailure* failure = nullptr) const;
  // Rewrites the oscillator blocks of an existing tone file in place; every other byte stays.
  bool WriteToneFile(std::iostream& file, const CTone& tone) const;
};

} // namespace Bris
