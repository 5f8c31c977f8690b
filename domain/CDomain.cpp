#include "domain/CDomain.h"

#include "LibMac/Utility/StFileDescriptor.h"
#include "LibMac/Utility/ZelString.h"
#include "Zel/Generic/CZelTextOut.h"
#include "domain/CZelData.h"

#include <algorithm>
#include <limits>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Bris {

namespace {

// Plain flags that outlive every static object, so that a data set destroyed late at exit can
// still ask whether the domain is there.
bool sDomainCreated = false;
bool sDomainDestroyed = false;

struct SDomainHolder {
  SDomainHolder() { sDomainCreated = true; }
  ~SDomainHolder() { sDomainDestroyed = true; }
  CDomain domain;
};

SDomainHolder& Holder() {
  static SDomainHolder holder;
  return holder;
}

bool IsValidTextOutId(int id) {
  return id >= 0 && id < CDomain::kTextOutCount;
}

} // namespace

CDomain& Domain() {
  return Holder().domain;
}

CDomain* CDomain::GetExisting() {
  if (!sDomainCreated || sDomainDestroyed) {
    return nullptr;
  }
  return &Holder().domain;
}

// "/" from the start: every path helper replaces "/" by the delimiter, and an empty one would
// glue the folders of every path together if anything ran before start-up set it.
CDomain::CDomain() : mPathDelimiter("/") {}

CDomain::~CDomain() {
  Initialize();
}

void CDomain::Reset() {
  Initialize();
  mClipboard.Clear();
  mClipboard.mInsertMode = 0;
  mClipboard.mCopy = 0;
  ClearUndoDoc();
  for (auto& slot : mUndoSlots) {
    slot.patches.Resize(0);
    slot.tones.Resize(0);
    slot.waves.Resize(0);
  }
  mPathDelimiter.assign(1, '/');
  mWorkFolderPath.clear();
  std::fill(std::begin(mCleanOptions), std::end(mCleanOptions), 0);
  mLatestErrorCode = 0;
  mOpenDocuments.clear();
  mTempIndex = 0;
  mWriteStoppedPartWay = false;
}

// --- Output channels

CZelTextOut* CDomain::GetTextOut(ETextOutId id) const {
  return IsValidTextOutId(id) ? mTextOuts[id] : nullptr;
}

void CDomain::SetTextOut(ETextOutId id, CZelTextOut* out) {
  if (!IsValidTextOutId(id) || mTextOuts[id] == out) {
    return;
  }
  CZelTextOut* previous = mTextOuts[id];
  mTextOuts[id] = out;
  if (previous != nullptr && !IsHeldByAnotherChannel(id, previous)) {
    delete previous;
  }
}

bool CDomain::IsHeldByAnotherChannel(int id, const CZelTextOut* out) const {
  for (int other = 0; other < kTextOutCount; ++other) {
    if (other != id && mTextOuts[other] == out) {
      return true;
    }
  }
  return false;
}

void CDomain::SetLatestErrorCode(long code) {
  mLatestErrorCode = code;
  if (CZelTextOut* buffered = GetBufferedErrorOut()) {
    buffered->Write(static_cast<int>(code));
  }
}

void CDomain::Initialize() {
  for (int id = 0; id < kTextOutCount; ++id) {
    SetTextOut(static_cast<ETextOutId>(id), nullptr);
  }
}

// --- Clean options

int CDomain::GetCleanOption(int i) const {
  return (i >= 0 && i < kCleanOptionCount) ? mCleanOptions[i] : 0;
}

void CDomain::SetCleanOption(int i, int value) {
  if (i >= 0 && i < kCleanOptionCount) {
    mCleanOptions[i] = value;
  }
}

// --- File size

std::uint32_t CDomain::GetFileSize(const std::string& path) const {
  if (path.empty()) {
    return 0;
  }
  const std::string hostPath = ReplacePathDelimiter(path, mPathDelimiter);
  // Opening the file proves it can be read; its size comes from the open descriptor, which is
  // far cheaper than seeking a stream (pastes measure every wave of a project).
  const StFileDescriptor file(::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.IsOpen()) {
    return 0;
  }
  struct stat info {};
  const bool measured = ::fstat(file.Get(), &info) == 0;
  // A folder can be opened here too but has no size of its own to report.
  if (!measured || !S_ISREG(info.st_mode) || info.st_size <= 0) {
    return 0;
  }
  // Larger files read as the largest size, so every limit check refuses them.
  constexpr auto kLargest = std::numeric_limits<std::uint32_t>::max();
  return static_cast<std::uint64_t>(info.st_size) > kLargest
             ? kLargest
             : static_cast<std::uint32_t>(info.st_size);
}

// --- Undo buffer

bool CDomain::CopyToUndoBuffer(int kind, CZelData* data) {
  if (data == nullptr) {
    return false;
  }
  // A data set saved twice keeps one slot: two slots on one data set would undo each other.
  SUndoSlot* target = nullptr;
  for (auto& slot : mUndoSlots) {
    if (slot.data == data) {
      target = &slot;
      break;
    }
  }
  if (target == nullptr) {
    const int free = GetNextUndoManager();
    if (free < 0) {
      return false;
    }
    target = &mUndoSlots[free];
  }
  SaveArrays(*target, kind, *data);
  target->data = data;
  mRedoNext = false;
  return true;
}

void CDomain::SaveArrays(SUndoSlot& slot, int kind, CZelData& data) {
  const bool all = (kind == kUndoAll);
  // The first snapshot of an array is the state before the edit; a later one would not be.
  if ((all || kind == kUndoPatches) && !slot.hasPatches) {
    slot.patches = data.mPatches;
    slot.hasPatches = true;
  }
  if ((all || kind == kUndoTones) && !slot.hasTones) {
    slot.tones = data.mTones;
    slot.hasTones = true;
  }
  if ((all || kind == kUndoWaves) && !slot.hasWaves) {
    slot.waves = data.mWaves;
    slot.hasWaves = true;
  }
}

void CDomain::Undo() {
  for (auto& slot : mUndoSlots) {
    ExchangeArrays(slot);
  }
  if (IsUndoReady()) {
    mRedoNext = !mRedoNext;
  }
}

// The records are owned exclusively by either side, so exchanging the pointer vectors is the
// same exchange as copying both ways, without cloning every record twice.
void CDomain::ExchangeArrays(SUndoSlot& slot) {
  if (slot.data == nullptr) {
    return;
  }
  if (slot.hasPatches) {
    std::swap(slot.data->mPatches.mParameters, slot.patches.mParameters);
  }
  if (slot.hasTones) {
    std::swap(slot.data->mTones.mParameters, slot.tones.mParameters);
  }
  if (slot.hasWaves) {
    std::swap(slot.data->mWaves.mParameters, slot.waves.mParameters);
  }
}

bool CDomain::IsUndoReady() const {
  return mUndoSlots[0].data != nullptr;
}

void CDomain::ClearUndoReady() {
  mRedoNext = false;
  for (auto& slot : mUndoSlots) {
    slot.hasPatches = false;
    slot.hasTones = false;
    slot.hasWaves = false;
  }
}

void CDomain::ClearUndoDoc() {
  ClearUndoReady();
  for (auto& slot : mUndoSlots) {
    slot.data = nullptr;
  }
}

void CDomain::SetUndoDoc(CZelData* data) {
  mRedoNext = false;
  const int free = GetNextUndoManager();
  if (free >= 0) {
    mUndoSlots[free].data = data;
  }
}

int CDomain::GetNextUndoManager() const {
  for (int slot = 0; slot < kUndoSlotCount; ++slot) {
    if (mUndoSlots[slot].data == nullptr) {
      return slot;
    }
  }
  return -1;
}

CZelData* CDomain::GetUndoDoc(int slot) const {
  return (slot >= 0 && slot < kUndoSlotCount) ? mUndoSlots[slot].data : nullptr;
}

bool CDomain::IsUndoDoc(const CZelData* data) const {
  if (data == nullptr) {
    return false;
  }
  return std::any_of(std::begin(mUndoSlots), std::end(mUndoSlots),
                     [data](const SUndoSlot& slot) { return slot.data == data; });
}

// --- Registry of open project documents

void CDomain::RegisterOpenDocument(const SOpenDocument& entry) {
  if (entry.document == nullptr) {
    return;
  }
  for (auto& registered : mOpenDocuments) {
    if (registered.document == entry.document) {
      registered = entry;
      return;
    }
  }
  mOpenDocuments.push_back(entry);
}

void CDomain::UnregisterOpenDocument(CZelFileDocument* document) {
  std::erase_if(mOpenDocuments,
                [document](const SOpenDocument& entry) { return entry.document == document; });
}

std::vector<CZelData*> CDomain::GetModifiedZelData() const {
  std::vector<CZelData*> modified;
  for (const auto& entry : mOpenDocuments) {
    if (entry.data != nullptr && entry.isModified && entry.isModified()) {
      modified.push_back(entry.data);
    }
  }
  return modified;
}

std::vector<CZelFileDocument*> CDomain::GetOpenFileDocuments() const {
  std::vector<CZelFileDocument*> documents;
  documents.reserve(mOpenDocuments.size());
  for (const auto& entry : mOpenDocuments) {
    documents.push_back(entry.document);
  }
  return documents;
}

} // namespace Bris
