#include "domain/CZelData.h"

#include "domain/ArrayOrWaves.h"
#include "domain/CDomain.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <utility>

namespace Bris {

namespace {

bool IsBlankRecord(const CParameter* record) {
  return record == nullptr || record->IsBlank();
}

template <class T>
void FillBlank(CConcreteParameterArray<T>& array, std::vector<std::string>& originalNames,
               unsigned int slotCount) {
  array.mParameters.reserve(slotCount);
  originalNames.reserve(slotCount);
  for (unsigned int i = 0; i < slotCount; ++i) {
    T* record = new T;
    record->SetFinalName("", false);
    array.mParameters.push_back(record);
    originalNames.emplace_back();
  }
}

} // namespace

CZelData::CZelData() {
  FillBlank(mPatches, mPatchOriginalNames, kPatchSlotCount);
  FillBlank(mTones, mToneOriginalNames, kToneSlotCount);
  FillBlank(mWaves, mWaveOriginalNames, kWaveSlotCount);
}

CZelData::~CZelData() {
  // A pending undo would otherwise swap arrays into a data set that no longer exists.
  CDomain* domain = CDomain::GetExisting();
  if (domain != nullptr && domain->IsUndoDoc(this)) {
    domain->ClearUndoDoc();
  }
}

unsigned int CZelData::GetParameterSize(CParameter::EDataType kind) {
  switch (kind) {
  case CParameter::kPatch:
    return kPatchSlotCount;
  case CParameter::kTone:
    return kToneSlotCount;
  case CParameter::kWave:
    return kWaveSlotCount;
  }
  return 0;
}

bool CZelData::SetProjectName(const std::string& path) {
  mProjectPath = path;
  auto dot = path.rfind('.');
  if (dot == std::string::npos) {
    return false;
  }
  std::string tail = path.substr(dot);
  for (auto& c : tail) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return tail == ".prj/";
}

void CZelData::DeletePatchArray() {
  mPatches.Resize(0);
}

void CZelData::DeleteToneArray() {
  mTones.Resize(0);
}

void CZelData::DeleteWaveArray() {
  mWaves.Resize(0);
}

unsigned int CZelData::GetDeletedSize(CParameter::EDataType kind) const {
  const CParameterArray* array = GetArray(kind);
  if (array == nullptr) {
    return 0;
  }
  return static_cast<unsigned int>(
      std::count_if(array->mParameters.begin(), array->mParameters.end(), IsBlankRecord));
}

std::vector<unsigned int> CZelData::GetDeletedIndexes(CParameter::EDataType kind) const {
  std::vector<unsigned int> blankIndexes;
  const CParameterArray* array = GetArray(kind);
  if (array == nullptr) {
    return blankIndexes;
  }
  for (std::size_t index = 0; index < array->size(); ++index) {
    if (IsBlankRecord((*array)[index])) {
      blankIndexes.push_back(static_cast<unsigned int>(index));
    }
  }
  return blankIndexes;
}

unsigned int CZelData::GetBlankTopIndex(CParameter::EDataType kind) const {
  const CParameterArray& array = ArrayOrWaves(kind);
  std::size_t top = array.size();
  while (top > 0 && IsBlankRecord(array[top - 1])) {
    --top;
  }
  return static_cast<unsigned int>(top);
}

bool CZelData::IsDeleteToInsert(CParameter::EDataType kind, unsigned int count) const {
  const CParameterArray& array = ArrayOrWaves(kind);
  if (count == 0 || count > array.size()) {
    return false;
  }
  return GetBlankTopIndex(kind) > array.size() - count;
}

bool CZelData::IsDeleteToOverwrite(CParameter::EDataType kind, unsigned int firstIndex,
                                   unsigned int count) const {
  const CParameterArray& array = ArrayOrWaves(kind);
  // Only the part of the range inside the list is looked at, whatever the caller passes.
  const std::size_t end = std::min<std::size_t>(array.size(), std::size_t{firstIndex} + count);
  for (std::size_t index = firstIndex; index < end; ++index) {
    if (!IsBlankRecord(array[index])) {
      return true;
    }
  }
  return false;
}

bool CZelData::IsDropEnable(CParameter::EDataType kind, unsigned int firstIndex,
                            unsigned int count) const {
  const std::size_t size = ArrayOrWaves(kind).size();
  // Summed in 64 bits so that a huge count cannot wrap around and pass.
  return firstIndex < size && std::uint64_t{firstIndex} + count <= size;
}

CParameterArray* CZelData::GetArray(CParameter::EDataType kind) {
  return const_cast<CParameterArray*>(std::as_const(*this).GetArray(kind));
}

const CParameterArray* CZelData::GetArray(CParameter::EDataType kind) const {
  switch (kind) {
  case CParameter::kPatch:
    return &mPatches;
  case CParameter::kTone:
    return &mTones;
  case CParameter::kWave:
    return &mWaves;
  }
  return nullptr;
}

std::vector<std::string>* CZelData::GetOriginalNames(CParameter::EDataType kind) {
  return const_cast<std::vector<std::string>*>(std::as_const(*this).GetOriginalNames(kind));
}

const std::vector<std::string>* CZelData::GetOriginalNames(CParameter::EDataType kind) const {
  switch (kind) {
  case CParameter::kPatch:
    return &mPatchOriginalNames;
  case CParameter::kTone:
    return &mToneOriginalNames;
  case CParameter::kWave:
    return &mWaveOriginalNames;
  }
  return nullptr;
}

const CParameterArray& CZelData::ArrayOrWaves(CParameter::EDataType kind) const {
  return Bris::ArrayOrWaves<const CParameterArray>(kind, mPatches, mTones, mWaves);
}

} // namespace Bris
