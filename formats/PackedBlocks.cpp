#include "formats/PackedBlocks.h"

#include "formats/OndoLib.h"
#include "formats/PrmTbl.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

namespace Bris {

namespace {

// Every file read unpacks thousands of blocks through the same two tables, so each table is
// resolved while compiling into what reading one of its fields takes: load the bytes from the
// field's first byte (most significant first), shift right, mask, add the centring. The result is
// byte for byte what OndoLibReadExcData gives for the whole table; a table that the generic
// routine would not convert completely (a malformed group, a field outside the block) keeps using
// the routine.
struct SFieldRead {
  std::uint16_t byteOffset = 0;
  std::uint8_t byteCount = 0; // bytes loaded: four where the block has them, else those spanned
  std::uint8_t shift = 0;     // drops the loaded bits after the field
  std::uint8_t centring = 0;
  std::uint32_t mask = 0;
};

template <int kEntryCount> struct SBlockRead {
  bool usable = false;
  std::array<SFieldRead, kEntryCount> fields{};
};

// Widest piece a group terminator may hold in its own exclusive-data byte.
constexpr int kMaxTerminatorPieceBits = 7;

constexpr std::uint32_t MaskOf(int bits) {
  return bits >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << bits) - 1;
}

constexpr int FieldWidth(const PrmEntry& entry) {
  return entry.width < 0 ? -entry.width : entry.width;
}

constexpr bool IsGroupMember(const PrmEntry& entry) {
  return entry.width < 0 && entry.width > -8;
}

// Within the four bytes an access takes, and the bytes the field spans lie inside the block.
constexpr bool FitsBlock(const PrmEntry& entry, int blockSize) {
  const int bits = FieldWidth(entry) + entry.bitPos;
  return entry.bitPos <= 7 && bits <= 32 && entry.byteOffset + (bits + 7) / 8 <= blockSize;
}

// Signed parameters whose range dips below their offset are kept centred on 64 in exclusive data.
constexpr int CentringAmount(const PrmEntry& entry) {
  return (entry.min < entry.offset && entry.offset <= 63) ? 64 - entry.offset : 0;
}

constexpr SFieldRead FieldRead(const PrmEntry& entry, int blockSize, std::uint32_t mask,
                               int centring) {
  const int width = FieldWidth(entry);
  const int bits = width + entry.bitPos;
  const int byteCount = entry.byteOffset + 4 <= blockSize ? 4 : (bits + 7) / 8;
  SFieldRead field;
  field.byteOffset = entry.byteOffset;
  field.byteCount = static_cast<std::uint8_t>(byteCount);
  // A field of no bits reads 0 whatever is loaded; it loads nothing and shifts nothing.
  field.shift = static_cast<std::uint8_t>(width == 0 ? 0 : 8 * byteCount - bits);
  field.centring = static_cast<std::uint8_t>(centring);
  field.mask = width == 0 ? 0 : mask;
  if (width == 0) {
    field.byteCount = 0;
  }
  return field;
}

// How an entry takes part in a block: a field of its own, a piece of a group's value, or the
// group's end, whose field holds the whole value.
enum class EFieldKind : std::uint8_t { kPlain, kGroupPiece, kGroupEnd };

// Walks a table as the generic routines do, calling visit(index, kind, pieceBits) for each entry
// (pieceBits: the bits of its own piece of a group's value). False where those routines would not
// convert the whole table field by field: a malformed group or a field outside the block.
template <int kEntryCount, class TVisit>
constexpr bool WalkTable(const PrmEntry (&table)[kEntryCount], int blockSize, TVisit visit) {
  int index = 0;
  while (index < kEntryCount) {
    const PrmEntry& entry = table[index];
    if (entry.width >= 0) {
      if (!FitsBlock(entry, blockSize)) {
        return false;
      }
      visit(index, EFieldKind::kPlain, FieldWidth(entry));
      ++index;
      continue;
    }
    int memberBits = 0;
    int terminator = index;
    while (terminator < kEntryCount && IsGroupMember(table[terminator])) {
      memberBits += FieldWidth(table[terminator]);
      ++terminator;
    }
    if (terminator >= kEntryCount || table[terminator].width >= 0) {
      return false;
    }
    const int pieceBits = FieldWidth(table[terminator]) - memberBits;
    if (pieceBits < 0 || pieceBits > kMaxTerminatorPieceBits) {
      return false;
    }
    for (int i = index; i <= terminator; ++i) {
      if (!FitsBlock(table[i], blockSize)) {
        return false;
      }
    }
    for (int i = index; i < terminator; ++i) {
      visit(i, EFieldKind::kGroupPiece, FieldWidth(table[i]));
    }
    visit(terminator, EFieldKind::kGroupEnd, pieceBits);
    index = terminator + 1;
  }
  return true;
}

template <int kEntryCount>
constexpr SBlockRead<kEntryCount> ResolveTable(const PrmEntry (&table)[kEntryCount],
                                               int blockSize) {
  SBlockRead<kEntryCount> read;
  read.usable = WalkTable(table, blockSize, [&](int index, EFieldKind kind, int pieceBits) {
    const PrmEntry& entry = table[index];
    const std::uint32_t mask = MaskOf(FieldWidth(entry));
    // Members read their own piece; the terminator's byte keeps the lowest piece of the value.
    read.fields[index] =
        kind == EFieldKind::kPlain
            ? FieldRead(entry, blockSize, mask, CentringAmount(entry))
            : FieldRead(entry, blockSize,
                        kind == EFieldKind::kGroupEnd ? mask & MaskOf(pieceBits) : mask, 0);
  });
  return read;
}

constexpr auto kToneBlockRead = ResolveTable(kPatchTonePrmTbl, kPatchToneBlockSize);
constexpr auto kOscBlockRead = ResolveTable(kOscPrmTbl, kOscBlockSize);

// Fields are read from eight-byte words, each loaded from a four-byte boundary of the block: a
// field (at most 32 bits from its first byte, that byte at most three past the boundary) always
// lies inside the word of its own boundary, and neighbouring fields share one load.
constexpr std::size_t kWordBytes = 8;

constexpr std::size_t WordStart(std::size_t byteOffset) {
  return byteOffset & ~std::size_t{3};
}

// The eight bytes at bytes, most significant first.
std::uint64_t LoadWord(const unsigned char* bytes) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes, kWordBytes);
  if constexpr (std::endian::native == std::endian::little) {
    word = __builtin_bswap64(word);
  }
  return word;
}

template <const auto& kRead, std::size_t kIndex>
void ReadField(const unsigned char* block, unsigned char* exclusive) {
  constexpr SFieldRead kField = kRead.fields[kIndex];
  if constexpr (kField.mask == 0) {
    exclusive[kIndex] = kField.centring; // a field of no bits
  } else {
    constexpr std::size_t kStart = WordStart(kField.byteOffset);
    // Bits from the start of the word to the end of the field.
    constexpr std::size_t kEnd =
        8 * (kField.byteOffset - kStart) + 8 * kField.byteCount - kField.shift;
    static_assert(kEnd <= 8 * kWordBytes, "a field lies inside the word of its boundary");
    const std::uint64_t word = LoadWord(block + kStart);
    exclusive[kIndex] = static_cast<unsigned char>(
        ((word >> (8 * kWordBytes - kEnd)) & kField.mask) + kField.centring);
  }
}

// The block is copied first, with room for the last word: nothing written to exclusive can then
// change the bytes read, so the compiler loads each word once for all the fields it holds.
template <const auto& kRead, std::size_t kBlockSize, std::size_t... kIndex>
void ReadFields(const unsigned char* packed, unsigned char* exclusive,
                std::index_sequence<kIndex...>) {
  std::array<unsigned char, kBlockSize + kWordBytes> block{};
  std::memcpy(block.data(), packed, kBlockSize);
  (ReadField<kRead, kIndex>(block.data(), exclusive), ...);
}

template <const auto& kRead, std::size_t kBlockSize>
bool Unpack(const unsigned char* packed, const PrmEntry* table, unsigned char* exclusive) {
  constexpr int kEntryCount = static_cast<int>(kRead.fields.size());
  if constexpr (kRead.usable) {
    ReadFields<kRead, kBlockSize>(packed, exclusive, std::make_index_sequence<kEntryCount>{});
    return true;
  } else {
    return OndoLibReadExcData(packed, table, exclusive, kEntryCount) == kEntryCount;
  }
}

// Writing is resolved the same way: a save packs every record it checks, thousands of blocks.
// Each field keeps what OndoLibWriteExcData derives from its entry again for every block: where
// its bits lie in the word of its boundary, the bits of its value (a group's piece), its centring
// and the value that stands in for one that does not fit.

struct SFieldWrite {
  EFieldKind kind = EFieldKind::kPlain;
  std::uint8_t wordStart = 0; // the four-byte boundary the field's word is loaded from
  std::uint8_t shift = 0;     // bits after the field in that word
  std::uint8_t centring = 0;
  std::uint32_t mask = 0;      // of the field's bits; 0 for a field of no bits
  std::uint32_t pieceMask = 0; // group members and ends: of the piece the exclusive byte holds
  std::uint8_t pieceBits = 0;
  std::uint32_t init = 0;
};

template <int kEntryCount> struct SBlockWrite {
  bool usable = false;
  std::array<SFieldWrite, kEntryCount> fields{};
};

constexpr SFieldWrite FieldWrite(const PrmEntry& entry, EFieldKind kind, int pieceBits) {
  const int width = FieldWidth(entry);
  SFieldWrite field;
  field.kind = kind;
  field.wordStart = static_cast<std::uint8_t>(entry.byteOffset & ~3);
  field.shift = static_cast<std::uint8_t>(
      8 * kWordBytes - (8 * (entry.byteOffset - field.wordStart) + entry.bitPos + width));
  field.centring =
      static_cast<std::uint8_t>(kind == EFieldKind::kPlain ? CentringAmount(entry) : 0);
  field.mask = MaskOf(width);
  field.pieceBits = static_cast<std::uint8_t>(pieceBits);
  field.pieceMask = MaskOf(pieceBits);
  field.init = entry.init;
  return field;
}

template <int kEntryCount>
constexpr SBlockWrite<kEntryCount> ResolveWrites(const PrmEntry (&table)[kEntryCount],
                                                 int blockSize) {
  SBlockWrite<kEntryCount> write;
  write.usable = WalkTable(table, blockSize, [&](int index, EFieldKind kind, int pieceBits) {
    write.fields[index] = FieldWrite(table[index], kind, pieceBits);
  });
  return write;
}

constexpr auto kToneBlockWrite = ResolveWrites(kPatchTonePrmTbl, kPatchToneBlockSize);
constexpr auto kOscBlockWrite = ResolveWrites(kOscPrmTbl, kOscBlockSize);

void StoreWord(unsigned char* bytes, std::uint64_t word) {
  if constexpr (std::endian::native == std::endian::little) {
    word = __builtin_bswap64(word);
  }
  std::memcpy(bytes, &word, kWordBytes);
}

// Replaces the field's bits in its word; every other bit keeps its value.
template <const SFieldWrite& kField> void StoreField(unsigned char* block, std::uint32_t value) {
  if constexpr (kField.mask != 0) { // a field of no bits writes nothing
    constexpr std::uint64_t kFieldMask = std::uint64_t{kField.mask} << kField.shift;
    const std::uint64_t word = LoadWord(block + kField.wordStart);
    StoreWord(block + kField.wordStart,
              (word & ~kFieldMask) | (std::uint64_t{value & kField.mask} << kField.shift));
  }
}

// A group's pieces so far: combined most significant first, and whether each fitted its bits.
struct SGroupValue {
  std::uint64_t combined = 0;
  bool valid = true;
};

template <const auto& kWrite, std::size_t kIndex>
void PackField(unsigned char* block, const unsigned char* exclusive, SGroupValue& group) {
  static constexpr const SFieldWrite& kField = kWrite.fields[kIndex];
  const unsigned char byte = exclusive[kIndex];
  if constexpr (kField.kind == EFieldKind::kPlain) {
    const int value = static_cast<int>(byte) - kField.centring;
    const bool fits = value >= 0 && static_cast<std::uint32_t>(value) <= kField.mask;
    StoreField<kField>(block, fits ? static_cast<std::uint32_t>(value) : kField.init);
  } else {
    group.valid = group.valid && byte <= kField.pieceMask;
    group.combined = (group.combined << kField.pieceBits) | (byte & kField.pieceMask);
    if constexpr (kField.kind == EFieldKind::kGroupEnd) {
      const bool valid = group.valid && group.combined <= kField.mask;
      StoreField<kField>(block, valid ? static_cast<std::uint32_t>(group.combined) : kField.init);
      group = SGroupValue();
    }
  }
}

// As OndoLibWriteExcData on a zeroed block: a plain value that does not fit its field, and a
// group with a piece that does not fit its bits, are written as the entry's init. Fields are
// written in table order, so that where two share bits the later one wins there too.
template <const auto& kWrite, std::size_t kBlockSize, std::size_t... kIndex>
void PackFields(unsigned char* packed, const unsigned char* exclusive,
                std::index_sequence<kIndex...>) {
  std::array<unsigned char, kBlockSize + kWordBytes> block{};
  SGroupValue group;
  (PackField<kWrite, kIndex>(block.data(), exclusive, group), ...);
  std::memcpy(packed, block.data(), kBlockSize);
}

template <const auto& kWrite, std::size_t kBlockSize>
bool Pack(unsigned char* packed, const PrmEntry* table, const unsigned char* exclusive) {
  constexpr int kEntryCount = static_cast<int>(kWrite.fields.size());
  if constexpr (kWrite.usable) {
    PackFields<kWrite, kBlockSize>(packed, exclusive, std::make_index_sequence<kEntryCount>{});
    return true;
  } else {
    std::memset(packed, 0, kBlockSize);
    return OndoLibWriteExcData(packed, table, exclusive, kEntryCount) == kEntryCount;
  }
}

// The container forms: an unpack sizes the bytes first, a pack refuses bytes that are short.
template <class TBytes>
bool UnpackInto(const unsigned char* packed, TBytes& exclusive, int entryCount,
                bool (*unpack)(const unsigned char*, unsigned char*)) {
  exclusive.resize(static_cast<std::size_t>(entryCount));
  return unpack(packed, exclusive.data());
}

template <class TBytes>
bool PackFrom(unsigned char* packed, const TBytes& exclusive, int entryCount,
              bool (*pack)(unsigned char*, const unsigned char*)) {
  return exclusive.size() >= static_cast<std::size_t>(entryCount) && pack(packed, exclusive.data());
}

} // namespace

bool UnpackToneBlock(const unsigned char* packed, unsigned char* exclusive) {
  return Unpack<kToneBlockRead, kPatchToneBlockSize>(packed, kPatchTonePrmTbl, exclusive);
}

bool UnpackToneBlock(const unsigned char* packed, std::vector<unsigned char>& exclusive) {
  return UnpackInto(packed, exclusive, kPatchTonePrmCount, UnpackToneBlock);
}

bool UnpackToneBlock(const unsigned char* packed, CByteBlock& exclusive) {
  return UnpackInto(packed, exclusive, kPatchTonePrmCount, UnpackToneBlock);
}

bool PackToneBlock(unsigned char* packed, const unsigned char* exclusive) {
  return Pack<kToneBlockWrite, kPatchToneBlockSize>(packed, kPatchTonePrmTbl, exclusive);
}

bool PackToneBlock(unsigned char* packed, const std::vector<unsigned char>& exclusive) {
  return PackFrom(packed, exclusive, kPatchTonePrmCount, PackToneBlock);
}

bool PackToneBlock(unsigned char* packed, const CByteBlock& exclusive) {
  return PackFrom(packed, exclusive, kPatchTonePrmCount, PackToneBlock);
}

bool UnpackOscBlock(const unsigned char* packed, unsigned char* exclusive) {
  return Unpack<kOscBlockRead, kOscBlockSize>(packed, kOscPrmTbl, exclusive);
}

bool UnpackOscBlock(const unsigned char* packed, std::vector<unsigned char>& exclusive) {
  return UnpackInto(packed, exclusive, kOscPrmCount, UnpackOscBlock);
}

bool UnpackOscBlock(const unsigned char* packed, CByteBlock& exclusive) {
  return UnpackInto(packed, exclusive, kOscPrmCount, UnpackOscBlock);
}

bool PackOscBlock(unsigned char* packed, const unsigned char* exclusive) {
  return Pack<kOscBlockWrite, kOscBlockSize>(packed, kOscPrmTbl, exclusive);
}

bool PackOscBlock(unsigned char* packed, const std::vector<unsigned char>& exclusive) {
  return PackFrom(packed, exclusive, kOscPrmCount, PackOscBlock);
}

bool PackOscBlock(unsigned char* packed, const CByteBlock& exclusive) {
  return PackFrom(packed, exclusive, kOscPrmCount, PackOscBlock);
}

} // namespace Bris
