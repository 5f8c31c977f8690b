#pragma once

#include "domain/CParameter.h"

#include <unordered_set>
#include <vector>

namespace Bris {

class CParameterArray;
class CZelData;

// The editing engine: copies slots into the domain clipboard, deletes slots, and pastes the
// clipboard back by insertion or replacement, keeping every patch -> tone -> wave reference and
// the back-reference lists that mirror them consistent. A short-lived worker: the list views make
// one for each copy, delete or drop.
//
// A paste meets one of three situations: from another project (otherProject; the tones and waves
// the pasted slots use come along into blank slots), a copy inside one project (the clipboard's
// copy flag set; the pasted slots are new, unreferenced copies) or a move inside one project
// (copy flag clear; the users of a moved slot follow it, and the drag code deletes the source
// slots afterwards). Questions and errors go to the domain's error channel by number.
class CParameterMid {
public:
  // One oscillator section of one tone.
  struct SWaveSet {
    int toneIndex = 0; // 0..895
    int oscIndex = 0;  // 0..15
    int section = 0;   // 0 or 1
    bool operator==(const SWaveSet&) const = default;
  };

  // Question numbers (Dialog, OK/Cancel) and error numbers (Write) of the error channel.
  static constexpr int kQuestionDelete = 9;
  static constexpr int kQuestionOverwrite = 10;
  static constexpr int kQuestionPushOffEnd = 11;
  static constexpr int kErrorTooFewWaveSlots = 6;
  static constexpr int kErrorWaveMemoryFull = 8;
  static constexpr int kErrorTooFewToneSlots = 11;
  // The most wave data a project may hold (65,535 x 1024 bytes); this much still fits.
  static constexpr unsigned long long kWaveMemoryLimit = 67107840ULL;

  CParameterMid() = default;
  ~CParameterMid() = default;
  CParameterMid(const CParameterMid&) = delete;
  CParameterMid& operator=(const CParameterMid&) = delete;

  // Copies the slots indexes (0-based, in the given order) of data into the clipboard, with the
  // tones and waves they use, each copied or carried tone and wave tagged with where it came
  // from. Copying tones also snapshots the 512 patches, copying waves the 896 tones.
  void EditCopy(const CZelData& data, const std::vector<unsigned int>& indexes,
                CParameter::EDataType kind);

  // Blanks the slots indexes of data and removes every reference to and from them. With confirm
  // the user is asked first (a cancel returns false and changes nothing) and the data set is
  // saved for undo; without it the caller has saved already. clearPatchReferences false leaves
  // the patches that play a deleted tone pointing at the blank slot.
  bool EditDelete(CZelData& data, const std::vector<unsigned int>& indexes,
                  CParameter::EDataType kind, bool confirm, bool clearPatchReferences);

  // The pre-checks of an insertion of pasted (the clipboard's array of kind) before firstIndex.
  // Shows its own questions and errors; false refuses the paste.
  bool ConfirmEditInsert(const CZelData& data, unsigned int firstIndex, CParameter::EDataType kind,
                         bool otherProject, const CParameterArray& pasted);
  // Inserts the clipboard's slots of kind before firstIndex; the slots from there on move down
  // and as many fall off the end. Returns the number inserted, 0 when refused.
  int EditInsert(CZelData& data, unsigned int firstIndex, CParameter::EDataType kind,
                 bool otherProject);

  // The pre-checks of a replacement of the slots from firstIndex on by pasted.
  bool ConfirmEditReplace(const CZelData& data, unsigned int firstIndex, CParameter::EDataType kind,
                          bool otherProject, const CParameterArray& pasted);
  // Overwrites the slots from firstIndex on with the clipboard's slots of kind; nothing moves.
  // False when refused.
  bool EditReplace(CZelData& data, unsigned int firstIndex, CParameter::EDataType kind,
                   bool otherProject);

  // The wave-set list: the sections a wave insertion inside one project has already re-pointed.
  bool SearchWaveSet(const SWaveSet& waveSet) const;
  void AddWaveSet(const SWaveSet& waveSet);
  void ClearWaveSets();

private:
  std::vector<SWaveSet> mWaveSets;
  std::unordered_set<long> mWaveSetKeys; // the same sections, for quick lookup
};

} // namespace Bris
