#pragma once

#include "domain/CParameter.h"
#include "store/SOpenResult.h"

namespace Bris {

class CZelData;

// Fills a data set from the files its original-name lists name: one record per slot, each named
// patch and tone file read, each wave file opened, the references linked, then the kind's memo
// file. The records the arrays held are reused where they fit instead of being allocated again.
class CDataSetReader {
public:
  using EDataType = CParameter::EDataType;

  // failure receives the reason of the first file refused; it is left alone on success.
  CDataSetReader(CZelData& data, SOpenResult& failure) : mData(data), mFailure(failure) {}

  // Each false at the first file that could not be read; the array is then partly filled.
  // Tones link to the patches already read, waves to the tones.
  bool ReadPatches();
  bool ReadTones();
  bool ReadWaves();

private:
  void ReadMemo(EDataType kind);
  void LinkPatchesToTones();
  void LinkTonesToWaves();

  CZelData& mData;
  SOpenResult& mFailure;
};

} // namespace Bris
