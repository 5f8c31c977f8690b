#pragma once

#include "store/CTrash.h"

#include <string>

namespace BrisTool {

// The desktop's Trash in the freedesktop.org layout that file managers read, for a program
// without a desktop toolkit: the file moves into Trash/files/ under the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share), and Trash/info/<name>.trashinfo records where it came
// from and when, so the desktop's file manager can put it back. A file on another file system
// than the Trash is refused (the caller then keeps it in its own fallback folder).
class CFreedesktopTrash : public Bris::CTrash {
public:
  // The Trash folder under the user's data folder; empty when there is none.
  CFreedesktopTrash();
  // A Trash folder of the caller's choosing.
  explicit CFreedesktopTrash(std::string trashFolder) : mTrashFolder(std::move(trashFolder)) {}

  bool MoveToTrash(const std::string& path) override;

  const std::string& GetTrashFolder() const { return mTrashFolder; }

  // path with every byte outside the unreserved characters and "/" written "%XX".
  static std::string EncodePath(const std::string& path);

private:
  // Creates info/<name>.trashinfo exclusively for the first free name; that name, or empty.
  std::string ReserveName(const std::string& fileName, const std::string& contents);

  std::string mTrashFolder;
};

} // namespace BrisTool
