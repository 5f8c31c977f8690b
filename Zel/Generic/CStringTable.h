#pragma once

#include <string>

// The program's numbered string lists (English). Entries are numbered from 1 within a list.
class CStringTable {
public:
  static constexpr short kTitles = 1000;    // 1: base title of a new project
  static constexpr short kHelp = 1001;      // 1: Help menu item, 2: help document file name
  static constexpr short kErrors = 1002;    // error alerts
  static constexpr short kQuestions = 1003; // question alerts
  static constexpr short kChooser = 1004;   // project and import chooser labels and titles
  static constexpr short kLabels = 1005;    // dialog labels

  // Entry `index` of list `listId`; empty when the list has no such entry.
  static std::string Get(short listId, short index);

  // Number of entries of list `listId` (0 for an unknown list).
  static int Count(short listId);
};
