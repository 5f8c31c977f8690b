#pragma once

#include <string>
#include <vector>

namespace Bris {

// The files of a project's slot folders that are symbolic links. A save rewrites reference
// blocks in place and renames and removes slot files: through a link it would change a file
// outside the project, write one slot's references into another slot's file, or leave a link
// naming a file the same save renamed away (and every later save refused). So before an ordinary
// save changes anything, each link is replaced by a real copy of the file it points at, written
// beside it and renamed over it; the file pointed at is never touched.
class CLinkedSlotFiles {
public:
  // Keeps the paths (project paths, as records hold them) that are links to a readable file. A
  // link to nothing is left alone: no copy can be made, and a record naming it cannot be saved
  // anyway.
  explicit CLinkedSlotFiles(const std::vector<std::string>& paths);

  const std::vector<std::string>& GetPaths() const { return mPaths; }
  // Dry run: every linked file can be read and a new file made beside it.
  bool IsEnableReplaceByCopies() const;
  // False at the first link that could not be replaced; that one stays a link, and the links
  // replaced before it hold the same bytes as before.
  bool ReplaceByCopies() const;

private:
  std::vector<std::string> mPaths;
};

} // namespace Bris
