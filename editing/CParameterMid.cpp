#include "editing/CParameterMid.h"

#include "Zel/Generic/CZelTextOut.h"
#include "domain/CClipboard.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "editing/CPatchPaste.h"
#include "editing/CTonePaste.h"
#include "editing/CWavePaste.h"
#include "editing/PasteWaveMemory.h"
#include "editing/ReferenceLib.h"
#include "formats/WaveFiles.h"

#include <algorithm>
#include <memory>

namespace Bris {

static_assert(CParameterMid::kWaveMemoryLimit == kTotalWaveSizeLimit);

namespace {

bool IsKnownKind(CParameter::EDataType kind) {
  return kind == CParameter::kPatch || kind == CParameter::kTone || kind == CParameter::kWave;
}

// Without a channel nobody can be asked; the answer is the plain channel's, OK.
int Ask(int questionNumber) {
  CZelTextOut* out = Domain().GetErrorOut();
  return out != nullptr ? out->Dialog(CZelTextOut::kOkCancel, questionNumber)
                        : CZelTextOut::kAnswerOk;
}

void Report(int errorNumber) {
  if (CZelTextOut* out = Domain().GetErrorOut()) {
    out->Write(errorNumber);
  }
}

void PrepareUndo(CZelData& data) {
  Domain().ClearUndoDoc();
  Domain().CopyToUndoBuffer(CDomain::kUndoAll, &data);
}

long WaveSetKey(const CParameterMid::SWaveSet& waveSet) {
  return (static_cast<long>(waveSet.toneIndex) * CTone::kOscCount + waveSet.oscIndex) *
             COsc::kSectionCount +
         waveSet.section;
}

// Copies the tones with the given numbers into the clipboard, each tagged with its number.
void CarryTones(const CZelData& data, const std::vector<unsigned int>& toneNumbers,
                CClipboard& clipboard) {
  clipboard.mTones.Resize(0);
  for (unsigned int toneNumber : toneNumbers) {
    CTone* carried = data.mTones.Get(toneNumber - 1)->Clone();
    carried->AddPatchIndex(toneNumber, true);
    clipboard.mTones.mParameters.push_back(carried);
  }
}

void CarryWaves(const CZelData& data, const std::vector<unsigned int>& waveNumbers,
                CClipboard& clipboard) {
  clipboard.mWaves.Resize(0);
  for (unsigned int waveNumber : waveNumbers) {
    CWave* carried = data.mWaves.Get(waveNumber - 1)->Clone();
    carried->AddToneIndex(waveNumber, true);
    clipboard.mWaves.mParameters.push_back(carried);
  }
}

// Adds numbers to collected, keeping only those that name a slot of a list of listSize.
void CollectNumbers(const std::vector<unsigned int>& numbers, std::size_t listSize,
                    std::vector<unsigned int>& collected) {
  for (unsigned int number : WithoutNone(numbers)) {
    if (number <= listSize) {
      collected.push_back(number);
    }
  }
}

void SortUnique(std::vector<unsigned int>& numbers) {
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
}

std::vector<unsigned int> WaveNumbersOfTones(const CZelData& data,
                                             const std::vector<unsigned int>& toneIndexes) {
  std::vector<unsigned int> waveNumbers;
  for (unsigned int toneIndex : toneIndexes) {
    CollectNumbers(data.mTones.Get(toneIndex)->GetWaveNumbers(), data.mWaves.size(), waveNumbers);
  }
  SortUnique(waveNumbers);
  return waveNumbers;
}

void BlankRecord(CParameter& record) {
  record.SetFinalName("", false);
  record.SetFilePath("");
  for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
    record.SetMemo(line, "");
  }
}

void DeletePatchReferences(CZelData& data, unsigned int patchIndex) {
  CPatch* patch = data.mPatches.Get(patchIndex);
  for (int i = 0; i < CPatch::kPatchToneCount; ++i) {
    const int toneNumber = patch->GetPatchTone(i).GetToneNumber();
    if (toneNumber != 0 && static_cast<std::size_t>(toneNumber) <= data.mTones.size()) {
      data.mTones.Get(toneNumber - 1)->DeletePatchIndex(patchIndex);
    }
  }
  patch->ClearPatchTone();
}

void DeleteToneReferences(CZelData& data, unsigned int toneIndex, bool clearPatchReferences) {
  CTone* tone = data.mTones.Get(toneIndex);
  ForEachSection(*tone, [&](COsc& osc, int, int section) {
    const int waveNumber = osc.GetWaveNumber(section);
    if (waveNumber == 0) {
      return;
    }
    if (static_cast<std::size_t>(waveNumber) <= data.mWaves.size()) {
      data.mWaves.Get(waveNumber - 1)->DeleteToneIndex(toneIndex);
    }
    osc.SetWaveNumber(section, 0);
  });
  if (clearPatchReferences && !tone->GetPatchIndexes().empty()) {
    tone->ClearPatchIndexes();
    ClearPatchTonesPlaying(data, toneIndex + 1);
  }
}

void DeleteWaveReferences(CZelData& data, unsigned int waveIndex) {
  CWave* wave = data.mWaves.Get(waveIndex);
  if (wave->GetToneIndexes().empty()) {
    return;
  }
  const std::vector<unsigned int> toneIndexes = wave->GetToneIndexes();
  const int waveNumber = static_cast<int>(waveIndex) + 1;
  for (unsigned int toneIndex : toneIndexes) {
    if (toneIndex >= data.mTones.size()) {
      continue;
    }
    ForEachSection(*data.mTones.Get(toneIndex), [waveNumber](COsc& osc, int, int section) {
      if (osc.GetWaveNumber(section) == waveNumber) {
        osc.SetWaveNumber(section, 0);
      }
    });
  }
  wave->ClearToneIndexes();
}

std::unique_ptr<CPasteOperation> MakePaste(CParameterMid& mid, CZelData& data,
                                           CParameter::EDataType kind, unsigned int firstIndex,
                                           bool otherProject) {
  switch (kind) {
  case CParameter::kPatch:
    return std::make_unique<CPatchPaste>(mid, data, firstIndex, otherProject);
  case CParameter::kTone:
    return std::make_unique<CTonePaste>(mid, data, firstIndex, otherProject);
  default:
    return std::make_unique<CWavePaste>(mid, data, firstIndex, otherProject);
  }
}

enum class EPasteMode { kInsert, kReplace };

bool HasFreeSlotsForCarried(const CZelData& data, CParameter::EDataType kind,
                            const CClipboard& clipboard) {
  if (kind == CParameter::kPatch &&
      data.GetDeletedSize(CParameter::kTone) < clipboard.mTones.size()) {
    Report(CParameterMid::kErrorTooFewToneSlots);
    return false;
  }
  if ((kind == CParameter::kPatch || kind == CParameter::kTone) &&
      data.GetDeletedSize(CParameter::kWave) < clipboard.mWaves.size()) {
    Report(CParameterMid::kErrorTooFewWaveSlots);
    return false;
  }
  return true;
}

bool HasWaveMemoryFor(const CZelData& data, unsigned int firstIndex, CParameter::EDataType kind,
                      bool otherProject, unsigned int count, EPasteMode mode) {
  const SWaveMemoryForecast forecast = ForecastPasteWaveMemory(data, firstIndex, kind, otherProject,
                                                               count, mode == EPasteMode::kInsert);
  if (forecast.IsRefused()) {
    if (CZelTextOut* out = Domain().GetErrorOut()) {
      out->WriteError(CParameterMid::kErrorWaveMemoryFull,
                      DescribeWaveMemoryExcess(forecast.usedBytes, forecast.addedBytes));
    }
    return false;
  }
  return true;
}

bool ConfirmPaste(const CZelData& data, unsigned int firstIndex, CParameter::EDataType kind,
                  bool otherProject, const CParameterArray& pasted, EPasteMode mode) {
  const unsigned int count = static_cast<unsigned int>(pasted.size());
  if (!IsKnownKind(kind) || count == 0 || !data.IsDropEnable(kind, firstIndex, count)) {
    return false;
  }
  if (mode == EPasteMode::kInsert) {
    if (data.IsDeleteToInsert(kind, count) &&
        Ask(CParameterMid::kQuestionPushOffEnd) == CZelTextOut::kAnswerCancel) {
      return false;
    }
  } else if (data.IsDeleteToOverwrite(kind, firstIndex, count) &&
             Ask(CParameterMid::kQuestionOverwrite) == CZelTextOut::kAnswerCancel) {
    return false;
  }
  const CClipboard& clipboard = Domain().GetClipboard();
  if (otherProject && !HasFreeSlotsForCarried(data, kind, clipboard)) {
    return false;
  }
  return HasWaveMemoryFor(data, firstIndex, kind, otherProject, count, mode);
}

} // namespace

// --- Copy

void CParameterMid::EditCopy(const CZelData& data, const std::vector<unsigned int>& indexes,
                             CParameter::EDataType kind) {
  if (!IsKnownKind(kind)) {
    return;
  }
  CClipboard& clipboard = Domain().GetClipboard();
  CParameterArray& copied = clipboard.GetArray(kind);
  const CParameterArray& source = *data.GetArray(kind);

  std::vector<unsigned int> validIndexes;
  for (unsigned int index : indexes) {
    if (index < source.size()) {
      validIndexes.push_back(index);
    }
  }

  copied.Resize(0);
  for (unsigned int index : validIndexes) {
    CParameter* copy = source[index]->Clone();
    // A selected tone or wave is tagged with its slot index.
    if (kind == CParameter::kTone) {
      static_cast<CTone*>(copy)->AddPatchIndex(index, true);
    } else if (kind == CParameter::kWave) {
      static_cast<CWave*>(copy)->AddToneIndex(index, true);
    }
    copied.mParameters.push_back(copy);
  }

  switch (kind) {
  case CParameter::kPatch: {
    std::vector<unsigned int> toneNumbers;
    for (unsigned int index : validIndexes) {
      CollectNumbers(data.mPatches.Get(index)->GetToneNumbers(), data.mTones.size(), toneNumbers);
    }
    SortUnique(toneNumbers);
    CarryTones(data, toneNumbers, clipboard);
    std::vector<unsigned int> toneIndexes;
    for (unsigned int toneNumber : toneNumbers) {
      toneIndexes.push_back(toneNumber - 1);
    }
    CarryWaves(data, WaveNumbersOfTones(data, toneIndexes), clipboard);
    break;
  }
  case CParameter::kTone:
    CarryWaves(data, WaveNumbersOfTones(data, validIndexes), clipboard);
    // Lets a move of tones find the patches that played them.
    clipboard.mPatches = data.mPatches;
    break;
  case CParameter::kWave:
    // Lets a move of waves by replacement find the tones that played them.
    clipboard.mTones = data.mTones;
    break;
  }
}

// --- Delete

bool CParameterMid::EditDelete(CZelData& data, const std::vector<unsigned int>& indexes,
                               CParameter::EDataType kind, bool confirm,
                               bool clearPatchReferences) {
  CParameterArray* array = data.GetArray(kind);
  if (array == nullptr) {
    return true;
  }
  if (confirm) {
    if (Ask(kQuestionDelete) == CZelTextOut::kAnswerCancel) {
      return false;
    }
    PrepareUndo(data);
  }
  for (unsigned int index : indexes) {
    if (index >= array->size()) {
      continue;
    }
    BlankRecord(*(*array)[index]);
    switch (kind) {
    case CParameter::kPatch:
      DeletePatchReferences(data, index);
      break;
    case CParameter::kTone:
      DeleteToneReferences(data, index, clearPatchReferences);
      break;
    case CParameter::kWave:
      DeleteWaveReferences(data, index);
      break;
    }
  }
  return true;
}

// --- Pre-checks

bool CParameterMid::ConfirmEditInsert(const CZelData& data, unsigned int firstIndex,
                                      CParameter::EDataType kind, bool otherProject,
                                      const CParameterArray& pasted) {
  return ConfirmPaste(data, firstIndex, kind, otherProject, pasted, EPasteMode::kInsert);
}

bool CParameterMid::ConfirmEditReplace(const CZelData& data, unsigned int firstIndex,
                                       CParameter::EDataType kind, bool otherProject,
                                       const CParameterArray& pasted) {
  return ConfirmPaste(data, firstIndex, kind, otherProject, pasted, EPasteMode::kReplace);
}

// --- Paste

int CParameterMid::EditInsert(CZelData& data, unsigned int firstIndex, CParameter::EDataType kind,
                              bool otherProject) {
  if (!IsKnownKind(kind)) {
    return 0;
  }
  const CParameterArray& pasted = Domain().GetClipboard().GetArray(kind);
  if (!ConfirmEditInsert(data, firstIndex, kind, otherProject, pasted)) {
    return 0;
  }
  const int count = static_cast<int>(pasted.size());
  PrepareUndo(data);
  MakePaste(*this, data, kind, firstIndex, otherProject)->Insert();
  return count;
}

bool CParameterMid::EditReplace(CZelData& data, unsigned int firstIndex, CParameter::EDataType kind,
                                bool otherProject) {
  if (!IsKnownKind(kind)) {
    return false;
  }
  const CParameterArray& pasted = Domain().GetClipboard().GetArray(kind);
  if (!ConfirmEditReplace(data, firstIndex, kind, otherProject, pasted)) {
    return false;
  }
  PrepareUndo(data);
  MakePaste(*this, data, kind, firstIndex, otherProject)->Replace();
  return true;
}

// --- Wave-set list

bool CParameterMid::SearchWaveSet(const SWaveSet& waveSet) const {
  return mWaveSetKeys.count(WaveSetKey(waveSet)) != 0;
}

void CParameterMid::AddWaveSet(const SWaveSet& waveSet) {
  if (mWaveSetKeys.insert(WaveSetKey(waveSet)).second) {
    mWaveSets.push_back(waveSet);
  }
}

void CParameterMid::ClearWaveSets() {
  mWaveSets.clear();
  mWaveSetKeys.clear();
}

} // namespace Bris
