#pragma once

#include "editing/CPasteOperation.h"

#include <optional>

namespace Bris {

class CCarriedRecords;

// Pasting patches. From another project the tones the patches play, and the waves those tones
// play, come along into blank slots; inside one project nothing but the patches' own
// back-references changes, since only back-reference lists refer to patches.
class CPatchPaste : public CPasteOperation {
public:
  CPatchPaste(CParameterMid& mid, CZelData& data, unsigned int firstIndex, bool otherProject);

  void Insert() override;
  void Replace() override;

private:
  // The blank slots the carried tones and waves will take, cleared of whatever still refers to
  // them.
  void ChooseCarriedSlots(std::optional<CCarriedRecords>& tones,
                          std::optional<CCarriedRecords>& waves);
  // Links the placed carried tones to the placed carried waves, and the waves back to them.
  void LinkPlacedTonesToWaves(const CCarriedRecords& tones, const CCarriedRecords& waves);
  void AddPastedPatchesToTheirTones();
};

} // namespace Bris
