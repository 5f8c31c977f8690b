#pragma once

#include "store/CWritePlan.h"

#include <string>
#include <vector>

namespace Bris {

class CFileOperations;

// The journal of one save in progress: what its commit still has to do, so that a save the
// process did not live to finish can be finished later from the journal and the save's temporary
// files alone. One journal per project folder, in the work folder; a finished save removes it.
//
// Format (version 1): UTF-8 text, one record per line ending in "\n", fields separated by one TAB.
// In every field "%" is written "%25", TAB "%09", LF "%0A" and CR "%0D".
//
//   brisel-save-journal<TAB>1
//   project<TAB><project folder path ending in "/">
//   removed<TAB><folder that takes removed files when no Trash can>
//   temporary<TAB><path>                         one per temporary file or folder the save made;
//                                                a committed journal may leave them out
//   step<TAB><verb><TAB><source><TAB><temporary><TAB><destination>   one per commit step, in order
//   commit<TAB><number of steps>
//   done<TAB><n>                                 appended as step n (1-based) is done
//
// verbs: "place" (temporary -> destination, replacing), "place-new" (temporary -> destination,
// which must not exist), "place-memo" (like place), "rename" (source -> destination, which must
// not exist), "trash" (source leaves the project), "place-folder" (the staging folder temporary
// -> the empty folder destination, when it still is one; the "place" steps of the files staged
// in it follow). Empty fields stay empty. A journal without its
// "commit" line was never committed: the save changed nothing but its temporary files. The "done"
// lines are a hint only (they are not flushed); every step can tell from the disk whether it was
// done.
class CSaveJournal {
public:
  struct SContents {
    std::string projectPath;
    std::string removedFolder;
    std::vector<std::string> temporaries;
    std::vector<CWritePlan::SStep> steps;
    bool committed = false;
    std::size_t doneCount = 0;
  };

  static constexpr const char* kExtension = ".brisel-journal";

  // workFolder/"Save <hash of projectPath>.brisel-journal".
  static std::string PathFor(const std::string& workFolder, const std::string& projectPath);

  // Writes the journal durably under a temporary name and renames it to path; the folder entry is
  // made durable too. False when any of that failed; nothing is then left at path.
  static bool Write(CFileOperations& operations, const std::string& path,
                    const SContents& contents);
  // False when path holds no journal of a known version.
  static bool Read(const std::string& path, SContents& contents);

  static std::string Format(const SContents& contents);
  static bool Parse(const std::string& text, SContents& contents);
};

} // namespace Bris
