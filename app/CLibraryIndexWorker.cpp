#include "app/CLibraryIndexWorker.h"

CLibraryIndexWorker::CLibraryIndexWorker(std::string databasePath)
    : mIndex(std::make_unique<Bris::CLibraryIndex>(
          databasePath.empty() ? std::string(":memory:") : std::move(databasePath))) {}

CLibraryIndexWorker::~CLibraryIndexWorker() = default;

void CLibraryIndexWorker::RequestStop() {
  mIndex->RequestStop();
}

void CLibraryIndexWorker::Update(const std::vector<std::string>& libraryFolders) {
  emit Updated(mIndex->Update(libraryFolders));
}

void CLibraryIndexWorker::Search(quint64 serial, const std::string& text, std::size_t limit) {
  if (serial != mLatestSearch.load()) {
    return;
  }
  emit Found(serial, mIndex->Search(text, limit));
}
