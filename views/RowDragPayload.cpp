#include "views/RowDragPayload.h"

#include "views/SDragData.h"
#include "views/StRowDrag.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace RowDragPayload {

namespace {

constexpr quint32 kMagic = 0x42726973; // 'Bris'
constexpr qsizetype kPayloadSize = 4 + 8 + 8;

} // namespace

QByteArray Encode(qint64 processId, quint64 address) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setVersion(QDataStream::Qt_6_0);
  out << kMagic << processId << address;
  return bytes;
}

bool Decode(const QByteArray& bytes, qint64& processId, quint64& address) {
  if (bytes.size() != kPayloadSize) {
    return false;
  }
  QDataStream in(bytes);
  in.setVersion(QDataStream::Qt_6_0);
  quint32 magic = 0;
  qint64 pid = 0;
  quint64 raw = 0;
  in >> magic >> pid >> raw;
  if (in.status() != QDataStream::Ok || magic != kMagic || raw == 0) {
    return false;
  }
  processId = pid;
  address = raw;
  return true;
}

std::unique_ptr<QMimeData> MakeMimeData(const SDragData& drag) {
  auto mime = std::make_unique<QMimeData>();
  mime->setData(kMimeType, Encode(QCoreApplication::applicationPid(),
                                  static_cast<quint64>(reinterpret_cast<quintptr>(&drag))));
  return mime;
}

bool IsBriselData(const QMimeData* mime) {
  return mime != nullptr && mime->hasFormat(kMimeType);
}

SDragData* ExtractDragData(const QMimeData* mime) {
  if (!IsBriselData(mime)) {
    return nullptr;
  }
  qint64 processId = 0;
  quint64 address = 0;
  if (!Decode(mime->data(kMimeType), processId, address) ||
      processId != QCoreApplication::applicationPid()) {
    return nullptr;
  }
  SDragData* live = StRowDrag::GetLiveDragData();
  return live != nullptr && static_cast<quint64>(reinterpret_cast<quintptr>(live)) == address
             ? live
             : nullptr;
}

} // namespace RowDragPayload
