#include "formats/OndoLib.h"

#include <algorithm>
#include <cstdint>

namespace Bris {

const std::uint32_t maskTbl[33] = {
    0x00000000u, 0x00000001u, 0x00000003u, 0x00000007u, 0x0000000Fu, 0x0000001Fu, 0x0000003Fu,
    0x0000007Fu, 0x000000FFu, 0x000001FFu, 0x000003FFu, 0x000007FFu, 0x00000FFFu, 0x00001FFFu,
    0x00003FFFu, 0x00007FFFu, 0x0000FFFFu, 0x0001FFFFu, 0x0003FFFFu, 0x0007FFFFu, 0x000FFFFFu,
    0x001FFFFFu, 0x003FFFFFu, 0x007FFFFFu, 0x00FFFFFFu, 0x01FFFFFFu, 0x03FFFFFFu, 0x07FFFFFFu,
    0x0FFFFFFFu, 0x1FFFFFFFu, 0x3FFFFFFFu, 0x7FFFFFFFu, 0xFFFFFFFFu,
};

namespace {

// Widest piece a group terminator may hold in its own exclusive-data byte.
constexpr int kMaxTerminatorPieceBits = 7;

enum class EWriteMode { kRepairToInit, kKeepOutOfRange };

int FieldWidth(const PrmEntry& entry) {
  return entry.width < 0 ? -entry.width : entry.width;
}

bool IsGroupMember(const PrmEntry& entry) {
  return entry.width < 0 && entry.width > -8;
}

// A field must lie within the four bytes the accumulator holds.
bool IsAddressable(const PrmEntry& entry) {
  return entry.bitPos <= 7 && FieldWidth(entry) + entry.bitPos <= 32;
}

// Signed parameters whose range dips below their offset are kept centred on 64 in exclusive data.
int CentringAmount(const PrmEntry& entry) {
  if (entry.width < 0) {
    return 0;
  }
  return (entry.min < entry.offset && entry.offset <= 63) ? 64 - entry.offset : 0;
}

bool HasRange(const PrmEntry& entry) {
  return entry.min != entry.max;
}

int BytesSpanned(const PrmEntry& entry) {
  return (FieldWidth(entry) + entry.bitPos + 7) / 8;
}

int ShiftOf(const PrmEntry& entry) {
  return 8 * BytesSpanned(entry) - (FieldWidth(entry) + entry.bitPos);
}

// Callers have checked IsAddressable.
std::uint32_t ReadField(const unsigned char* packed, const PrmEntry& entry) {
  const int width = FieldWidth(entry);
  if (width == 0) {
    return 0;
  }
  const unsigned char* bytes = packed + entry.byteOffset;
  std::uint64_t accumulator = 0;
  for (int i = 0; i < BytesSpanned(entry); ++i) {
    accumulator = (accumulator << 8) | bytes[i];
  }
  return static_cast<std::uint32_t>(accumulator >> ShiftOf(entry)) & maskTbl[width];
}

// Read-modify-write of the spanned bytes; every bit outside the field keeps its value.
void WriteField(unsigned char* packed, const PrmEntry& entry, std::uint32_t value) {
  const int width = FieldWidth(entry);
  if (width == 0) {
    return;
  }
  unsigned char* bytes = packed + entry.byteOffset;
  const int count = BytesSpanned(entry);
  std::uint64_t accumulator = 0;
  for (int i = 0; i < count; ++i) {
    accumulator = (accumulator << 8) | bytes[i];
  }
  const std::uint64_t fieldMask = static_cast<std::uint64_t>(maskTbl[width]) << ShiftOf(entry);
  accumulator =
      (accumulator & ~fieldMask) |
      ((static_cast<std::uint64_t>(value & maskTbl[width]) << ShiftOf(entry)) & fieldMask);
  for (int i = count - 1; i >= 0; --i) {
    bytes[i] = static_cast<unsigned char>(accumulator & 0xFF);
    accumulator >>= 8;
  }
}

// Where a group starting at `first` ends: the index of its terminator, or `count` when the
// count runs out first. Also sums the members' widths.
int FindTerminator(const PrmEntry* table, int first, int count, int& memberBits) {
  memberBits = 0;
  int index = first;
  while (index < count && IsGroupMember(table[index])) {
    memberBits += FieldWidth(table[index]);
    ++index;
  }
  return index;
}

// Bits of the terminator's own piece, or -1 when the group cannot be addressed.
int TerminatorPieceBits(const PrmEntry* table, int first, int terminator, int memberBits) {
  const int pieceBits = FieldWidth(table[terminator]) - memberBits;
  if (pieceBits < 0 || pieceBits > kMaxTerminatorPieceBits) {
    return -1;
  }
  for (int i = first; i <= terminator; ++i) {
    if (!IsAddressable(table[i])) {
      return -1;
    }
  }
  return pieceBits;
}

void WritePlain(unsigned char* packed, const PrmEntry& entry, unsigned char byte, EWriteMode mode) {
  const int value = static_cast<int>(byte) - CentringAmount(entry);
  if (mode == EWriteMode::kKeepOutOfRange && HasRange(entry) &&
      (value < entry.min || value > entry.max)) {
    return;
  }
  const bool fits = value >= 0 && static_cast<std::uint32_t>(value) <= maskTbl[FieldWidth(entry)];
  WriteField(packed, entry, fits ? static_cast<std::uint32_t>(value) : entry.init);
}

// Combines the pieces of a group, most significant first, and stores the value once through the
// terminator.
void WriteGroup(unsigned char* packed, const PrmEntry* table, const unsigned char* excData,
                int first, int terminator, int pieceBits, EWriteMode mode) {
  std::uint64_t combined = 0;
  bool valid = true;
  for (int i = first; i <= terminator; ++i) {
    const int bits = i == terminator ? pieceBits : FieldWidth(table[i]);
    if (excData[i] > maskTbl[bits]) {
      valid = false;
    }
    combined = (combined << bits) | (excData[i] & maskTbl[bits]);
  }
  const PrmEntry& entry = table[terminator];
  if (combined > maskTbl[FieldWidth(entry)]) {
    valid = false;
  }
  if (mode == EWriteMode::kKeepOutOfRange && HasRange(entry) &&
      (!valid || combined < entry.min || combined > entry.max)) {
    return;
  }
  WriteField(packed, entry, valid ? static_cast<std::uint32_t>(combined) : entry.init);
}

int WriteExcData(unsigned char* packed, const PrmEntry* table, const unsigned char* excData,
                 int count, EWriteMode mode) {
  int converted = 0;
  int index = 0;
  while (index < count) {
    const PrmEntry& entry = table[index];
    if (entry.width >= 0) {
      if (IsAddressable(entry)) {
        WritePlain(packed, entry, excData[index], mode);
        ++converted;
      }
      ++index;
      continue;
    }
    int memberBits = 0;
    const int terminator = FindTerminator(table, index, count, memberBits);
    if (terminator >= count) {
      break; // the count ends inside this group
    }
    const int pieceBits = TerminatorPieceBits(table, index, terminator, memberBits);
    if (pieceBits >= 0) {
      WriteGroup(packed, table, excData, index, terminator, pieceBits, mode);
      converted += terminator - index + 1;
    }
    index = terminator + 1;
  }
  return converted;
}

// A range whose min lies above its max admits no value; such an entry falls back to its init.
std::int64_t ClampToRange(std::int64_t value, const PrmEntry& entry) {
  if (entry.min > entry.max) {
    return entry.init;
  }
  return std::clamp<std::int64_t>(value, entry.min, entry.max);
}

} // namespace

int OndoLibReadExcData(const unsigned char* packed, const PrmEntry* table, unsigned char* excData,
                       int count) {
  if (count <= 0) {
    return 0;
  }
  int index = 0;
  while (index < count) {
    const PrmEntry& entry = table[index];
    if (entry.width >= 0) {
      if (!IsAddressable(entry)) {
        return -1;
      }
      excData[index] = static_cast<unsigned char>(ReadField(packed, entry) + CentringAmount(entry));
      ++index;
      continue;
    }
    int memberBits = 0;
    const int terminator = FindTerminator(table, index, count, memberBits);
    if (terminator >= count) {
      return index; // entries converted before this group
    }
    const int pieceBits = TerminatorPieceBits(table, index, terminator, memberBits);
    if (pieceBits < 0) {
      return -1;
    }
    for (int member = index; member < terminator; ++member) {
      excData[member] = static_cast<unsigned char>(ReadField(packed, table[member]));
    }
    excData[terminator] =
        static_cast<unsigned char>(ReadField(packed, table[terminator]) & maskTbl[pieceBits]);
    index = terminator + 1;
  }
  return count;
}

int OndoLibWriteExcData(unsigned char* packed, const PrmEntry* table, const unsigned char* excData,
                        int count) {
  return WriteExcData(packed, table, excData, count, EWriteMode::kRepairToInit);
}

int OndoLibWriteExcDataOut(unsigned char* packed, const PrmEntry* table,
                           const unsigned char* excData, int count) {
  return WriteExcData(packed, table, excData, count, EWriteMode::kKeepOutOfRange);
}

int OndoLibReadValue(const unsigned char* packed, const PrmEntry& entry) {
  std::int64_t raw = IsAddressable(entry) ? ReadField(packed, entry) : entry.init;
  if (HasRange(entry) && (raw < entry.min || raw > entry.max)) {
    raw = entry.init;
  }
  return static_cast<int>(raw - entry.offset);
}

void OndoLibWriteValue(unsigned char* packed, const PrmEntry& entry, int value) {
  if (!IsAddressable(entry)) {
    return;
  }
  std::int64_t raw = static_cast<std::int64_t>(value) + entry.offset;
  if (HasRange(entry)) {
    raw = ClampToRange(raw, entry);
  }
  WriteField(packed, entry, static_cast<std::uint32_t>(raw));
}

void OndoLibClearValue(unsigned char* packed, const PrmEntry* table, int count) {
  for (int i = 0; i < count; ++i) {
    if (!IsGroupMember(table[i]) && IsAddressable(table[i])) {
      WriteField(packed, table[i], table[i].init);
    }
  }
}

int OndoLibGetPrmInfo(const PrmEntry& entry, int& min, int& max) {
  min = entry.min - entry.offset;
  if (HasRange(entry)) {
    max = entry.max - entry.offset;
  } else {
    const std::int64_t widest =
        std::min<std::int64_t>(maskTbl[std::min(FieldWidth(entry), 32)], 2147483647);
    max = static_cast<int>(widest - entry.offset);
  }
  return OndoLibReadInit(entry);
}

int OndoLibReadInit(const PrmEntry& entry) {
  return entry.init - entry.offset;
}

int OndoLibGetSubPrmInfo(const SubPrmEntry& sub, int& min, int& max) {
  min = sub.min;
  max = sub.max;
  return sub.init;
}

int OndoLibReadSubInit(const SubPrmEntry& sub) {
  return sub.init;
}

int OndoLibReadSubValue(const unsigned char* packed, const PrmEntry* table,
                        const SubPrmEntry& sub) {
  const int value = OndoLibReadValue(packed, table[sub.index]);
  return (value < sub.min || value > sub.max) ? sub.init : value;
}

void OndoLibWriteSubValue(unsigned char* packed, const PrmEntry* table, const SubPrmEntry& sub,
                          int value) {
  // A record whose min lies above its max has no valid value; std::clamp must not see it.
  const int clamped = sub.min <= sub.max ? std::clamp<int>(value, sub.min, sub.max) : sub.init;
  OndoLibWriteValue(packed, table[sub.index], clamped);
}

void OndoLibClearSubValue(unsigned char* packed, const PrmEntry* table, const SubPrmEntry* subs,
                          int count) {
  for (int i = 0; i < count; ++i) {
    OndoLibWriteValue(packed, table[subs[i].index], subs[i].init);
  }
}

} // namespace Bris
