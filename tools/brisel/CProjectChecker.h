#pragma once

#include "domain/CParameter.h"

#include <string>
#include <vector>

namespace BrisTool {

// Everything in a project folder that a save or the instrument would trip over, found without
// changing anything: files that do not read, references to blank slots or beyond the lists,
// files no slot can take (a save moves them to the Trash), files numbered beyond the list, wave
// memory over the limit and the journal of an interrupted save.
class CProjectChecker {
public:
  struct SProblem {
    std::string code;        // e.g. "wrong-signature", "reference-to-blank-slot"
    std::string kind;        // "patch", "tone", "wave", or empty for the project as a whole
    unsigned slotNumber = 0; // 1-based; 0 when the problem is no slot's
    std::string file;
    std::string message;
  };

  // workFolder: where journals of interrupted saves are looked for (may be empty).
  CProjectChecker(std::string projectFolder, std::string workFolder);

  // Every problem found; the slot files are all read even when one fails.
  std::vector<SProblem> Check();

private:
  // False when the folder is no project at all (nothing more can be checked).
  bool CheckFiles(std::vector<SProblem>& problems) const;
  void CheckKindFiles(Bris::CParameter::EDataType kind, const std::vector<std::string>& files,
                      std::vector<SProblem>& problems) const;
  void CheckReferences(std::vector<SProblem>& problems) const;

  std::string mFolder; // without the trailing "/"
  std::string mWorkFolder;
};

} // namespace BrisTool
