#pragma once

#include "domain/CParameter.h"
#include "domain/CSlotQuery.h"

#include <array>
#include <string>
#include <vector>

class CLibrarianDoc;

// One slot the Find window lists: from an open project's data set as it is now (saved or not),
// or from the library index for a project that is not open.
struct SFindResult {
  std::string projectPath; // the project folder, without a trailing "/"
  Bris::CParameter::EDataType kind = Bris::CParameter::kPatch;
  int slotNumber = 0; // 1-based
  std::string name;
  std::array<std::string, Bris::CParameter::kMemoLineCount> memos;
  bool isOpen = false; // from an open project: it can be dragged into a project window
  // The open project's document (new projects have no folder yet); only compared, never
  // followed before it is found among the open documents again.
  const CLibrarianDoc* document = nullptr;
  std::string projectTitle; // of an open project
  std::vector<Bris::CSlotQuery::SMatchRange> ranges;
};
