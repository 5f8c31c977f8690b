#include "store/CDataSetReader.h"

#include "LibMac/Utility/UFileUtils.h"
#include "domain/CZelData.h"
#include "formats/CMemoFile.h"
#include "store/CSlotFileReader.h"
#include "store/CZelFileDocument.h"

#include <memory>
#include <typeinfo>
#include <vector>

namespace Bris {

namespace {

// The records an array held, taken out of it before a reader refills it. The reader reuses them
// instead of deleting every slot's record and allocating it again (a tone alone owns sixteen
// oscillator blocks); the records it does not reuse are deleted with the list.
std::vector<std::unique_ptr<CParameter>> TakeRecords(CParameterArray& array) {
  std::vector<std::unique_ptr<CParameter>> records;
  records.reserve(array.size());
  for (CParameter* record : array.mParameters) {
    records.emplace_back(record);
  }
  array.mParameters.clear();
  return records;
}

// A record in the state of a new one for slot slotIndex: the slot's old record when it is of the
// same type, overwritten with a copy of a new record so that nothing of its old contents stays;
// otherwise a new record.
template <class TRecord>
std::unique_ptr<TRecord> NewRecord(std::vector<std::unique_ptr<CParameter>>& oldRecords,
                                   std::size_t slotIndex) {
  if (slotIndex >= oldRecords.size() || oldRecords[slotIndex] == nullptr ||
      typeid(*oldRecords[slotIndex]) != typeid(TRecord)) {
    return std::make_unique<TRecord>();
  }
  static const TRecord kNewRecord;
  std::unique_ptr<TRecord> record(static_cast<TRecord*>(oldRecords[slotIndex].release()));
  *record = kNewRecord;
  return record;
}

// Refills array with one record per name, reading each named file with readFile; false at the
// first file refused, the array then partly filled.
template <class TRecord, class TReadFile>
bool ReadSlots(CParameterArray& array, const std::vector<std::string>& paths, TReadFile readFile) {
  auto oldRecords = TakeRecords(array);
  array.Resize(0);
  for (const auto& path : paths) {
    auto record = NewRecord<TRecord>(oldRecords, array.size());
    record->SetFilePath(path);
    record->SetFinalName(path, true);
    if (!path.empty() && !readFile(path, *record)) {
      return false;
    }
    array.mParameters.push_back(record.release());
  }
  return true;
}

} // namespace

bool CDataSetReader::ReadPatches() {
  CSlotFileReader reader(mFailure);
  if (!ReadSlots<CPatch>(mData.mPatches, mData.mPatchOriginalNames,
                         [&reader](const std::string& path, CPatch& patch) {
                           return reader.ReadPatch(path, patch);
                         })) {
    return false;
  }
  ReadMemo(CParameter::kPatch);
  return true;
}

bool CDataSetReader::ReadTones() {
  CSlotFileReader reader(mFailure);
  if (!ReadSlots<CTone>(mData.mTones, mData.mToneOriginalNames,
                        [&reader](const std::string& path, CTone& tone) {
                          return reader.ReadTone(path, tone);
                        })) {
    return false;
  }
  LinkPatchesToTones();
  ReadMemo(CParameter::kTone);
  return true;
}

bool CDataSetReader::ReadWaves() {
  CSlotFileReader reader(mFailure);
  // Nothing is read from a wave file; it only has to open.
  if (!ReadSlots<CWave>(
          mData.mWaves, mData.mWaveOriginalNames,
          [&reader](const std::string& path, CWave&) { return reader.CanOpen(path); })) {
    return false;
  }
  LinkTonesToWaves();
  ReadMemo(CParameter::kWave);
  return true;
}

// A tone number beyond the tone list (the two bytes can name up to 16384) names no slot: it stays
// in the patch's bytes, but no tone lists the patch.
void CDataSetReader::LinkPatchesToTones() {
  const std::size_t toneCount = mData.mTones.size();
  for (std::size_t patchIndex = 0; patchIndex < mData.mPatches.size(); ++patchIndex) {
    for (unsigned toneNumber : mData.mPatches.Get(patchIndex)->GetToneNumbers()) {
      if (toneNumber >= 1 && toneNumber <= toneCount) {
        mData.mTones.Get(toneNumber - 1)->AddPatchIndex(static_cast<unsigned>(patchIndex), false);
      }
    }
  }
}

// Likewise a wave number beyond the wave list stays in the tone's bytes and links nothing.
void CDataSetReader::LinkTonesToWaves() {
  const std::size_t waveCount = mData.mWaves.size();
  for (std::size_t toneIndex = 0; toneIndex < mData.mTones.size(); ++toneIndex) {
    for (unsigned waveNumber : mData.mTones.Get(toneIndex)->GetWaveNumbers()) {
      if (waveNumber >= 1 && waveNumber <= waveCount) {
        mData.mWaves.Get(waveNumber - 1)->AddToneIndex(static_cast<unsigned>(toneIndex), false);
      }
    }
  }
}

void CDataSetReader::ReadMemo(EDataType kind) {
  const char* fileName = CMemoFile::FileName(kind);
  CParameterArray* records = mData.GetArray(kind);
  if (fileName == nullptr || records == nullptr) {
    return;
  }
  // A missing or unreadable memo file leaves the memos as they are.
  std::string text;
  if (UFileUtils::ReadWholeFile(CZelFileDocument::SystemPath(mData.mProjectPath + fileName),
                                text)) {
    CMemoFile::ReadText(text, *records);
  }
}

} // namespace Bris
