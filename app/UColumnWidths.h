#pragma once

#include "domain/CParameter.h"

#include <vector>

// The column widths a new project window's lists start with: the defaults, the widths the
// preferences hold ("General Settings"), and for the memo columns without a stored width a share
// of the width the window has to spare: a memo line is only readable when its column is wider
// than the 50 pixels every other list column starts with.
class UColumnWidths {
public:
  // The last four columns of every list hold memo lines 1 to 4.
  static constexpr int kMemoColumnsPerList = 4;
  // Beyond this a memo line of at most a few dozen bytes only gains blank space.
  static constexpr int kMaxSharedMemoWidth = 180;

  static std::vector<int> Defaults(Bris::CParameter::EDataType kind);
  // Replaces widths by the stored ones where the preferences hold a usable width; per column,
  // whether they did.
  static std::vector<bool> LoadStored(Bris::CParameter::EDataType kind, std::vector<int>& widths);

  // widths: each list's column widths; stored: per column, whether the preferences gave it.
  // Shares spare pixels evenly among the memo columns not stored, each up to kMaxSharedMemoWidth;
  // nothing for no spare width.
  static void ShareSpareWidth(std::vector<std::vector<int>>& widths,
                              const std::vector<std::vector<bool>>& stored, int spare);
};
