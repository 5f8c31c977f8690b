#include "formats/WaveFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace Bris {

namespace {

constexpr std::string::size_type kKeptHeadBytes = 12;
constexpr std::string::size_type kKeptTailBytes = 4;
constexpr std::string::size_type kTailFromBytes = 16;

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first at most n bytes of text that end on a character boundary.
std::string Head(const std::string& text, std::string::size_type n) {
  while (n > 0 && n < text.size() && IsContinuationByte(text[n])) {
    --n;
  }
  return text.substr(0, n);
}

// The last at most n bytes of text that start on a character boundary.
std::string Tail(const std::string& text, std::string::size_type n) {
  auto start = text.size() - n;
  while (start < text.size() && IsContinuationByte(text[start])) {
    ++start;
  }
  return text.substr(start);
}

} // namespace

bool IsImportableWaveExtension(const std::string& extension) {
  std::string lowered = extension;
  for (char& c : lowered) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return lowered == ".wav" || lowered == ".aif" || lowered == ".aiff" || lowered == ".vpw";
}

bool FitsWaveMemory(std::uint64_t usedBytes, std::uint64_t addedBytes) {
  // Sizes come from the file system: a sum that wraps round must not look small.
  return addedBytes <= kTotalWaveSizeLimit && usedBytes <= kTotalWaveSizeLimit - addedBytes;
}

std::string FormatWaveSize(std::uint32_t totalBytes) {
  char text[16];
  if (totalBytes < 1024u) {
    std::snprintf(text, sizeof text, "%u Bytes", static_cast<unsigned>(totalBytes));
  } else if (totalBytes < 1048576u) {
    std::snprintf(text, sizeof text, "%3.1f KB", totalBytes / 1024.0);
  } else {
    std::snprintf(text, sizeof text, "%3.1f MB", totalBytes / 1048576.0);
  }
  return text;
}

std::string DescribeWaveMemoryExcess(std::uint64_t usedBytes, std::uint64_t addedBytes) {
  const auto shown = [](std::uint64_t bytes) {
    return FormatWaveSize(static_cast<std::uint32_t>(std::min<std::uint64_t>(bytes, 0xFFFFFFFFu)));
  };
  return "The waves use " + shown(usedBytes) + " of " + shown(kTotalWaveSizeLimit) +
         "; this would add " + shown(addedBytes) + ", " + shown(usedBytes + addedBytes) +
         " in all.";
}

std::string ShortenImportName(const std::string& name) {
  if (name.size() <= kKeptHeadBytes) {
    return name;
  }
  if (name.size() < kTailFromBytes) {
    return Head(name, kKeptHeadBytes);
  }
  return Head(name, kKeptHeadBytes) + Tail(name, kKeptTailBytes);
}

} // namespace Bris
