#pragma once

// Shows the arrow for as long as the object lives when a busy cursor is set for the application,
// so that an alert or dialog opened during a long operation can be used. Does nothing otherwise.
class StArrowCursor {
public:
  StArrowCursor();
  ~StArrowCursor();
  StArrowCursor(const StArrowCursor&) = delete;
  StArrowCursor& operator=(const StArrowCursor&) = delete;

private:
  bool mPushed = false;
};
