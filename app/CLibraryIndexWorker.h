#pragma once

#include "index/CLibraryIndex.h"
#include "index/SIndexedSlot.h"

#include <QMetaType>
#include <QObject>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

using SIndexedSlotList = std::vector<Bris::SIndexedSlot>;
Q_DECLARE_METATYPE(SIndexedSlotList)
Q_DECLARE_METATYPE(Bris::CLibraryIndex::SUpdateReport)

// One connection to the library index, living on a thread of its own: its functions are called
// there (queued) and its answers leave as signals for the user-interface thread. It reads only
// the database and the project folders' files, never the domain context.
class CLibraryIndexWorker : public QObject {
  Q_OBJECT

public:
  explicit CLibraryIndexWorker(std::string databasePath);
  ~CLibraryIndexWorker() override;

  // Any thread: a running Update ends after the project it is reading.
  void RequestStop();
  // Any thread: searches with an older serial are skipped, since their answer is no longer
  // wanted.
  void SetLatestSearch(quint64 serial) { mLatestSearch = serial; }

  // On the worker's thread.
  void Update(const std::vector<std::string>& libraryFolders);
  void Search(quint64 serial, const std::string& text, std::size_t limit);

signals:
  void Updated(Bris::CLibraryIndex::SUpdateReport report);
  void Found(quint64 serial, SIndexedSlotList indexedSlots);

private:
  std::unique_ptr<Bris::CLibraryIndex> mIndex;
  std::atomic<quint64> mLatestSearch = 0;
};
