#pragma once

#include <string>

// Path helpers of this host. A file reference is the full path itself, so the
// conversions reduce to normalising a "/"-separated UTF-8 path.
namespace Ux {

// The standard folders the librarian uses.
enum EFolderType {
  kApplicationSupportFolder, // $XDG_DATA_HOME, else ~/.local/share
  kPreferencesFolder,        // $XDG_CONFIG_HOME, else ~/.config
  kDocumentsFolder,          // GetDocumentsFolderPath()
};

// The one Documents folder of the program, of its tools and of the desktop: XDG_DOCUMENTS_DIR of
// user-dirs.dirs when it names one, else ~/Documents (never the bare home folder by default).
// Without a trailing "/"; the folder may not exist. Empty without a home folder.
std::string GetDocumentsFolderPath();

// fileRef = the normalised form of path ("." and ".." resolved lexically, doubled "/" merged; a
// trailing "/" is kept). False, with fileRef empty, for an empty path.
bool ToFSSpec(const std::string& path, std::string& fileRef);
// path = the normalised form of fileRef; false, with path empty, for an empty fileRef.
bool ToPathName(const std::string& fileRef, std::string& path);
// The path of a file reference: the normalised reference; empty for an empty one.
std::string FSRefGetPath(const std::string& ref);

// Full path (without a trailing "/") of a standard folder, created when missing; empty when the
// folder cannot be found or created.
std::string GetSpecialFolderName(EFolderType folderType);

// path without its trailing "/" characters; the root "/" stays as it is.
std::string WithoutTrailingSlash(std::string path);
// True when a and b name the same existing or creatable folder once links, "." and ".." are
// resolved; trailing "/" characters do not matter. False when either cannot be resolved.
bool IsSameFolder(const std::string& a, const std::string& b);

} // namespace Ux
