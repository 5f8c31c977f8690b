// Opening a full project (512 patch, 896 tone and 999 wave files, three full memo files) with
// ReadDocument, against a baseline that only opens the same files with plain streams, reads the
// bytes the reader needs (170 per patch, 1510 per tone, none per wave) and reads the memo files
// line by line. Both start from the same folder listings, made once outside the timing.
// BM_OpenSession opens the same folder as the application does (checks and listings included).
#include "store/CBriselDocument.h"
#include "store/CProjectSession.h"
#include "support/FullProjectFolder.h"

#include <benchmark/benchmark.h>

#include <array>
#include <fstream>

namespace {

using BrisBench::FullProject;
using BrisBench::SFullProject;

void BM_ReadDocument(benchmark::State& state) {
  const SFullProject& project = FullProject();
  for (auto _ : state) {
    Bris::CBriselDocument document;
    const bool read = document.ReadDocument(project.path, project.listing.patches,
                                            project.listing.tones, project.listing.waves);
    if (!read) {
      state.SkipWithError("the full project did not read");
      break;
    }
    benchmark::DoNotOptimize(document.GetZelData().mWaves.size());
  }
}

void BM_OpenSession(benchmark::State& state) {
  const SFullProject& project = FullProject();
  for (auto _ : state) {
    Bris::CProjectSession session;
    if (!session.Open(project.path)) {
      state.SkipWithError("the full project did not open");
      break;
    }
    benchmark::DoNotOptimize(session.GetZelData().mWaves.size());
  }
}

void ReadHead(const std::string& path, char* buffer, std::streamsize size) {
  std::ifstream file(path, std::ios::binary);
  file.read(buffer, size);
  benchmark::DoNotOptimize(buffer[size - 1]);
}

void BM_PlainStreamBaseline(benchmark::State& state) {
  const SFullProject& project = FullProject();
  std::array<char, 1510> buffer;
  for (auto _ : state) {
    for (const auto& path : project.listing.patches) {
      ReadHead(path, buffer.data(), 170);
    }
    for (const auto& path : project.listing.tones) {
      ReadHead(path, buffer.data(), 1510);
    }
    for (const auto& path : project.listing.waves) {
      std::ifstream file(path, std::ios::binary);
      benchmark::DoNotOptimize(file.is_open());
    }
    for (const char* memo : {"PatchMemo.txt", "ToneMemo.txt", "WaveMemo.txt"}) {
      std::ifstream file(project.path + memo);
      std::size_t lines = 0;
      for (std::string line; std::getline(file, line);) {
        ++lines;
      }
      benchmark::DoNotOptimize(lines);
    }
  }
}

BENCHMARK(BM_ReadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSession)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainStreamBaseline)->Unit(benchmark::kMillisecond);

} // namespace
