#pragma once

#include "store/CSaveJournal.h"

#include <string>
#include <vector>

namespace Bris {

class CFileOperations;

// Finishes the saves that the process did not live to finish, from their journals in the work
// folder and the temporary files they had made durable before their first change. Run at start-up
// for every journal and whenever a project is opened for that project's journal.
class CSaveRecovery {
public:
  struct SReport {
    std::string projectPath;
    bool completed = true;
    // What could not be put in place, and the folder that now holds the save's files that were
    // kept instead (empty when completed).
    std::vector<std::string> unrestored;
    std::string keptFolder;
  };

  explicit CSaveRecovery(CFileOperations& operations) : mOperations(operations) {}

  // Every journal in workFolder; one report per save that had begun changing its project.
  std::vector<SReport> RecoverAll(const std::string& workFolder);
  // The journal of the project at projectPath (ending in "/"), if any. True when a save that had
  // begun changing the project was found; report then says how it ended.
  bool RecoverProject(const std::string& workFolder, const std::string& projectPath,
                      SReport& report);

private:
  // False when the journal was never committed (nothing but temporary files to remove).
  bool Recover(const std::string& journalPath, SReport& report);
  void Complete(const CSaveJournal::SContents& journal, SReport& report);
  void KeepLeftovers(const std::string& journalPath, const CSaveJournal::SContents& journal,
                     SReport& report);

  CFileOperations& mOperations;
};

} // namespace Bris
