#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// The preferences file, held whole in one memory buffer and read and edited in place.
//
// The text is a list of sections, each introduced by a tag line "[Tag]" and holding parameter
// lines "Name = value,value,...". Lines are written with CR LF; when reading, CR, LF and CR LF
// each end a line, so that a hand-edited file reads as it looks. Values are
// neither quoted nor escaped: a string value cannot hold "," and loses its leading and trailing
// blanks, and a caller must never pass CR or LF in one.
//
// Call SeekTag first, then any number of get or set calls on that section. Get calls never create
// anything; set calls create the parameter line and missing value positions. Tags, names and
// strings are byte strings of at most 255 bytes. Single-threaded: every call moves the shared
// scanning positions.
class UPreference {
public:
  // A point is stored as two values, v then h; a rectangle as top, left, bottom, right.
  struct Point {
    long v = 0;
    long h = 0;
  };
  struct Rect {
    long top = 0;
    long left = 0;
    long bottom = 0;
    long right = 0;
  };

  // Error codes of LoadFile / SaveFile.
  static constexpr int kNoErr = 0;
  static constexpr int kIOErr = -36;
  static constexpr int kFileNotFoundErr = -43;
  static constexpr int kFolderNotFoundErr = -120;

  static constexpr std::size_t kMaxStringBytes = 255;

  // Reads the file name in the preferences folder into the buffer. A missing folder or file
  // returns its error code and leaves no buffer.
  static int LoadFile(const std::string& name);
  static int LoadFile(const char* name) { return LoadFile(std::string(name)); }
  // Reads the given file into the buffer (no buffer when it cannot be read).
  static int LoadFile(const std::filesystem::path& file);
  // Writes the buffer to the file name in the preferences folder (created when missing). The
  // creator and type codes have no place on this host's files and are accepted for the record.
  static int SaveFile(const std::string& name, std::uint32_t creator, std::uint32_t type);
  static int SaveFile(const char* name, std::uint32_t creator, std::uint32_t type) {
    return SaveFile(std::string(name), creator, type);
  }
  // Writes the first sDataSize bytes of the buffer (nothing without one) over the given file.
  // The new contents are written beside the old file and renamed into place, so a failed write
  // never leaves a truncated file.
  static int SaveFile(const std::filesystem::path& file, std::uint32_t creator, std::uint32_t type);
  // Releases the buffer and resets every position.
  static void CleanUp();

  // Makes tag the current section: the first "[tag]" anywhere in the data (also inside a value).
  // Without one, create appends the section at the end of the data.
  static bool SeekTag(const std::string& tag, bool create);
  // Finds the parameter line name in the current section; create inserts it as the section's
  // first line.
  static bool SeekParam(const std::string& name, bool create);

  // Value index of the parameter as an integer; defaultValue when the parameter or the value is
  // missing or the value is empty.
  static long GetParamValue(const std::string& name, long defaultValue, unsigned short index = 0);
  // Value index as text (possibly empty); defaultValue when the parameter or position is missing.
  static std::string GetParamString(const std::string& name, const std::string& defaultValue,
                                    unsigned short index = 0);
  // Values index, index + 1 as v, h. The result starts as defaultPoint (zero when null); every
  // value found overwrites one coordinate, an empty one with 0.
  static void GetParamPoint(const std::string& name, Point& point, const Point* defaultPoint,
                            unsigned short index = 0);
  // Values index .. index + 3 as top, left, bottom, right, read like GetParamPoint.
  static void GetParamRect(const std::string& name, Rect& rect, const Rect* defaultRect,
                           unsigned short index = 0);

  static void SetParamValue(const std::string& name, long value, unsigned short index = 0);
  static void SetParamString(const std::string& name, const std::string& value,
                             unsigned short index = 0);
  static void SetParamPoint(const std::string& name, const Point& point, unsigned short index = 0);
  static void SetParamRect(const std::string& name, const Rect& rect, unsigned short index = 0);

  // The bytes in use (empty without a buffer), and whether a buffer exists at all.
  static std::string GetData();
  static bool HasData() { return sDataH != nullptr; }
  // Full path of the file name in the preferences folder; empty when the folder is unknown.
  static std::string GetPreferencesFilePath(const std::string& name);

private:
  using Pos = std::int32_t;

  static char At(Pos pos) { return (*sDataH)[static_cast<std::size_t>(pos)]; }
  static bool IsLineEnd(Pos pos);
  static Pos SkipBlanks(Pos pos);
  static Pos NextLineStart(Pos pos);
  static Pos ValueEnd(Pos pos);
  static std::string TrimmedText(Pos from, Pos to);
  static bool FindValue(const std::string& name, unsigned short index, Pos& valuePos);
  static std::string ReadValue(Pos& pos, bool& lineEnded);
  static bool Insert(Pos pos, const std::string& text);
  static void Delete(Pos pos, Pos count);
  static void WriteValue(const std::string& name, const std::string& text, unsigned short index);

  static std::unique_ptr<std::vector<char>> sDataH; // null until loaded or first edited
  static Pos sDataSize;                             // bytes in use; the block may be larger
  static Pos sCurrPos;
  static Pos sTagPos;   // start of the line after the current tag line
  static Pos sParamPos; // just after the "=" of the current parameter line
  static std::string sWorkString;
};
