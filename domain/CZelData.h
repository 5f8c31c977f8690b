#pragma once

#include "domain/CConcreteParameterArray.h"
#include "domain/CParameter.h"
#include "domain/CPatch.h"
#include "domain/CTone.h"
#include "domain/CWave.h"

#include <string>
#include <vector>

namespace Bris {

// One project in memory: a fixed number of slots of each kind (a blank slot holds a record with
// an empty file path), the file each slot had when the project was read or last written, and the
// project folder path. The arrays and name lists are used directly by index and size.
class CZelData {
public:
  static constexpr unsigned int kPatchSlotCount = 512;
  static constexpr unsigned int kToneSlotCount = 896;
  static constexpr unsigned int kWaveSlotCount = 999;

  // Every slot blank, every original name empty, no project path.
  CZelData();
  // Cancels a pending undo that refers to this data set before the records go.
  virtual ~CZelData();
  CZelData(const CZelData&) = delete;
  CZelData& operator=(const CZelData&) = delete;

  // Slot count of a kind; 0 for any other value.
  static unsigned int GetParameterSize(CParameter::EDataType kind);

  // Stores path as the project path; true when it ends in ".prj/" (any case).
  bool SetProjectName(const std::string& path);

  // Empty one array (size 0), before a reader refills it.
  void DeletePatchArray();
  void DeleteToneArray();
  void DeleteWaveArray();

  // Blank slots of a kind: their number and their indexes ascending; 0 / empty for other values.
  unsigned int GetDeletedSize(CParameter::EDataType kind) const;
  std::vector<unsigned int> GetDeletedIndexes(CParameter::EDataType kind) const;

  // In the four queries below, a kind other than kPatch and kTone selects the wave array.

  // Index of the first slot of the trailing run of blank slots: 0 when all are blank, the slot
  // count when the last slot is used.
  unsigned int GetBlankTopIndex(CParameter::EDataType kind) const;
  // True when inserting count slots would push a used slot off the end of the list.
  bool IsDeleteToInsert(CParameter::EDataType kind, unsigned int count) const;
  // True when a slot of firstIndex .. firstIndex + count - 1 is used (the part inside the list).
  bool IsDeleteToOverwrite(CParameter::EDataType kind, unsigned int firstIndex,
                           unsigned int count) const;
  // True when a block of count slots dropped at firstIndex fits into the list.
  bool IsDropEnable(CParameter::EDataType kind, unsigned int firstIndex, unsigned int count) const;

  // The array / original-name list of a kind; null for any other value.
  CParameterArray* GetArray(CParameter::EDataType kind);
  const CParameterArray* GetArray(CParameter::EDataType kind) const;
  std::vector<std::string>* GetOriginalNames(CParameter::EDataType kind);
  const std::vector<std::string>* GetOriginalNames(CParameter::EDataType kind) const;

  CConcreteParameterArray<CPatch> mPatches;
  CConcreteParameterArray<CTone> mTones;
  CConcreteParameterArray<CWave> mWaves;
  std::vector<std::string> mPatchOriginalNames;
  std::vector<std::string> mToneOriginalNames;
  std::vector<std::string> mWaveOriginalNames;
  // The project folder, ending in ".prj/".
  std::string mProjectPath;

private:
  const CParameterArray& ArrayOrWaves(CParameter::EDataType kind) const;
};

} // namespace Bris
