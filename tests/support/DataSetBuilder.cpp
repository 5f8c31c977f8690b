#include "support/DataSetBuilder.h"

#include "domain/CZelData.h"

#include <cstdio>

namespace BrisTest {

using Bris::CParameter;

std::string FakeFilePath(CParameter::EDataType kind, unsigned int index, const std::string& name) {
  static const char* const kFolders[] = {"Patch", "Tone", "Wave"};
  static const char* const kExtensions[] = {".d00", ".p00", ".w00"};
  char number[8];
  std::snprintf(number, sizeof number, "%03u", (index + 1) % 1000);
  return std::string("/fake/Test.prj/") + kFolders[kind] + "/" + number + " " + name +
         kExtensions[kind];
}

void UseSlot(Bris::CZelData& data, CParameter::EDataType kind, unsigned int index,
             const std::string& name, const std::string& filePath) {
  CParameter* record = (*data.GetArray(kind))[index];
  record->SetFilePath(filePath.empty() ? FakeFilePath(kind, index, name) : filePath);
  record->SetFinalName(name, false);
}

void PlayTone(Bris::CZelData& data, unsigned int patchIndex, int patchTone,
              unsigned int toneNumber) {
  Bris::CPatchTone& block = data.mPatches.Get(patchIndex)->GetPatchTone(patchTone);
  block.SetToneSwitch(1);
  block.SetToneNumber(static_cast<int>(toneNumber));
  data.mTones.Get(toneNumber - 1)->AddPatchIndex(patchIndex, false);
}

void PlayWave(Bris::CZelData& data, unsigned int toneIndex, int osc, int section,
              unsigned int waveNumber) {
  Bris::COsc& block = data.mTones.Get(toneIndex)->GetOsc(osc);
  block.SetType(section, Bris::COsc::kWaveType);
  block.SetSwitch(section, 1);
  block.SetWaveNumber(section, static_cast<int>(waveNumber));
  data.mWaves.Get(waveNumber - 1)->AddToneIndex(toneIndex, false);
}

void RebuildBackReferences(Bris::CZelData& data) {
  for (std::size_t t = 0; t < data.mTones.size(); ++t) {
    data.mTones.Get(t)->ClearPatchIndexes();
  }
  for (std::size_t w = 0; w < data.mWaves.size(); ++w) {
    data.mWaves.Get(w)->ClearToneIndexes();
  }
  for (unsigned int p = 0; p < data.mPatches.size(); ++p) {
    for (unsigned int toneNumber : data.mPatches.Get(p)->GetToneNumbers()) {
      if (toneNumber > 0 && toneNumber <= data.mTones.size()) {
        data.mTones.Get(toneNumber - 1)->AddPatchIndex(p, false);
      }
    }
  }
  for (unsigned int t = 0; t < data.mTones.size(); ++t) {
    for (unsigned int waveNumber : data.mTones.Get(t)->GetWaveNumbers()) {
      if (waveNumber > 0 && waveNumber <= data.mWaves.size()) {
        data.mWaves.Get(waveNumber - 1)->AddToneIndex(t, false);
      }
    }
  }
}

} // namespace BrisTest
