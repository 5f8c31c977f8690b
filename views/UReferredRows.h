#pragma once

class CBaseTableView;

// The rows another list selects for a selection's references: when none of them is in sight,
// the list scrolls to the first one, so the user sees what the selection plays.
class UReferredRows {
public:
  static void Reveal(CBaseTableView* table);
};
