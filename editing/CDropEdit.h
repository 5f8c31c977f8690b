#pragma once

#include "domain/CParameter.h"

#include <vector>

namespace Bris {

class CZelData;

// The edit a row drop performs once the drag has ended: the clipboard that the drag start filled
// (CParameterMid::EditCopy) is pasted into the target by insertion or replacement, and a move then
// blanks the source slots: inside one list at the places the paste pushed them to, in another
// project after that project has joined the undo buffer, so that one Undo restores both.
//
// Knows nothing of views: the caller passes the slots and modes, and carries out what the result
// asks of the user interface (select the pasted rows, mark documents modified, refresh windows).
// It does not empty the clipboard; the drag does that when it ends, whatever happened.
class CDropEdit {
public:
  struct SRequest {
    CZelData* source = nullptr; // the data set the rows were dragged from
    CZelData* target = nullptr; // the data set they were dropped on; the same for one project
    CParameter::EDataType sourceKind = CParameter::kPatch;
    CParameter::EDataType targetKind = CParameter::kPatch;
    // The slots selected in the source list when the drag started. Blank and out-of-range slots
    // are left out here, so the whole selection may be passed.
    std::vector<unsigned int> sourceIndexes;
    unsigned int dropIndex = 0; // 0-based first target slot (drop row - 1)
    bool insertMode = false;    // insert before dropIndex instead of overwriting from it
    bool copy = true;           // keep the source slots
  };

  struct SResult {
    // The engine accepted and pasted; false when the drop was refused or the user declined.
    bool pasted = false;
    // Slots pasted from dropIndex on (the clipboard count of the target's kind).
    unsigned int pastedCount = 0;
    unsigned int firstPastedIndex = 0;
    // The source slots blanked by a move, at the places where they were blanked.
    std::vector<unsigned int> deletedSourceIndexes;
    bool targetModified = false;
    // A move to another project changed the source project too.
    bool sourceModified = false;
  };

  // Sets the clipboard's insert-mode and copy flags from the request, pastes, and deletes the
  // moved source slots. Refuses, changing nothing, when a data set is missing, the kinds differ,
  // the drop slot lies outside the list or the editing engine declines.
  SResult Perform(const SRequest& request);

  // Where the source slots of a move inside one list are after count slots were pasted at
  // dropIndex: an insertion pushes those at or after dropIndex down by count (those pushed past
  // the end are gone with the paste); a replacement leaves them in place, except those it
  // overwrote, which now hold the moved records.
  static std::vector<unsigned int> SourceIndexesAfterPaste(const std::vector<unsigned int>& indexes,
                                                           unsigned int dropIndex,
                                                           unsigned int count, bool insertMode,
                                                           unsigned int listSize);

private:
  static std::vector<unsigned int> UsedSlots(const CZelData& data, CParameter::EDataType kind,
                                             const std::vector<unsigned int>& indexes);
};

} // namespace Bris
