#pragma once

#include "editing/CPasteOperation.h"

#include <optional>
#include <vector>

namespace Bris {

// Pasting waves. From another project or for a copy the new waves are played by no tone; a move
// inside one project re-points the tone sections that played a moved wave to its new slot.
class CWavePaste : public CPasteOperation {
public:
  CWavePaste(CParameterMid& mid, CZelData& data, unsigned int firstIndex, bool otherProject);

  void Insert() override;
  void Replace() override;

private:
  void DropToneReferencesOfPastedWaves();
  // Insertion move: sections re-pointed here enter the wave-set list, so that a later moved
  // wave whose old number equals this one's new number does not take them again.
  void FollowMovedWavesByCurrentNumbers();
  // Replacement move: the users are found in the tone snapshot the copy took.
  void FollowMovedWavesBySnapshot();
  void RenumberWaveNumbersForInsertion();
  // Takes the source tags off the pasted waves and remembers them as their source indexes.
  void TakeSourceTagsOfPastedWaves();
  // A move: the wave left behind at a moved wave's old place no longer lists the tones that
  // followed it (the drag code deletes only non-blank sources, so it may stay).
  void LetGoOfMovedSources(bool isInsertion);

  std::vector<std::optional<unsigned int>> mSourceIndexes;
};

} // namespace Bris
