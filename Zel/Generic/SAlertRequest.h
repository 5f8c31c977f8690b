#pragma once

#include "Zel/Generic/CZelTextOut.h"

#include <string>

// Everything a platform alert shows. The runner reports the button pressed as an item number:
// 1 the default button, 2 the button in the cancel position, 3 the one in the other position.
struct SAlertRequest {
  enum EKind { kNote = 0, kCaution = 1, kStop = 2, kPlain = 3 };

  static constexpr int kItemDefault = 1;
  static constexpr int kItemCancel = 2;
  static constexpr int kItemOther = 3;

  // kTitled shows the titles below; kSaveChanges shows the platform's Save (item 1), Cancel
  // (item 2) and Don't Save (item 3) buttons in their standard roles, with mnemonics.
  enum EButtons { kTitled = 0, kSaveChanges = 1 };

  CZelTextOut::EDialogType type = CZelTextOut::kOk;
  EButtons buttons = kTitled;
  // The button Return presses. A question that destroys data makes its harmless answer the
  // default.
  int defaultItem = kItemDefault;
  EKind kind = kNote;
  std::string message; // UTF-8
  int buttonCount = 1; // 1..3: items 1..buttonCount are shown
  // Titles of items 1..3. An empty title of item 1 or 2 means the platform's own OK or Cancel.
  std::string defaultButton;
  std::string cancelButton;
  std::string otherButton;
};
