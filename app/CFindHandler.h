#pragma once

#include "app/CLibraryIndexWorker.h"
#include "app/SFindResult.h"
#include "index/CLibraryIndex.h"
#include "index/SIndexedSlot.h"

#include <QObject>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class CLibrarianApp;
class CLibrarianDoc;
class CLibraryIndexer;

// What the Find window does, without the window: the results for the typed text from every open
// project's data set (so unsaved renames and memos count) and, for projects that are not open,
// from the library index; opening a result's project and showing its slot; dragging results of
// open projects as the ordinary row drag of their list.
class CFindHandler : public QObject {
  Q_OBJECT

public:
  static constexpr std::size_t kMaxResults = 2000;

  // databasePath: the library index file (empty: an index in memory).
  CFindHandler(CLibrarianApp& app, const std::string& databasePath,
               std::vector<std::string> libraryFolders);
  ~CFindHandler() override;

  const std::vector<std::string>& GetLibraryFolders() const { return mLibraryFolders; }
  // New folders, then a new index update.
  void SetLibraryFolders(std::vector<std::string> folders);
  // Reads the project folders again in the background (only changed ones are read).
  void UpdateIndex();

  void SetText(const std::string& text);
  const std::string& GetText() const { return mText; }
  // Runs the search again, for open projects that changed or were opened or closed.
  void Refresh();
  const std::vector<SFindResult>& GetResults() const { return mResults; }
  // True while the index still owes an update or the answer to the latest search.
  bool IsBusy() const;

  // Opens the result's project when it is not open, then selects its slot, scrolls it into view
  // and brings the window forward. False when the project could not be opened.
  bool OpenResult(std::size_t resultIndex);
  // Starts the row drag of the results (those of the first result's project and kind, which must
  // be open) from their list; returns once the drag has ended. False when nothing was dragged.
  bool DragResults(const std::vector<std::size_t>& resultIndexes);

signals:
  void ResultsChanged();
  void IndexUpdated(Bris::CLibraryIndex::SUpdateReport report);

private:
  void CollectOpenResults(std::vector<SFindResult>& results) const;
  void MergeResults();
  void HandleIndexSlots(const std::vector<Bris::SIndexedSlot>& indexedSlots);
  std::vector<CLibrarianDoc*> OpenProjects() const;
  // The open document a result names: its own for a result of an open project, else the one
  // showing its folder now. Null when there is none.
  CLibrarianDoc* FindOpenProject(const SFindResult& result) const;

  CLibrarianApp& mApp;
  std::unique_ptr<CLibraryIndexer> mIndexer;
  std::vector<std::string> mLibraryFolders;
  std::string mText;
  std::vector<Bris::SIndexedSlot> mIndexSlots; // the index's answer for mText
  std::vector<SFindResult> mResults;
};
