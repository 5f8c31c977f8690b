#include "formats/PackedBlocks.h"
#include "formats/PrmTbl.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// A block with every bit set except those no field covers: each field holds its widest value.
template <std::size_t blockSize, std::size_t entryCount>
std::array<unsigned char, blockSize> BusyBlock(bool (*pack)(unsigned char*, const unsigned char*),
                                               bool (*unpack)(const unsigned char*,
                                                              unsigned char*)) {
  std::array<unsigned char, blockSize> packed;
  packed.fill(0xFF);
  std::array<unsigned char, entryCount> exclusive{};
  unpack(packed.data(), exclusive.data());
  pack(packed.data(), exclusive.data());
  return packed;
}

void BM_ToneBlockUnpackAndPack(benchmark::State& state) {
  using namespace Bris;
  auto packed = BusyBlock<kPatchToneBlockSize, kPatchTonePrmCount>(PackToneBlock, UnpackToneBlock);
  std::array<unsigned char, kPatchTonePrmCount> exclusive{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(UnpackToneBlock(packed.data(), exclusive.data()));
    benchmark::DoNotOptimize(PackToneBlock(packed.data(), exclusive.data()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ToneBlockUnpackAndPack);

void BM_OscBlockUnpackAndPack(benchmark::State& state) {
  using namespace Bris;
  auto packed = BusyBlock<kOscBlockSize, kOscPrmCount>(PackOscBlock, UnpackOscBlock);
  std::array<unsigned char, kOscPrmCount> exclusive{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(UnpackOscBlock(packed.data(), exclusive.data()));
    benchmark::DoNotOptimize(PackOscBlock(packed.data(), exclusive.data()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_OscBlockUnpackAndPack);

// What reading and rewriting one tone file costs in conversions: its sixteen oscillator blocks.
void BM_AllOscBlocksOfToneUnpackAndPack(benchmark::State& state) {
  using namespace Bris;
  constexpr int kOscillatorsPerTone = 16;
  auto packed = BusyBlock<kOscBlockSize, kOscPrmCount>(PackOscBlock, UnpackOscBlock);
  std::array<std::array<unsigned char, kOscBlockSize>, kOscillatorsPerTone> blocks;
  blocks.fill(packed);
  std::array<unsigned char, kOscPrmCount> exclusive{};
  for (auto _ : state) {
    for (auto& block : blocks) {
      benchmark::DoNotOptimize(UnpackOscBlock(block.data(), exclusive.data()));
      benchmark::DoNotOptimize(PackOscBlock(block.data(), exclusive.data()));
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_AllOscBlocksOfToneUnpackAndPack);

} // namespace
