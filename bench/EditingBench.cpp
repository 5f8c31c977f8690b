#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "editing/CParameterMid.h"
#include "support/RandomDataSet.h"
#include "support/ScriptedTextOut.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

using namespace Bris;

namespace {

// 999 real wave files (sparse, 60,000 bytes each: 59.9 MB in all, under the memory limit), so
// that the wave-memory check of every paste measures real files as it does in a project.
class CWaveFiles {
public:
  CWaveFiles() {
    mFolder = std::filesystem::temp_directory_path() /
              ("brisel-editing-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(mFolder);
    for (unsigned int w = 0; w < CZelData::kWaveSlotCount; ++w) {
      const auto path = mFolder / ("Wave" + std::to_string(w) + ".w00");
      std::ofstream(path, std::ios::binary).close();
      std::filesystem::resize_file(path, 60000);
      mPaths.push_back(path.string());
    }
  }
  ~CWaveFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(mFolder, ignored);
  }
  CWaveFiles(const CWaveFiles&) = delete;
  CWaveFiles& operator=(const CWaveFiles&) = delete;

  std::string Path(unsigned int waveIndex) const { return mPaths[waveIndex]; }

private:
  std::filesystem::path mFolder;
  std::vector<std::string> mPaths;
};

const CWaveFiles& WaveFiles() {
  static CWaveFiles files;
  return files;
}

// A project with every slot used: each patch plays two tones, each tone four waves.
std::unique_ptr<CZelData> FullProject(unsigned int seed) {
  auto data = std::make_unique<CZelData>();
  BrisTest::FillFullDataSet(*data, seed,
                            [](unsigned int waveIndex) { return WaveFiles().Path(waveIndex); });
  return data;
}

// Every question is answered OK.
void InstallQuietErrorOut() {
  BrisTest::ScriptedTextOut::InstallAsErrorOut();
}

std::vector<unsigned int> Block(unsigned int first, unsigned int count) {
  std::vector<unsigned int> indexes;
  for (unsigned int i = 0; i < count; ++i) {
    indexes.push_back(first + i);
  }
  return indexes;
}

// Insert 10 tones from another project: the paste with its pre-checks (the sizes of all wave
// files), the undo snapshot, carrying the tones' waves into blank slots, renumbering, and 10 used
// tones falling off the end. The target is full except for the last 64 wave slots, room for the
// carried waves.
void BM_InsertTenTonesFromOtherProject(benchmark::State& state) {
  InstallQuietErrorOut();
  auto source = FullProject(1);
  auto target = FullProject(2);
  CParameterMid setup;
  setup.EditDelete(*target, Block(CZelData::kWaveSlotCount - 64, 64), CParameter::kWave, false,
                   true);
  CClipboard& clipboard = Domain().GetClipboard();
  for (auto _ : state) {
    state.PauseTiming();
    CParameterMid copier;
    copier.EditCopy(*source, Block(300, 10), CParameter::kTone);
    clipboard.mCopy = 1;
    state.ResumeTiming();

    CParameterMid mid;
    const int inserted = mid.EditInsert(*target, 100, CParameter::kTone, true);

    state.PauseTiming();
    if (inserted != 10) {
      state.SkipWithError("the insertion was refused");
      break;
    }
    Domain().Undo(); // back to the full target for the next round
    state.ResumeTiming();
  }
  Domain().ClearUndoDoc();
  clipboard.Clear();
}
BENCHMARK(BM_InsertTenTonesFromOtherProject)->Unit(benchmark::kMillisecond);

// Replace 10 waves inside one project by a move: the paste (pre-checks, undo snapshot,
// re-pointing the sections that played the moved waves from the tone snapshot) and the deletion
// of the source slots that follows it.
void BM_ReplaceTenWavesByMoveInProject(benchmark::State& state) {
  InstallQuietErrorOut();
  auto data = FullProject(3);
  CClipboard& clipboard = Domain().GetClipboard();
  const std::vector<unsigned int> sources = Block(500, 10);
  for (auto _ : state) {
    state.PauseTiming();
    CParameterMid copier;
    copier.EditCopy(*data, sources, CParameter::kWave);
    clipboard.mCopy = 0;
    state.ResumeTiming();

    CParameterMid mid;
    const bool replaced = mid.EditReplace(*data, 20, CParameter::kWave, false);
    mid.EditDelete(*data, sources, CParameter::kWave, false, true);

    state.PauseTiming();
    if (!replaced) {
      state.SkipWithError("the replacement was refused");
      break;
    }
    Domain().Undo();
    state.ResumeTiming();
  }
  Domain().ClearUndoDoc();
  clipboard.Clear();
}
BENCHMARK(BM_ReplaceTenWavesByMoveInProject)->Unit(benchmark::kMillisecond);

// Copying 10 waves at the start of that drag: clones plus the 896-tone snapshot.
void BM_CopyTenWavesWithToneSnapshot(benchmark::State& state) {
  auto data = FullProject(3);
  for (auto _ : state) {
    CParameterMid mid;
    mid.EditCopy(*data, Block(500, 10), CParameter::kWave);
    benchmark::DoNotOptimize(Domain().GetClipboard().mTones.size());
  }
  Domain().GetClipboard().Clear();
}
BENCHMARK(BM_CopyTenWavesWithToneSnapshot)->Unit(benchmark::kMillisecond);

// Delete 50 patches with the confirmation answered OK and the undo snapshot.
void BM_DeleteFiftyPatches(benchmark::State& state) {
  InstallQuietErrorOut();
  auto data = FullProject(4);
  for (auto _ : state) {
    CParameterMid mid;
    const bool deleted = mid.EditDelete(*data, Block(200, 50), CParameter::kPatch, true, true);

    state.PauseTiming();
    if (!deleted) {
      state.SkipWithError("the deletion was refused");
      break;
    }
    Domain().Undo();
    state.ResumeTiming();
  }
  Domain().ClearUndoDoc();
}
BENCHMARK(BM_DeleteFiftyPatches)->Unit(benchmark::kMillisecond);

// What the wave-memory pre-check of every paste spends measuring the files of a full project.
void BM_MeasureAllWaveFilesOfFullProject(benchmark::State& state) {
  auto data = FullProject(5);
  for (auto _ : state) {
    unsigned long long total = 0;
    for (std::size_t w = 0; w < data->mWaves.size(); ++w) {
      total += Domain().GetFileSize(data->mWaves.Get(w)->GetFilePath());
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_MeasureAllWaveFilesOfFullProject)->Unit(benchmark::kMillisecond);

} // namespace
