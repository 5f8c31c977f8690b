#pragma once

#include "domain/CClipboard.h"
#include "domain/CConcreteParameterArray.h"
#include "domain/CPatch.h"
#include "domain/CTone.h"
#include "domain/CWave.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CZelTextOut;

namespace Bris {

class CZelData;
class CZelFileDocument;

// The one process-wide context of the domain (reached through Domain()): clipboard, undo buffer,
// output channels, path delimiter, work folder, clean options and the open project documents.
// Single-threaded; nothing is locked.
class CDomain {
public:
  // Output channels.
  enum ETextOutId {
    kErrorOut = 0,         // alerts and questions
    kBufferedErrorOut = 1, // records the latest error code
    kTextOut2 = 2,
    kTextOut3 = 3,
  };
  static constexpr int kTextOutCount = 4;

  // Clean Project options, in the order they are stored.
  enum ECleanOption {
    kKeepUnusedImportedWaves = 0,
    kKeepUnusedTones = 1,
    kKeepToneNumbers = 2,
    kKeepPatchNumbers = 3,
  };
  static constexpr int kCleanOptionCount = 4;

  // What CopyToUndoBuffer saves: one array (the EDataType values) or all three.
  static constexpr int kUndoPatches = CParameter::kPatch;
  static constexpr int kUndoTones = CParameter::kTone;
  static constexpr int kUndoWaves = CParameter::kWave;
  static constexpr int kUndoAll = 4;
  static constexpr int kUndoSlotCount = 2;

  // One open project document as the application knows it. isModified tells whether the project
  // has unsaved changes.
  struct SOpenDocument {
    CZelFileDocument* document = nullptr;
    CZelData* data = nullptr;
    std::function<bool()> isModified;
  };

  // Path delimiter "/", no work folder, clean options 0, undo buffer empty, no channels.
  CDomain();
  // Deletes the channel objects (each once) and every record held by the undo buffer and the
  // clipboard.
  virtual ~CDomain();
  CDomain(const CDomain&) = delete;
  CDomain& operator=(const CDomain&) = delete;

  // Back to the state of a new context in the same process, for tests and tools that run one
  // scenario after another: channels emptied (their objects deleted), clipboard and undo buffer
  // empty, path delimiter "/", no work folder, clean options 0, no open projects registered,
  // temporary numbering from 0 and no write stopped part-way. Call it with no project open; since
  // the numbering restarts, give the context a fresh work folder before anything is sheltered.
  void Reset();

  // The singleton when it has been created and not yet destroyed, else null. Lets objects that
  // may outlive it (data sets destroyed at exit) reach it without creating it again.
  static CDomain* GetExisting();

  CClipboard& GetClipboard() { return mClipboard; }

  // --- Output channels. The domain owns the objects; one object may sit in several channels and
  // is deleted once, when the last channel holding it lets it go.
  CZelTextOut* GetTextOut(ETextOutId id) const;
  CZelTextOut* GetErrorOut() const { return GetTextOut(kErrorOut); }
  CZelTextOut* GetBufferedErrorOut() const { return GetTextOut(kBufferedErrorOut); }
  // Installs out (may be null) in channel id; the object held before is deleted unless another
  // channel still holds it. Installing the object a channel already holds does nothing. An id
  // outside 0..3 is ignored and out stays with the caller.
  void SetTextOut(ETextOutId id, CZelTextOut* out);
  void SetErrorOut(CZelTextOut* out) { SetTextOut(kErrorOut, out); }
  void SetBufferedErrorOut(CZelTextOut* out) { SetTextOut(kBufferedErrorOut, out); }
  // Passes code to the buffered channel's Write(int) and remembers it.
  void SetLatestErrorCode(long code);
  // The code last passed through SetLatestErrorCode (0 before any).
  long GetLatestErrorCode() const { return mLatestErrorCode; }
  // Empties all four channels, deleting each distinct object once.
  void Initialize();

  // --- Strings fixed at start-up.
  const std::string& GetPathDelimiter() const { return mPathDelimiter; }
  void SetPathDelimiter(const std::string& delimiter) { mPathDelimiter = delimiter; }
  const std::string& GetWorkFolderPath() const { return mWorkFolderPath; }
  void SetWorkFolderPath(const std::string& path) { mWorkFolderPath = path; }

  // --- Process-wide file state of the store.
  // Numbers the temporary copies (imports, shelters) of the run: returns the next number and
  // moves on. Only Reset() starts again from 0.
  int TakeTempIndex() { return mTempIndex++; }
  // The number TakeTempIndex() gives next.
  int GetTempIndex() const { return mTempIndex; }
  // Set for the rest of the run once a write stopped after it had begun changing files: the work
  // folder may then hold the only copy of a slot's old file, so it must not be emptied at exit.
  void SetWriteStoppedPartWay() { mWriteStoppedPartWay = true; }
  bool IsWriteStoppedPartWay() const { return mWriteStoppedPartWay; }

  // --- Clean options (ECleanOption; non-zero = set). Other indexes read 0 and are not stored.
  int GetCleanOption(int i) const;
  void SetCleanOption(int i, int value);

  // Size in bytes of the file at path ("/"-separated; passed through the path delimiter); 0 for
  // an empty path or a file that cannot be opened; sizes beyond 32 bits read as 0xFFFFFFFF.
  std::uint32_t GetFileSize(const std::string& path) const;

  // --- Undo buffer: two slots, each a data set and snapshots of some of its arrays.
  // Saves the arrays of data chosen by kind (kUndoPatches/Tones/Waves or kUndoAll) into the slot
  // that already belongs to data, else the first free slot. Returns false and saves nothing when
  // data is null or both slots belong to other data sets. A slot keeps the first snapshot of each
  // array, the state before the edit. Any other kind saves nothing but still records data.
  bool CopyToUndoBuffer(int kind, CZelData* data);
  // Exchanges the saved arrays with the data sets' current ones (slot 0, then slot 1); calling it
  // again redoes.
  void Undo();
  // True when slot 0 has a data set.
  bool IsUndoReady() const;
  // True when the next Undo would put back the edit the last one took away.
  bool IsRedoNext() const { return IsUndoReady() && mRedoNext; }
  // Clears the six flags; the data set pointers stay.
  void ClearUndoReady();
  // Clears both data set pointers and all flags.
  void ClearUndoDoc();
  // Records data in the first free slot; nothing when both are taken.
  void SetUndoDoc(CZelData* data);
  // The first free slot (0 or 1), or -1 when both are taken.
  int GetNextUndoManager() const;
  // The data set of undo slot 0 or 1, or null.
  CZelData* GetUndoDoc(int slot) const;
  // True when an undo slot belongs to data.
  bool IsUndoDoc(const CZelData* data) const;

  // --- Registry of open project documents, in the application's order (the order registered).
  // Registering a document that is already registered replaces its entry in place; a null
  // document is ignored.
  void RegisterOpenDocument(const SOpenDocument& entry);
  void UnregisterOpenDocument(CZelFileDocument* document);
  const std::vector<SOpenDocument>& GetOpenDocuments() const { return mOpenDocuments; }
  // The data sets of the registered documents that have unsaved changes, in order.
  std::vector<CZelData*> GetModifiedZelData() const;
  // Every registered project document, in order.
  std::vector<CZelFileDocument*> GetOpenFileDocuments() const;

private:
  struct SUndoSlot {
    CZelData* data = nullptr;
    CConcreteParameterArray<CPatch> patches;
    CConcreteParameterArray<CTone> tones;
    CConcreteParameterArray<CWave> waves;
    bool hasPatches = false;
    bool hasTones = false;
    bool hasWaves = false;
  };

  bool IsHeldByAnotherChannel(int id, const CZelTextOut* out) const;
  static void SaveArrays(SUndoSlot& slot, int kind, CZelData& data);
  static void ExchangeArrays(SUndoSlot& slot);

  CClipboard mClipboard;
  std::string mPathDelimiter;
  int mCleanOptions[kCleanOptionCount] = {};
  SUndoSlot mUndoSlots[kUndoSlotCount];
  bool mRedoNext = false;
  std::string mWorkFolderPath;
  CZelTextOut* mTextOuts[kTextOutCount] = {};
  long mLatestErrorCode = 0;
  std::vector<SOpenDocument> mOpenDocuments;
  int mTempIndex = 0;
  bool mWriteStoppedPartWay = false;
};

// The one domain context, created on first use and destroyed at program exit.
CDomain& Domain();

} // namespace Bris
