#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

namespace Bris {

class CTrash;

// Every change the store makes on disk goes through one object of this class, so that a test can
// make any single step fail, or stop the process at it, and so that a failed step can say what it
// was. Paths are full "/"-separated paths as the file system takes them. No step throws.
//
// Steps never truncate or replace a file under a slot name half-way: new contents are written to
// new files (under names of the caller's choosing, usually temporary), made durable with Flush,
// and only then renamed into place.
class CFileOperations {
public:
  // What the last failed step was.
  struct SError {
    std::string step; // "copy", "rename", "trash", "write", "create folder", "flush", "remove"
    std::string path;
    std::string reason; // the system's error text
  };

  CFileOperations() = default;
  virtual ~CFileOperations() = default;
  CFileOperations(const CFileOperations&) = delete;
  CFileOperations& operator=(const CFileOperations&) = delete;

  // Copies source byte for byte to destination, which is created or truncated.
  virtual bool CopyFile(const std::string& source, const std::string& destination);
  // Creates or truncates path and writes contents to it.
  virtual bool WriteFile(const std::string& path, const std::string& contents);
  // The same into a file this call creates: false when anything is at destination already, which
  // is then left as it was. A copy or write that breaks off removes the file it created.
  virtual bool CopyToNewFile(const std::string& source, const std::string& destination);
  virtual bool WriteNewFile(const std::string& path, const std::string& contents);
  // Renames from to to; with replace false, an existing file at to makes it fail. A failure names
  // to, the file the user knows.
  virtual bool Rename(const std::string& from, const std::string& to, bool replace);
  // Deletes one of the program's own files (a temporary or a sheltered copy); never a user's.
  virtual bool RemoveOwnFile(const std::string& path);
  // Moves a user's file out of the project, for good: into the installed Trash, or where none can
  // take it into the dated folder fallbackFolder (created when needed).
  virtual bool MoveToTrash(const std::string& path, const std::string& fallbackFolder);
  virtual bool CreateFolder(const std::string& path);
  // Makes the one folder path with the permissions mode: false when anything is there already.
  virtual bool CreateNewFolder(const std::string& path, mode_t mode);
  // Deletes one of the program's own folders, which must be empty.
  virtual bool RemoveOwnFolder(const std::string& path);
  // Renames the folder from to to where to is an empty folder (not a link to one). False, and no
  // failure recorded, when to is anything else or the file system cannot: the caller then moves
  // the files one by one.
  virtual bool ReplaceEmptyFolder(const std::string& from, const std::string& to);
  // Makes the contents of the files and the entries of the folders in paths durable; a folder
  // stands for the files directly in it too, so that a folder of new files needs no list of them.
  virtual bool Flush(const std::vector<std::string>& paths);

  // The next copy to destination keeps the bytes it wrote, for a caller that would read them
  // back at once (a copy whose reference blocks are rewritten next): a small file is then copied
  // by reading it, which costs fewer system calls than a copy in the kernel and a read after it.
  void KeepCopiedBytes(const std::string& destination) { mKeepBytesFor = destination; }
  // Moves the bytes the last copy kept for path into bytes. False when the last copy kept none
  // for path: the caller reads the file.
  bool TakeCopiedBytes(const std::string& path, std::string& bytes);

  const SError& GetLastError() const { return mLastError; }
  // Records a failure met outside these operations (errno error) as the last one; false.
  bool ReportFailure(const char* step, const std::string& path, int error);
  void ClearLastError() { mLastError = SError(); }
  // The last failure as one line: "step: path: reason".
  std::string DescribeLastError() const;

  // The process's Trash; not owned, kept alive by whoever installs it. Null: none.
  static void SetTrash(CTrash* trash) { sTrash = trash; }
  static CTrash* GetTrash() { return sTrash; }

protected:
  // Records a failed step with the current errno; false.
  bool Fail(const char* step, const std::string& path);
  bool Fail(const char* step, const std::string& path, const std::string& reason);

private:
  bool Copy(const std::string& source, const std::string& destination, bool asNewFile);
  // The copy of the size bytes of in (on device) to out: in the kernel where it can, else by
  // reading. False with errno set; sourceFailed tells which side it was.
  bool CopyWhole(int in, int out, dev_t device, off_t size, bool& sourceFailed);
  bool Write(const std::string& path, const std::string& contents, bool asNewFile);

  static inline CTrash* sTrash = nullptr;
  SError mLastError;
  // File systems (by device) that answered a reflink with "not supported".
  std::vector<dev_t> mDevicesWithoutSharing;
  std::string mKeepBytesFor; // the destination of the next copy that keeps its bytes
  std::string mKeptFor;      // the destination of the last copy that kept them
  std::string mKeptBytes;
};

} // namespace Bris
