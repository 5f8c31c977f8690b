#pragma once

#include "domain/CParameter.h"

#include <string>

namespace Bris {
class CZelData;
}

namespace BrisTest {

// Helpers that build data sets in memory, as reading a project would leave them.

// A made-up data-file path for a slot ("/fake/Test.prj/Tone/011 name.p00"); never opened.
std::string FakeFilePath(Bris::CParameter::EDataType kind, unsigned int index,
                         const std::string& name);
// Makes the slot used: a fake file path (unless filePath is given) and the name.
void UseSlot(Bris::CZelData& data, Bris::CParameter::EDataType kind, unsigned int index,
             const std::string& name, const std::string& filePath = "");
// Patch tone patchTone (0/1) of the patch plays toneNumber (1-based), switched on; the tone's
// back-reference list gets the patch.
void PlayTone(Bris::CZelData& data, unsigned int patchIndex, int patchTone,
              unsigned int toneNumber);
// Section section of oscillator osc of the tone plays waveNumber (1-based): type 1, switched on;
// the wave's back-reference list gets the tone.
void PlayWave(Bris::CZelData& data, unsigned int toneIndex, int osc, int section,
              unsigned int waveNumber);
// Empties every back-reference list and rebuilds it from the numbers, as reading does.
void RebuildBackReferences(Bris::CZelData& data);

} // namespace BrisTest
