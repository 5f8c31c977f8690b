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

  CZelTextOut::EDialogType type = CZelTextOut::kOk;
  EKind kind = kNote;
  std::string message; // UTF-8
  int buttonCount = 1; // 1..3: items 1..buttonCount are shown
  // Titles of items 1..3. An empty title of item 1 or 2 means the platform's own OK or Cancel.
  std::string defaultButton;
  std::string cancelButton;
  std::string otherButton;
};
