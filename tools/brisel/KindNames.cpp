#include "tools/brisel/KindNames.h"

#include <charconv>

namespace BrisTool {

using Bris::CParameter;

bool ParseKind(const std::string& name, CParameter::EDataType& kind) {
  if (name == "patch") {
    kind = CParameter::kPatch;
  } else if (name == "tone") {
    kind = CParameter::kTone;
  } else if (name == "wave") {
    kind = CParameter::kWave;
  } else {
    return false;
  }
  return true;
}

const char* KindName(CParameter::EDataType kind) {
  switch (kind) {
  case CParameter::kPatch:
    return "patch";
  case CParameter::kTone:
    return "tone";
  default:
    return "wave";
  }
}

namespace {

bool ParseNumber(const std::string& text, unsigned& number) {
  const char* end = text.data() + text.size();
  const auto [last, error] = std::from_chars(text.data(), end, number);
  return !text.empty() && error == std::errc() && last == end;
}

} // namespace

bool ParseSlotRange(const std::string& text, unsigned& first, unsigned& last) {
  const std::size_t dash = text.find('-');
  if (dash == std::string::npos) {
    return ParseNumber(text, first) && (last = first, first > 0);
  }
  return ParseNumber(text.substr(0, dash), first) && ParseNumber(text.substr(dash + 1), last) &&
         first > 0 && last >= first;
}

} // namespace BrisTool
