#include "app/CLibraryIndexer.h"

CLibraryIndexer::CLibraryIndexer(const std::string& databasePath) {
  qRegisterMetaType<SIndexedSlotList>();
  qRegisterMetaType<Bris::CLibraryIndex::SUpdateReport>();
  mUpdater = std::make_unique<CLibraryIndexWorker>(databasePath);
  StartWorker(mUpdateThread, *mUpdater);
  if (!databasePath.empty()) {
    mSearcher = std::make_unique<CLibraryIndexWorker>(databasePath);
    StartWorker(mSearchThread, *mSearcher);
  }
  connect(
      mUpdater.get(), &CLibraryIndexWorker::Updated, this,
      [this](Bris::CLibraryIndex::SUpdateReport report) {
        --mPendingUpdates;
        emit UpdateFinished(report);
      },
      Qt::QueuedConnection);
}

CLibraryIndexer::~CLibraryIndexer() {
  mUpdater->RequestStop();
  for (QThread* thread : {&mUpdateThread, &mSearchThread}) {
    thread->quit();
    thread->wait();
  }
}

void CLibraryIndexer::StartWorker(QThread& thread, CLibraryIndexWorker& worker) {
  worker.moveToThread(&thread);
  connect(&worker, &CLibraryIndexWorker::Found, this, &CLibraryIndexer::HandleFound,
          Qt::QueuedConnection);
  thread.start();
}

void CLibraryIndexer::Update(const std::vector<std::string>& libraryFolders) {
  // One running and one waiting for the same folders already see every change made till now.
  if (mPendingUpdates >= 2 && libraryFolders == mLastFolders) {
    return;
  }
  mLastFolders = libraryFolders;
  ++mPendingUpdates;
  CLibraryIndexWorker* worker = mUpdater.get();
  QMetaObject::invokeMethod(
      worker, [worker, libraryFolders] { worker->Update(libraryFolders); }, Qt::QueuedConnection);
}

CLibraryIndexWorker* CLibraryIndexer::SearchWorker() const {
  return mSearcher != nullptr ? mSearcher.get() : mUpdater.get();
}

void CLibraryIndexer::Search(const std::string& text, std::size_t limit) {
  CLibraryIndexWorker* worker = SearchWorker();
  const quint64 serial = ++mLatestSearch;
  worker->SetLatestSearch(serial);
  QMetaObject::invokeMethod(
      worker, [worker, serial, text, limit] { worker->Search(serial, text, limit); },
      Qt::QueuedConnection);
}

void CLibraryIndexer::CancelSearch() {
  mAnsweredSearch = ++mLatestSearch;
  SearchWorker()->SetLatestSearch(mLatestSearch);
}

void CLibraryIndexer::HandleFound(quint64 serial, const SIndexedSlotList& indexedSlots) {
  if (serial != mLatestSearch) {
    return;
  }
  mAnsweredSearch = serial;
  emit SearchFinished(indexedSlots);
}
