#pragma once

#include <vector>

namespace Bris {

class CZelData;

// Tidies a data set in memory: drops references to blank slots, removes tones and waves nothing
// uses, closes the gaps in the lists and renumbers every patch -> tone and oscillator -> wave
// reference to match. Touches no file; records that moved reach their new file names at the next
// save. Every back-reference list ends rebuilt from the references, in ascending slot order.
// Records are replaced, so pointers to them are invalid afterwards.
class CProjectCleaner {
public:
  struct SOptions {
    bool keepUnusedImportedWaves = false; // an unused wave goes only if it is a preset wave
    bool keepUnusedTones = false;         // every non-blank tone stays
    bool keepToneNumbers = false;         // removed tones leave blank slots; no tone moves
    bool keepPatchNumbers = false;        // no patch moves, blank patches stay

    // The four clean options of the domain.
    static SOptions FromDomain();
  };

  CProjectCleaner(CZelData& data, const SOptions& options);

  void Clean();

private:
  void DropReferencesToBlankSlots();
  void PackPatches();
  void PackTones();
  void PackWaves();
  void RebuildToneBackReferences();
  void RebuildWaveBackReferences();

  CZelData& mData;
  SOptions mOptions;
};

} // namespace Bris
