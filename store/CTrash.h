#pragma once

#include <string>

namespace Bris {

// Where a file that a save removes for good goes, so that the user can still restore it: the
// desktop's Trash. The application installs one (CFileOperations::SetTrash); the core has none
// of its own and falls back to a dated folder under the work folder.
class CTrash {
public:
  virtual ~CTrash() = default;
  // Moves the file at path (a full "/"-separated path) into the Trash; false when it could not.
  virtual bool MoveToTrash(const std::string& path) = 0;
};

} // namespace Bris
