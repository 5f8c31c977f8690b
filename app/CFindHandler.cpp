#include "app/CFindHandler.h"

#include "LibMac/Utility/Ux.h"
#include "app/CLibrarianApp.h"
#include "app/CLibrarianDoc.h"
#include "app/CLibraryIndexer.h"
#include "app/CProjectWindow.h"
#include "domain/CParameterArray.h"
#include "domain/CZelData.h"
#include "views/CBaseTableView.h"
#include "views/CQuickFilter.h"

#include <QPoint>

#include <algorithm>
#include <set>

namespace {

using Bris::CParameter;

constexpr CParameter::EDataType kKinds[] = {CParameter::kPatch, CParameter::kTone,
                                            CParameter::kWave};

// A slot must be in sight to be shown or dragged: the window's quick filter, if any, goes.
void ShowAllRows(CProjectWindow& window) {
  if (CQuickFilter* filter = window.GetQuickFilter(); filter != nullptr && filter->IsActive()) {
    filter->Clear();
  }
}

} // namespace

CFindHandler::CFindHandler(CLibrarianApp& app, const std::string& databasePath,
                           std::vector<std::string> libraryFolders)
    : mApp(app), mIndexer(std::make_unique<CLibraryIndexer>(databasePath)),
      mLibraryFolders(std::move(libraryFolders)) {
  connect(mIndexer.get(), &CLibraryIndexer::SearchFinished, this, &CFindHandler::HandleIndexSlots);
  connect(mIndexer.get(), &CLibraryIndexer::UpdateFinished, this,
          [this](Bris::CLibraryIndex::SUpdateReport report) {
            // Projects read or removed change what the index answers.
            if (report.projectsRead > 0 || report.projectsRemoved > 0) {
              Refresh();
            }
            emit IndexUpdated(report);
          });
}

CFindHandler::~CFindHandler() = default;

void CFindHandler::SetLibraryFolders(std::vector<std::string> folders) {
  mLibraryFolders = std::move(folders);
  UpdateIndex();
}

void CFindHandler::UpdateIndex() {
  mIndexer->Update(mLibraryFolders);
}

void CFindHandler::SetText(const std::string& text) {
  mText = text;
  Refresh();
}

void CFindHandler::Refresh() {
  if (Bris::CSlotQuery(mText).IsEmpty()) {
    // Nothing typed lists nothing: every slot of the library is no answer to a search.
    mIndexer->CancelSearch();
    mIndexSlots.clear();
    mResults.clear();
    emit ResultsChanged();
    return;
  }
  mIndexer->Search(mText, kMaxResults);
  MergeResults(); // the open projects at once; the index's part follows when it answers
}

bool CFindHandler::IsBusy() const {
  return mIndexer->IsUpdating() || mIndexer->IsSearching();
}

void CFindHandler::HandleIndexSlots(const std::vector<Bris::SIndexedSlot>& indexedSlots) {
  mIndexSlots = indexedSlots;
  MergeResults();
}

void CFindHandler::MergeResults() {
  std::vector<SFindResult> results;
  CollectOpenResults(results);
  std::set<std::string> openPaths;
  for (CLibrarianDoc* document : OpenProjects()) {
    openPaths.insert(Ux::WithoutTrailingSlash(document->GetFolderPath()));
  }
  const Bris::CSlotQuery query(mText);
  for (const Bris::SIndexedSlot& slot : mIndexSlots) {
    if (results.size() >= kMaxResults) {
      break;
    }
    SFindResult result;
    result.projectPath = Ux::WithoutTrailingSlash(slot.projectPath);
    // An open project is shown as it is now, not as it was last saved.
    if (openPaths.count(result.projectPath) != 0) {
      continue;
    }
    if (!query.Matches(slot.name, slot.memos, &result.ranges)) {
      continue; // the index was answered for text typed earlier
    }
    result.kind = slot.kind;
    result.slotNumber = slot.slotNumber;
    result.name = slot.name;
    result.memos = slot.memos;
    results.push_back(std::move(result));
  }
  mResults = std::move(results);
  emit ResultsChanged();
}

void CFindHandler::CollectOpenResults(std::vector<SFindResult>& results) const {
  const Bris::CSlotQuery query(mText);
  for (CLibrarianDoc* document : OpenProjects()) {
    const Bris::CZelData& data = document->GetZelData();
    for (CParameter::EDataType kind : kKinds) {
      const Bris::CParameterArray* array = data.GetArray(kind);
      for (std::size_t index = 0; array != nullptr && index < array->size(); ++index) {
        const CParameter* record = (*array)[index];
        if (record == nullptr || record->IsBlank()) {
          continue;
        }
        SFindResult result;
        if (!query.Matches(*record, &result.ranges)) {
          continue;
        }
        if (results.size() >= kMaxResults) {
          return;
        }
        result.projectPath = Ux::WithoutTrailingSlash(document->GetFolderPath());
        result.kind = kind;
        result.slotNumber = static_cast<int>(index) + 1;
        result.name = record->GetName();
        for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
          result.memos[static_cast<std::size_t>(line)] = record->GetMemo(line);
        }
        result.isOpen = true;
        result.document = document;
        result.projectTitle = document->GetDescriptor().toStdString();
        results.push_back(std::move(result));
      }
    }
  }
}

std::vector<CLibrarianDoc*> CFindHandler::OpenProjects() const {
  std::vector<CLibrarianDoc*> projects;
  for (CDocument* document : mApp.GetDocuments()) {
    if (auto* project = dynamic_cast<CLibrarianDoc*>(document)) {
      projects.push_back(project);
    }
  }
  return projects;
}

CLibrarianDoc* CFindHandler::FindOpenProject(const SFindResult& result) const {
  for (CLibrarianDoc* document : OpenProjects()) {
    if (result.isOpen ? document == result.document
                      : Ux::WithoutTrailingSlash(document->GetFolderPath()) == result.projectPath) {
      return document;
    }
  }
  return nullptr;
}

bool CFindHandler::OpenResult(std::size_t resultIndex) {
  if (resultIndex >= mResults.size()) {
    return false;
  }
  SFindResult result = mResults[resultIndex]; // opening a project refreshes mResults
  CLibrarianDoc* document = FindOpenProject(result);
  if (document == nullptr) {
    // A project closed since the search opens again from its folder; a new one is gone.
    result.isOpen = false;
    if (result.projectPath.empty() || !mApp.OpenDocument(result.projectPath)) {
      return false;
    }
    document = FindOpenProject(result);
  }
  CProjectWindow* window = document != nullptr ? document->GetProjectWindow() : nullptr;
  if (window == nullptr) {
    return false;
  }
  CBaseTableView* table = window->GetTable(result.kind);
  ShowAllRows(*window);
  window->ClearTableSelection();
  table->SelectRow(result.slotNumber, false);
  table->ScrollRowIntoView(result.slotNumber);
  window->BringToFront();
  table->setFocus();
  Refresh();
  return true;
}

bool CFindHandler::DragResults(const std::vector<std::size_t>& resultIndexes) {
  if (resultIndexes.empty() || resultIndexes.front() >= mResults.size()) {
    return false;
  }
  const SFindResult& first = mResults[resultIndexes.front()];
  CLibrarianDoc* document = first.isOpen ? FindOpenProject(first) : nullptr;
  if (document == nullptr || document->GetProjectWindow() == nullptr) {
    return false;
  }
  // The drag is the list's own: its selection becomes the dragged results.
  CBaseTableView* table = document->GetProjectWindow()->GetTable(first.kind);
  ShowAllRows(*document->GetProjectWindow());
  table->ClearSelection();
  for (std::size_t index : resultIndexes) {
    if (index < mResults.size() && mResults[index].isOpen &&
        mResults[index].document == first.document && mResults[index].kind == first.kind) {
      table->SelectRow(mResults[index].slotNumber, true);
    }
  }
  table->TrackDrag(first.slotNumber, QPoint());
  Refresh();
  return true;
}
