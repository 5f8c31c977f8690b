#pragma once

#include "views/SDragData.h"

#include <QMimeData>

#include <memory>

// The life of one row drag, from the copy of the selection to the end of the drop: it owns the
// drag record, makes it the one record a payload may name, and when it ends (on every path) the
// record is no longer live and the domain clipboard is emptied, so the copied slots never outlive
// the drag.
class StRowDrag {
public:
  explicit StRowDrag(const SDragData& data);
  ~StRowDrag();
  StRowDrag(const StRowDrag&) = delete;
  StRowDrag& operator=(const StRowDrag&) = delete;

  SDragData& GetData() { return mData; }
  // The payload for the platform drag (which takes ownership of it).
  std::unique_ptr<QMimeData> MakeMimeData() const;

  // The record of the drag in progress, or null.
  static SDragData* GetLiveDragData() { return sLive; }

private:
  SDragData mData;
  SDragData* mPrevious;

  static inline SDragData* sLive = nullptr;
};
