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

namespace {

// A reference from a record to the slot one of its numbers names (both 0-based indexes).
struct SLink {
  unsigned int target;
  unsigned int source;
};

// The links of sources 0..sourceCount-1 to targets 0..targetCount-1, in source order, each pair
// once: forEachNumber(source, take) hands every 1-based number the source holds to take, and
// numbers outside 1..targetCount are passed over.
template <class TForEachNumber>
std::vector<SLink> CollectLinks(std::size_t sourceCount, std::size_t targetCount,
                                std::size_t numbersPerSource, TForEachNumber forEachNumber) {
  constexpr unsigned int kNoSource = ~0u;
  std::vector<SLink> links;
  links.reserve(sourceCount * numbersPerSource);
  // The last source that linked each target: a repeated number of one source links once.
  std::vector<unsigned int> lastSource(targetCount, kNoSource);
  for (std::size_t index = 0; index < sourceCount; ++index) {
    const auto source = static_cast<unsigned int>(index);
    forEachNumber(index, [&](unsigned int number) {
      if (number >= 1 && number <= targetCount && lastSource[number - 1] != source) {
        lastSource[number - 1] = source;
        links.push_back({number - 1, source});
      }
    });
  }
  return links;
}

// Each target's back-reference list is sized once, then filled in source order. The lists are
// those of records just read, so empty, and each pair comes once: nothing needs looking up.
template <class TTarget, class TReserve, class TAdd>
void AddBackReferences(const std::vector<SLink>& links, CConcreteParameterArray<TTarget>& targets,
                       TReserve reserve, TAdd add) {
  std::vector<std::size_t> counts(targets.size(), 0);
  for (const SLink& link : links) {
    ++counts[link.target];
  }
  for (std::size_t target = 0; target < counts.size(); ++target) {
    if (counts[target] != 0) {
      reserve(*targets.Get(target), counts[target]);
    }
  }
  for (const SLink& link : links) {
    add(*targets.Get(link.target), link.source);
  }
}

} // namespace

// A tone number beyond the tone list (the two bytes can name up to 16384) names no slot: it stays
// in the patch's bytes, but no tone lists the patch.
void CDataSetReader::LinkPatchesToTones() {
  const auto links =
      CollectLinks(mData.mPatches.size(), mData.mTones.size(), CPatch::kPatchToneCount,
                   [this](std::size_t patchIndex, auto take) {
                     mData.mPatches.Get(patchIndex)->ForEachToneNumber(take);
                   });
  AddBackReferences(
      links, mData.mTones, [](CTone& tone, std::size_t count) { tone.ReservePatchIndexes(count); },
      [](CTone& tone, unsigned int patchIndex) { tone.AddPatchIndex(patchIndex, true); });
}

// Likewise a wave number beyond the wave list stays in the tone's bytes and links nothing.
void CDataSetReader::LinkTonesToWaves() {
  const auto links =
      CollectLinks(mData.mTones.size(), mData.mWaves.size(), CTone::kOscCount * COsc::kSectionCount,
                   [this](std::size_t toneIndex, auto take) {
                     mData.mTones.Get(toneIndex)->ForEachWaveNumber(take);
                   });
  AddBackReferences(
      links, mData.mWaves, [](CWave& wave, std::size_t count) { wave.ReserveToneIndexes(count); },
      [](CWave& wave, unsigned int toneIndex) { wave.AddToneIndex(toneIndex, true); });
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
