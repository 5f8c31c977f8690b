#pragma once

#include "app/CLibraryIndexWorker.h"

#include <QObject>
#include <QThread>

#include <memory>
#include <string>
#include <vector>

// The library index for the user-interface thread: updates run on one thread, searches on
// another, so that typing is answered while a long first index is still being written (the
// database lets a search read while an update writes). Answers arrive as queued signals; only
// the answer to the latest search is passed on.
class CLibraryIndexer : public QObject {
  Q_OBJECT

public:
  // databasePath empty: the index lives in memory, and one thread does both.
  explicit CLibraryIndexer(const std::string& databasePath);
  // Stops a running update after its current project and waits for both threads.
  ~CLibraryIndexer() override;

  // Brings the index in line with the folders; a request while one runs is queued behind it.
  void Update(const std::vector<std::string>& libraryFolders);
  // Searches for text; an earlier search not yet answered is dropped.
  void Search(const std::string& text, std::size_t limit);
  // No answer to an earlier search is wanted any more.
  void CancelSearch();

  bool IsUpdating() const { return mPendingUpdates > 0; }
  bool IsSearching() const { return mAnsweredSearch != mLatestSearch; }

signals:
  void UpdateFinished(Bris::CLibraryIndex::SUpdateReport report);
  void SearchFinished(SIndexedSlotList indexedSlots);

private:
  // The worker that answers searches: its own, else (an index in memory) the updater.
  CLibraryIndexWorker* SearchWorker() const;
  void StartWorker(QThread& thread, CLibraryIndexWorker& worker);
  void HandleFound(quint64 serial, const SIndexedSlotList& indexedSlots);

  QThread mUpdateThread;
  QThread mSearchThread;
  std::unique_ptr<CLibraryIndexWorker> mUpdater;
  std::unique_ptr<CLibraryIndexWorker> mSearcher; // null when mUpdater searches too
  int mPendingUpdates = 0;
  std::vector<std::string> mLastFolders; // of the latest update requested
  quint64 mLatestSearch = 0;
  quint64 mAnsweredSearch = 0;
};
