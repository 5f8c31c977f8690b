#pragma once

#include "LibMac/Utility/StFileDescriptor.h"

#include <cstddef>
#include <string>

namespace Bris {

// Appends the "done" lines of a committed save journal as its steps are done. The journal stays
// open for the whole commit: a save of a full project has thousands of steps, and opening the
// journal again for each line cost two system calls per step. The lines are a hint only, so a
// journal that does not open, or a line that is not written, changes nothing.
class CSaveJournalMarks {
public:
  // An empty path: the save keeps no journal, and nothing is marked.
  explicit CSaveJournalMarks(const std::string& journalPath);

  void MarkDone(std::size_t stepNumber);

private:
  StFileDescriptor mJournal;
};

} // namespace Bris
