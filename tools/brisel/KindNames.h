#pragma once

#include "domain/CParameter.h"

#include <string>

// The names of the three kinds of slot on brisel's command line and in its output.
namespace BrisTool {

// "patch", "tone", "wave"; false for anything else.
bool ParseKind(const std::string& name, Bris::CParameter::EDataType& kind);
const char* KindName(Bris::CParameter::EDataType kind);

// "12" or "12-15" (1-based slot numbers, inclusive) into first and last; false when malformed or
// last < first.
bool ParseSlotRange(const std::string& text, unsigned& first, unsigned& last);

} // namespace BrisTool
