#pragma once

#include "domain/CParameter.h"

#include <cstdint>

class CBaseTableView;

// The record of one row drag, made by the list where the drag starts and discarded when the drag
// ends. The drag's payload names it only by address, and only this process reads it.
struct SDragData {
  CBaseTableView* source = nullptr;
  // The list that received the drop; null until a list accepts it.
  CBaseTableView* target = nullptr;
  // The source list's kind: the only kind of list that takes the drop.
  Bris::CParameter::EDataType sourceKind = Bris::CParameter::kPatch;
  std::uint32_t clickedRow = 0; // 1-based row under the mouse when the drag started
  std::uint32_t rowsBefore = 0; // selected rows above the clicked row
  std::uint32_t dropRow = 0;    // 1-based first row the drop affects, set by the target
  // Records of each kind in the clipboard once the selection was copied.
  std::uint32_t patchCount = 0;
  std::uint32_t toneCount = 0;
  std::uint32_t waveCount = 0;
  bool accepted = false;

  std::uint32_t GetCount(Bris::CParameter::EDataType kind) const {
    return kind == Bris::CParameter::kPatch  ? patchCount
           : kind == Bris::CParameter::kTone ? toneCount
           : kind == Bris::CParameter::kWave ? waveCount
                                             : 0;
  }
};
