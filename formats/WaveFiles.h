#pragma once

#include <cstdint>
#include <string>

// Rules for the wave files of a project: which audio files can be imported, the limit on the
// total size of a project's waves, how that total is shown, and the name an imported file gets.
namespace Bris {

// 64 MiB less 1 KiB: the largest total of a project's wave files an import may reach.
inline constexpr std::uint32_t kTotalWaveSizeLimit = 67107840;

// The one rule every import, paste and drop of waves is held to: the waves already used plus the
// ones added must not pass kTotalWaveSizeLimit (reaching it exactly still fits).
bool FitsWaveMemory(std::uint64_t usedBytes, std::uint64_t addedBytes);

// What an import, paste or drop would do to the wave memory: the bytes of the waves that stay and
// of the waves it adds.
struct SWaveMemoryForecast {
  std::uint64_t usedBytes = 0;
  std::uint64_t addedBytes = 0;
  std::uint64_t Total() const { return usedBytes + addedBytes; }
  bool IsRefused() const { return !FitsWaveMemory(usedBytes, addedBytes); }
};

// True for ".wav", ".aif", ".aiff" and ".vpw" in any case. Instrument wave files (".w00") are not
// imported this way.
bool IsImportableWaveExtension(const std::string& extension);

// "%d Bytes" below 1 KiB, "%3.1f KB" below 1 MiB, "%3.1f MB" from there on.
std::string FormatWaveSize(std::uint32_t totalBytes);

// What a refused import or paste would have done to the wave memory, for the alert: how much the
// waves use, how much the operation would add, and the total against the limit.
std::string DescribeWaveMemoryExcess(std::uint64_t usedBytes, std::uint64_t addedBytes);

// The name part of an imported file's copy: at most 12 bytes are kept whole; a part of 13 to 15
// bytes keeps its first 12, one of 16 or more its first 12 and its last 4. A cut never splits a
// character that takes more than one byte, so either piece may come out a little shorter.
std::string ShortenImportName(const std::string& name);

} // namespace Bris
