#pragma once

#include <vector>

// First-start widths of the memo columns: a memo line is only readable when its column is wider
// than the 50 pixels every other list column starts with, so the width a new window has to spare
// goes to the memo columns whose width the preferences do not hold.
class UMemoColumnWidths {
public:
  // The last four columns of every list hold memo lines 1 to 4.
  static constexpr int kMemoColumnsPerList = 4;
  // Beyond this a memo line of at most a few dozen bytes only gains blank space.
  static constexpr int kMaxSharedMemoWidth = 180;

  // widths: each list's column widths; stored: per column, whether the preferences gave it.
  // Shares spare pixels evenly among the memo columns not stored, each up to kMaxSharedMemoWidth;
  // nothing for no spare width.
  static void ShareSpareWidth(std::vector<std::vector<int>>& widths,
                              const std::vector<std::vector<bool>>& stored, int spare);
};
