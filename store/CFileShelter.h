#pragma once

#include "domain/CParameter.h"

#include <string>
#include <vector>

namespace Bris {

class CZelData;
class CZelFileDocument;

// Keeps a file that records still need alive when its project is about to remove it (a write
// cleaning a slot's old file) or to go away (the project closing): the file is copied into the
// work folder and the records that named it are redirected to the copy. The copy goes through
// the document's CopyZelFile.
class CFileShelter {
public:
  enum class EResult {
    kNotNeeded, // no record named the file; nothing copied
    kSheltered, // copied, and the records now name the copy
    kFailed,    // the copy could not be made; every record still names the old file
  };

  explicit CFileShelter(CZelFileDocument& document);

  // The next shelter path for oldPath: work folder + index string of the next temporary number +
  // the record name and extension of oldPath. Takes one number (CDomain::TakeTempIndex) on every
  // call, and one more for each number whose file is still in the work folder. Empty when the
  // domain has no work folder, so that nothing is ever sheltered into the current directory.
  static std::string MakeShelterPath(const std::string& oldPath);

  // Redirects every record of kind in dataSets that names oldPath to shelterPath, then copies
  // oldPath there. A failed copy removes what it left at shelterPath and points the records back
  // at oldPath, so that none names a file that was never made.
  EResult Shelter(const std::string& oldPath, const std::string& shelterPath,
                  CParameter::EDataType kind, const std::vector<CZelData*>& dataSets);

  // Run when the project closes: every file of its original-name lists that a record of another
  // open project with unsaved changes still names is sheltered. Failures leave those records
  // naming the file in this project's folder, which closing does not touch.
  void ShelterFiles();

private:
  CZelFileDocument& mDocument;
};

} // namespace Bris
