#pragma once

// What FindCommandStatus reports for one command: whether its menu item is enabled, and whether
// it carries a check mark.
struct SCommandStatus {
  bool enabled = false;
  bool usesMark = false;
  bool checked = false;
};
