#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <memory>

class QMimeData;
struct SDragData;

// The payload of a row drag: the private type below, holding the id of the process that started
// the drag and the address of its drag record. The address is never turned back into a pointer:
// a payload only names the drag record that this process currently has live (StRowDrag), so a
// payload from another process, a stale one or a forged one reads as no row drag at all.
namespace RowDragPayload {

inline constexpr char kMimeType[] = "application/x-brisel-rows";

QByteArray Encode(qint64 processId, quint64 address);
// False for anything but exactly what Encode writes.
bool Decode(const QByteArray& bytes, qint64& processId, quint64& address);

// A payload naming drag, from this process.
std::unique_ptr<QMimeData> MakeMimeData(const SDragData& drag);
// True when the drag carries the private type at all, wherever it comes from.
bool IsBriselData(const QMimeData* mime);
// The live drag record the payload names; null when the payload is missing or malformed, comes
// from another process, or names anything but the live record.
SDragData* ExtractDragData(const QMimeData* mime);

} // namespace RowDragPayload
