#pragma once

#include "store/SOpenResult.h"

#include <list>
#include <string>

namespace Bris {

class CZelFileDocument;

// The data files of a project's three subfolders, by their extension lists.
struct SProjectListing {
  std::list<std::string> patches;
  std::list<std::string> tones;
  std::list<std::string> waves; // empty when the project has no "Wave" folder
};

// The one way a project folder is checked, listed and read. Nothing here throws: a folder that
// cannot be listed is a failure like any other.
class CProjectOpener {
public:
  // Lists the data files of folder's "Patch", "Tone" and "Wave" folders (folder with or without
  // its trailing "/"). "Patch" and "Tone" must exist; a missing "Wave" folder yields no waves.
  static SOpenResult List(const std::string& folder, SProjectListing& listing);
  // List, then ReadDocument into a freshly constructed document. On failure the document is
  // left partly filled and is to be thrown away.
  static SOpenResult Open(CZelFileDocument& document, const std::string& folder);
  // True when folder is a folder holding entries named "Patch", "Tone" and "Wave".
  static bool IsValidProject(const std::string& folder);
};

} // namespace Bris
