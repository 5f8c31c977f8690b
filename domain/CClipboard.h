#pragma once

#include "domain/CConcreteParameterArray.h"
#include "domain/CPatch.h"
#include "domain/CTone.h"
#include "domain/CWave.h"

namespace Bris {

// What a drag carries between list views: clones of the copied slots and of the tones and waves
// they use, and the two flags the drag code sets for the drop.
class CClipboard {
public:
  // Empties the three arrays (deleting their records); the flags stay.
  void Clear();
  // The array holding the kind's records; every kind other than patches and tones gives the
  // waves.
  CParameterArray& GetArray(CParameter::EDataType kind);

  CConcreteParameterArray<CPatch> mPatches;
  CConcreteParameterArray<CTone> mTones;
  CConcreteParameterArray<CWave> mWaves;
  // 1 while the drop would insert (Option key held), 0 while it would replace.
  int mInsertMode = 0;
  // 1 while the drag would copy, 0 while it would move.
  int mCopy = 0;
};

} // namespace Bris
