#pragma once

#include "editing/CPasteOperation.h"

#include <optional>
#include <vector>

namespace Bris {

// Pasting tones. From another project the waves the tones play come along into blank slots and
// no patch plays the new tones; a copy inside one project makes unreferenced copies; a move
// inside one project re-points the patches that played a moved tone, found in the patch
// snapshot the copy took, to its new slot.
class CTonePaste : public CPasteOperation {
public:
  CTonePaste(CParameterMid& mid, CZelData& data, unsigned int firstIndex, bool otherProject);

  void Insert() override;
  void Replace() override;

private:
  void RenumberToneNumbersForInsertion();
  void AddPastedTonesToTheirWaves();
  // Patch references to the pasted tones: none from another project or for a copy.
  void DropPatchReferencesOfPastedTones();
  // A move: each patch tone that played a moved tone in the snapshot plays its new slot.
  void FollowMovedTones();
  // A move: the tone left behind at a moved tone's old place no longer lists the patches that
  // followed it (the drag code deletes only non-blank sources, so it may stay).
  void LetGoOfMovedSources(const std::vector<unsigned int>& sourceIndexes);
  // Where the tone that was at sourceIndex before the paste is now; none when it was overwritten
  // or pushed off the end.
  std::optional<unsigned int> CurrentIndexOfSource(unsigned int sourceIndex) const;

  bool mIsInsertion = false;
};

} // namespace Bris
