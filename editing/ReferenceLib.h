#pragma once

#include "domain/COsc.h"
#include "domain/CTone.h"
#include "domain/CWave.h"

#include <optional>
#include <vector>

namespace Bris {

class CZelData;

// Small reference chores shared by the editing operations. Tone and wave numbers are 1-based
// references held in the instrument bytes; patch and tone indexes in back-reference lists are
// 0-based slot indexes. Numbers beyond the data set's lists are skipped, never followed.

// The source tag of a clipboard copy: the last entry of its back-reference list, if any.
std::optional<unsigned int> GetSourceTag(const CTone& tone);
std::optional<unsigned int> GetSourceTag(const CWave& wave);
// Removes the last entry of the back-reference list, leaving the source record's own list.
void RemoveSourceTag(CTone& tone);
void RemoveSourceTag(CWave& wave);

// Back-references after count slots were inserted at firstIndex: every entry >= firstIndex is
// taken out first and then added back + count, so that a list holding both i and i + count keeps
// both.
void ShiftPatchIndexes(CTone& tone, unsigned int firstIndex, unsigned int count);
void ShiftToneIndexes(CWave& wave, unsigned int firstIndex, unsigned int count);

// Removes the tone reference of every patch tone in data that plays toneNumber.
void ClearPatchTonesPlaying(CZelData& data, unsigned int toneNumber);
// Adds patchIndex to the back-reference list of every tone the patch plays.
void AddPatchToItsTones(CZelData& data, unsigned int patchIndex);
// Adds toneIndex to the back-reference list of every wave the tone plays.
void AddToneToItsWaves(CZelData& data, unsigned int toneIndex);

// The numbers of a sorted number list without the leading 0 ("none").
std::vector<unsigned int> WithoutNone(const std::vector<unsigned int>& numbers);

// Calls visit(osc, oscIndex, section) for the 16 x 2 oscillator sections of a tone, in order.
template <class TTone, class TVisit> void ForEachSection(TTone& tone, TVisit visit) {
  for (int oscIndex = 0; oscIndex < CTone::kOscCount; ++oscIndex) {
    auto& osc = tone.GetOsc(oscIndex);
    for (int section = 0; section < COsc::kSectionCount; ++section) {
      visit(osc, oscIndex, section);
    }
  }
}

} // namespace Bris
