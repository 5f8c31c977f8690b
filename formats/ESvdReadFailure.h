#pragma once

namespace Bris {

// Why a patch or tone file's head was refused.
enum class ESvdReadFailure {
  kNone,
  kTooShort,       // fewer bytes than a reader needs
  kWrongSignature, // the first 30 bytes are not this kind's signature
};

} // namespace Bris
