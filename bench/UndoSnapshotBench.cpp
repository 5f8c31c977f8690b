#include "domain/CDomain.h"
#include "domain/CZelData.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace Bris;

namespace {

// A project with every slot in use, its references filled in, so that a snapshot clones the
// largest data set the system can hold.
void FillEverySlot(CZelData& data) {
  for (unsigned int patchIndex = 0; patchIndex < CZelData::kPatchSlotCount; ++patchIndex) {
    CPatch* patch = data.mPatches.Get(patchIndex);
    patch->SetFilePath("/bench.prj/Patch/" + std::to_string(patchIndex + 1) + " Patch.d00");
    patch->SetFinalName(patch->GetFilePath(), true);
    const unsigned int toneIndex = patchIndex % CZelData::kToneSlotCount;
    patch->GetPatchTone(0).SetToneNumber(static_cast<int>(toneIndex + 1));
    data.mTones.Get(toneIndex)->AddPatchIndex(patchIndex, false);
  }
  for (unsigned int toneIndex = 0; toneIndex < CZelData::kToneSlotCount; ++toneIndex) {
    CTone* tone = data.mTones.Get(toneIndex);
    tone->SetFilePath("/bench.prj/Tone/" + std::to_string(toneIndex + 1) + " Tone.p00");
    tone->SetFinalName(tone->GetFilePath(), true);
    for (int oscIndex = 0; oscIndex < CTone::kOscCount; ++oscIndex) {
      COsc& osc = tone->GetOsc(oscIndex);
      osc.SetType(0, COsc::kWaveType);
      const unsigned int waveIndex = (toneIndex + oscIndex) % CZelData::kWaveSlotCount;
      osc.SetWaveNumber(0, static_cast<int>(waveIndex + 1));
      data.mWaves.Get(waveIndex)->AddToneIndex(toneIndex, false);
    }
  }
  for (unsigned int waveIndex = 0; waveIndex < CZelData::kWaveSlotCount; ++waveIndex) {
    CWave* wave = data.mWaves.Get(waveIndex);
    wave->SetFilePath("/bench.prj/Wave/" + std::to_string(waveIndex + 1) + " Wave.w00");
    wave->SetFinalName(wave->GetFilePath(), true);
  }
}

void BM_SnapshotFullDataSetThenUndo(benchmark::State& state) {
  CZelData data;
  FillEverySlot(data);
  for (auto _ : state) {
    Domain().ClearUndoDoc();
    Domain().CopyToUndoBuffer(CDomain::kUndoAll, &data);
    Domain().Undo();
    benchmark::DoNotOptimize(data.mTones[0]);
  }
  Domain().ClearUndoDoc();
}
BENCHMARK(BM_SnapshotFullDataSetThenUndo)->Unit(benchmark::kMillisecond);

// The snapshot alone: 2,407 record clones into a free undo slot.
void BM_CopyToUndoBufferFullDataSet(benchmark::State& state) {
  CZelData data;
  FillEverySlot(data);
  for (auto _ : state) {
    Domain().ClearUndoDoc();
    Domain().CopyToUndoBuffer(CDomain::kUndoAll, &data);
    benchmark::ClobberMemory();
  }
  Domain().ClearUndoDoc();
}
BENCHMARK(BM_CopyToUndoBufferFullDataSet)->Unit(benchmark::kMillisecond);

} // namespace
