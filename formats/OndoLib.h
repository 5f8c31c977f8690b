#pragma once

#include "formats/PrmEntry.h"
#include "formats/SubPrmEntry.h"

#include <cstdint>

// Conversion between the instrument's packed parameter blocks (fields of any bit width, one after
// the other without byte alignment) and exclusive data (one byte per table entry), plus the
// single-value access of one field. Every routine works on caller-owned buffers, keeps no state,
// allocates nothing and never throws; a malformed table is the only failure.
namespace Bris {

// maskTbl[n] == 2^n - 1 for n = 0..32.
extern const std::uint32_t maskTbl[33];

// Packed -> exclusive data for the first `count` entries of `table`: one output byte per entry.
// Returns the number of entries converted (fewer when `count` ends inside a group), 0 for a count
// of 0 or less, or -1 when the table is malformed.
int OndoLibReadExcData(const unsigned char* packed, const PrmEntry* table, unsigned char* excData,
                       int count);

// Exclusive data -> packed, updating only the bits of the fields. A value that does not fit its
// field is stored as the entry's init. Returns the number of entries converted; malformed groups
// are skipped and not counted.
int OndoLibWriteExcData(unsigned char* packed, const PrmEntry* table, const unsigned char* excData,
                        int count);

// As OndoLibWriteExcData, but a value outside an entry's min..max (where they differ) leaves the
// packed field as it was instead of storing init.
int OndoLibWriteExcDataOut(unsigned char* packed, const PrmEntry* table,
                           const unsigned char* excData, int count);

// Displayed value (raw - offset) of one field; a raw value outside a set range reads as init.
int OndoLibReadValue(const unsigned char* packed, const PrmEntry& entry);

// Stores value + offset, clamped into the entry's range when it has one.
void OndoLibWriteValue(unsigned char* packed, const PrmEntry& entry, int value);

// Stores every entry's init (a group once, through its terminator).
void OndoLibClearValue(unsigned char* packed, const PrmEntry* table, int count);

// Displayed init; reports the displayed range (the whole width's range when the entry has none).
int OndoLibGetPrmInfo(const PrmEntry& entry, int& min, int& max);
int OndoLibReadInit(const PrmEntry& entry);

int OndoLibGetSubPrmInfo(const SubPrmEntry& sub, int& min, int& max);
int OndoLibReadSubInit(const SubPrmEntry& sub);

// The value of table[sub.index], or the record's init when it lies outside the record's range.
int OndoLibReadSubValue(const unsigned char* packed, const PrmEntry* table, const SubPrmEntry& sub);

// Clamps the value into the record's range and writes it through table[sub.index].
void OndoLibWriteSubValue(unsigned char* packed, const PrmEntry* table, const SubPrmEntry& sub,
                          int value);

// Writes each record's init through its entry.
void OndoLibClearSubValue(unsigned char* packed, const PrmEntry* table, const SubPrmEntry* subs,
                          int count);

} // namespace Bris
