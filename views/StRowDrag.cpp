#include "views/StRowDrag.h"

#include "domain/CDomain.h"
#include "views/RowDragPayload.h"

StRowDrag::StRowDrag(const SDragData& data) : mData(data), mPrevious(sLive) {
  sLive = &mData;
}

StRowDrag::~StRowDrag() {
  sLive = mPrevious;
  Bris::Domain().GetClipboard().Clear();
}

std::unique_ptr<QMimeData> StRowDrag::MakeMimeData() const {
  return RowDragPayload::MakeMimeData(mData);
}
