// Opening a full project (512 patch, 896 tone and 999 wave files, three full memo files) with
// ReadDocument, against a baseline that only opens the same files with plain streams, reads the
// bytes the reader needs (170 per patch, 1510 per tone, none per wave) and reads the memo files
// line by line. Both start from the same folder listings, made once outside the timing.
#include "store/CBriselDocument.h"
#include "support/ProjectFixture.h"

#include <benchmark/benchmark.h>

#include <array>
#include <fstream>
#include <memory>

namespace {

using Bris::CParameter;

struct SFullProject {
  BrisTest::TempFolder folder;
  std::string path;
  BrisTest::ProjectListing listing;
};

std::string MemoText(int slot, int line) {
  return "Memo " + std::to_string(line + 1) + " of slot " + std::to_string(slot) +
         ": a line of ordinary length";
}

const SFullProject& FullProject() {
  static const std::unique_ptr<SFullProject> project = [] {
    auto full = std::make_unique<SFullProject>();
    BrisTest::ProjectBuilder builder(full->folder.Path(), "Full");
    for (int patch = 1; patch <= 512; ++patch) {
      builder.Patch(patch, BrisTest::PatchFile("Patch " + std::to_string(patch))
                               .Part(0, (patch - 1) % 896 + 1)
                               .Part(1, (patch * 7) % 896 + 1));
    }
    for (int tone = 1; tone <= 896; ++tone) {
      BrisTest::ToneFile file("Tone " + std::to_string(tone));
      for (int osc = 0; osc < 16; ++osc) {
        file.Wave(osc, (tone * 16 + osc) % 999 + 1);
      }
      builder.Tone(tone, file);
    }
    for (int wave = 1; wave <= 999; ++wave) {
      builder.Wave(wave, "Wave " + std::to_string(wave), 2048);
    }
    const std::pair<CParameter::EDataType, int> kinds[] = {
        {CParameter::kPatch, 512}, {CParameter::kTone, 896}, {CParameter::kWave, 999}};
    for (const auto& [kind, count] : kinds) {
      for (int slot = 1; slot <= count; ++slot) {
        for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
          builder.Memo(kind, slot, line, MemoText(slot, line));
        }
      }
    }
    full->path = builder.Write();
    full->listing = BrisTest::ListProject(full->path);
    return full;
  }();
  return *project;
}

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
BENCHMARK(BM_PlainStreamBaseline)->Unit(benchmark::kMillisecond);

} // namespace
