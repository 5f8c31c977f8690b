#pragma once

// The busy cursor for the lifetime of the object (an alert shown meanwhile gets the arrow back
// through StArrowCursor).
class StWatchCursor {
public:
  StWatchCursor();
  ~StWatchCursor();
  StWatchCursor(const StWatchCursor&) = delete;
  StWatchCursor& operator=(const StWatchCursor&) = delete;
};
