#pragma once

#include <functional>
#include <iosfwd>
#include <list>
#include <string>
#include <string_view>
#include <system_error>

// The store's file-system utilities on this host. A file reference is the file's full path
// (UTF-8, "/"-separated), so no separate reference type exists. Callers pass paths that have
// already gone through the path delimiter conversion.
class UFileUtils {
public:
  // What SearchFiles returns once the whole folder was listed.
  static constexpr int kEndOfListing = 0;

  // Appends to paths the full path of every plain file (not a folder) directly inside folder whose
  // name matches one of the patterns (a null-terminated list, see IsEqualExt), in the order the
  // file system lists them. Returns kEndOfListing. A folder that cannot be listed raises
  // std::filesystem::filesystem_error, as every listing failure of the file system does.
  static int SearchFiles(const std::string& folder, const char* const* patterns,
                         std::list<std::string>* paths);
  // SearchFiles for callers that must not meet an exception: false, with error set, when the
  // folder cannot be listed (paths then keeps what was listed before the failure).
  static bool ListFiles(const std::string& folder, const char* const* patterns,
                        std::list<std::string>& paths, std::error_code& error);
  // Finds the files like SearchFiles and, unless countOnly, deletes them. Returns their number.
  static int DeleteSubFiles(const std::string& folder, const char* const* patterns, bool countOnly);

  // True when name ends with pattern (any case); otherwise the pattern is compared with the name
  // from its last "." on, with regard to case, where "*" matches the rest of the name. A name
  // without "." matches only by its ending.
  static bool IsEqualExt(std::string_view name, std::string_view pattern);
  // True when name ends with ext, compared without regard to case.
  static bool CheckFileExtension(std::string_view name, std::string_view ext);

  // The absolute, normalised path of fileRef; empty when it cannot be formed or exceeds 1024 bytes.
  // This host has one path form, so utf8 makes no difference.
  static void GetFullPathString(const std::string& fileRef, std::string& path, bool utf8);
  // True for a folder (following links). A file-system error other than "does not exist" raises
  // std::filesystem::filesystem_error.
  static bool IsFolder(const std::string& fileRef);
  // True when path is a plain file that could be opened with mode (R_OK, W_OK or both), asked
  // without opening it: a check that opened every file of a project would cost as much as
  // reading them.
  static bool IsAccessibleFile(const std::string& path, int mode);
  // The whole contents of the plain file at path with one open and as few reads as its size
  // takes. False when it cannot be opened or is no plain file (contents is then undefined).
  static bool ReadWholeFile(const std::string& path, std::string& contents);

  // The system encoding of this host is UTF-8: the conversions keep the bytes and only enforce
  // the 255-byte limit of the names they carry, never splitting a character.
  static std::string UTF8ToSystemEncoding(const std::string& utf8);
  static std::string SystemEncodingToUTF8(const std::string& system);
  // True for every byte of a character that takes more than one byte (any byte of 0x80 and up).
  static bool Is2byteChar(unsigned char byte);
  // Case-insensitive search of c in text: forward from position from, or backward from the end.
  // Return the position, or std::string::npos.
  static std::string::size_type FindChar(const std::string& text, char c,
                                         std::string::size_type from);
  static std::string::size_type ReverseFindChar(const std::string& text, char c);

  // Writes a file so that it is never seen half-written: writer fills a new file beside path,
  // which is then synced and renamed over path. Returns false, and leaves any old file at path
  // as it was, when the new file cannot be created, written or renamed into place.
  static bool ReplaceFileContents(const std::string& path,
                                  const std::function<void(std::ostream&)>& writer);
};
