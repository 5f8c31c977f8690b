#include "support/RandomDataSet.h"

#include "domain/CZelData.h"
#include "support/DataSetBuilder.h"

#include <vector>

namespace BrisTest {

namespace {

using Bris::CParameter;
using Bris::CZelData;

std::string RandomText(std::mt19937& random, std::size_t maxLength) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz ABCDEFG0123456789";
  std::uniform_int_distribution<std::size_t> length(0, maxLength);
  std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
  std::string text(length(random), ' ');
  for (auto& c : text) {
    c = kLetters[letter(random)];
  }
  return text;
}

bool Chance(std::mt19937& random, double share) {
  return std::uniform_real_distribution<double>(0.0, 1.0)(random) < share;
}

unsigned int Pick(std::mt19937& random, unsigned int count) {
  return std::uniform_int_distribution<unsigned int>(0, count - 1)(random);
}

// Marks a random share of the slots of a kind used; returns used and blank indexes.
void UseRandomSlots(CZelData& data, CParameter::EDataType kind, double share, std::mt19937& random,
                    std::vector<unsigned int>& used, std::vector<unsigned int>& blank) {
  const unsigned int count = CZelData::GetParameterSize(kind);
  for (unsigned int i = 0; i < count; ++i) {
    if (Chance(random, share)) {
      UseSlot(data, kind, i, RandomText(random, 12));
      CParameter* record = (*data.GetArray(kind))[i];
      for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
        if (Chance(random, 0.3)) {
          record->SetMemo(line, RandomText(random, 20));
        }
      }
      used.push_back(i);
    } else {
      blank.push_back(i);
    }
  }
}

// A 1-based number of a used slot, or now and then of a blank one.
unsigned int PickNumber(std::mt19937& random, const std::vector<unsigned int>& used,
                        const std::vector<unsigned int>& blank, double staleShare) {
  const bool stale = !blank.empty() && (used.empty() || Chance(random, staleShare));
  const auto& from = stale ? blank : used;
  return from[Pick(random, static_cast<unsigned int>(from.size()))] + 1;
}

} // namespace

void FillRandomDataSet(CZelData& data, std::mt19937& random, const SDataSetShape& shape) {
  std::vector<unsigned int> usedPatches, blankPatches, usedTones, blankTones, usedWaves, blankWaves;
  UseRandomSlots(data, CParameter::kPatch, shape.patchShare, random, usedPatches, blankPatches);
  UseRandomSlots(data, CParameter::kTone, shape.toneShare, random, usedTones, blankTones);
  UseRandomSlots(data, CParameter::kWave, shape.waveShare, random, usedWaves, blankWaves);

  for (unsigned int p : usedPatches) {
    for (int patchTone = 0; patchTone < Bris::CPatch::kPatchToneCount; ++patchTone) {
      auto& block = data.mPatches.Get(p)->GetPatchTone(patchTone);
      block.mData[10] = static_cast<unsigned char>(Pick(random, 128)); // some other parameter
      if (Chance(random, 0.6)) {
        block.SetToneSwitch(static_cast<int>(Pick(random, 2)));
        block.SetToneNumber(
            static_cast<int>(PickNumber(random, usedTones, blankTones, shape.staleShare)));
      }
    }
  }
  for (unsigned int t : usedTones) {
    Bris::CTone* tone = data.mTones.Get(t);
    const unsigned int playing = Pick(random, 5);
    for (unsigned int k = 0; k < playing; ++k) {
      Bris::COsc& osc = tone->GetOsc(static_cast<int>(Pick(random, Bris::CTone::kOscCount)));
      const int section = static_cast<int>(Pick(random, 2));
      osc.SetType(section, Bris::COsc::kWaveType);
      osc.SetWaveNumber(
          section, static_cast<int>(PickNumber(random, usedWaves, blankWaves, shape.staleShare)));
    }
    if (Chance(random, 0.2)) {
      // a wave-type section playing nothing, and wave-number bytes in a section of another type
      tone->GetOsc(15).SetType(1, Bris::COsc::kWaveType);
      tone->GetOsc(15).SetWaveNumber(1, 0);
      tone->GetOsc(14).SetType(0, 3);
      tone->GetOsc(14).mData[Bris::COsc::kWaveNumberByte + 3] = 7;
    }
  }
  RebuildBackReferences(data);
}

void FillFullDataSet(CZelData& data, unsigned int seed,
                     const std::function<std::string(unsigned int)>& waveFilePath) {
  std::mt19937 random(seed);
  for (unsigned int p = 0; p < CZelData::kPatchSlotCount; ++p) {
    UseSlot(data, CParameter::kPatch, p, "P" + std::to_string(p));
    for (int patchTone = 0; patchTone < Bris::CPatch::kPatchToneCount; ++patchTone) {
      auto& block = data.mPatches.Get(p)->GetPatchTone(patchTone);
      block.SetToneSwitch(1);
      block.SetToneNumber(static_cast<int>(Pick(random, CZelData::kToneSlotCount)) + 1);
    }
  }
  for (unsigned int t = 0; t < CZelData::kToneSlotCount; ++t) {
    UseSlot(data, CParameter::kTone, t, "T" + std::to_string(t));
    for (int osc = 0; osc < 4; ++osc) {
      auto& block = data.mTones.Get(t)->GetOsc(osc);
      block.SetType(0, Bris::COsc::kWaveType);
      block.SetWaveNumber(0, static_cast<int>(Pick(random, CZelData::kWaveSlotCount)) + 1);
    }
  }
  for (unsigned int w = 0; w < CZelData::kWaveSlotCount; ++w) {
    UseSlot(data, CParameter::kWave, w, "W" + std::to_string(w),
            waveFilePath ? waveFilePath(w) : std::string());
  }
  RebuildBackReferences(data);
}

} // namespace BrisTest
