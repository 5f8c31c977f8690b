#pragma once

#include "domain/CParameter.h"

#include <optional>
#include <unordered_map>
#include <vector>

namespace Bris {

class CParameterArray;
class CParameterMid;
class CPatch;
class CTone;
class CZelData;

// The tones or waves a paste from another project brings along: the k-th carried record goes to
// the k-th blank slot of the target, and a referrer whose number equals a carried record's
// source tag is re-pointed to the slot that record received. The blank slots are taken once,
// when the object is made.
class CCarriedRecords {
public:
  CCarriedRecords(CZelData& data, CParameter::EDataType kind, const CParameterArray& carried);

  // A blank slot can still be named by old references (a patch whose tone has no file). Before a
  // carried record takes such a slot, those references are cut as deleting the slot would, so
  // that they do not end up pointing at the newcomer behind its back-reference list.
  void ClearStaleReferences(CParameterMid& mid);
  // Puts a clone of each carried record into its slot.
  void Place();

  // The slot given to the first carried record whose source tag is sourceNumber, if any.
  std::optional<unsigned int> FindSlot(unsigned int sourceNumber) const;
  // The slots that receive carried records, in carried order.
  const std::vector<unsigned int>& GetSlots() const { return mSlots; }

  // Re-points the patch's tone numbers to the carried tones. A number beyond the list was read
  // as it stands and is kept; any other number nothing was carried for is removed rather than
  // left naming an unrelated tone of the target.
  void RepointToneNumbers(CPatch& patch) const;
  // Re-points the tone's wave numbers to the carried waves, alike.
  void RepointWaveNumbers(CTone& tone) const;

private:
  bool IsBeyondTheList(unsigned int number) const;

  CZelData& mData;
  CParameter::EDataType mKind;
  const CParameterArray& mCarried;
  std::vector<unsigned int> mSlots;
  std::unordered_map<unsigned int, unsigned int> mSlotBySourceTag;
};

} // namespace Bris
