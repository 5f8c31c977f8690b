#pragma once

// The display settings every table shares: the list font (a UFontNumber and a point size), the
// grid lines, and the row height computed from the font. The application loads and saves them
// with the preferences; the tables read them when they draw.
class CTableSettings {
public:
  static inline short sFontNum = 0;         // 0 = the application font
  static inline short sFontSize = 0;        // points; 0 = the application font's size
  static inline signed char sGridState = 0; // 1 = grid lines drawn
  static inline short sRowHeight = 0;       // 0 = to be computed before next use

  // A new font also makes the row height be computed again.
  static void SetFont(short fontNum, short fontSize) {
    sFontNum = fontNum;
    sFontSize = fontSize;
    sRowHeight = 0;
  }
  static void SetGridState(signed char gridState) { sGridState = gridState; }
};
