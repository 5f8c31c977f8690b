#include "store/CFolderFacts.h"

#include <cerrno>
#include <dirent.h>
#include <filesystem>
#include <memory>
#include <system_error>
#include <unistd.h>

namespace Bris {

namespace {

// A folder asked about this often is cheaper to list once than to ask about each name.
constexpr unsigned kQuestionsBeforeListing = 32;

struct SCloseFolder {
  void operator()(DIR* folder) const { ::closedir(folder); }
};

} // namespace

std::string CFolderFacts::FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

bool CFolderFacts::CanCreateBeside(const std::string& path) {
  const std::string folder = FolderOf(path);
  SFolder& facts = mFolders[folder];
  if (!facts.askedCreatable) {
    std::error_code error;
    facts.creatable =
        std::filesystem::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
    facts.askedCreatable = true;
  }
  return facts.creatable;
}

bool CFolderFacts::MayExist(const std::string& path) {
  const std::string folder = FolderOf(path);
  const SFolder& facts = Asked(folder);
  return !facts.listed || facts.entries.count(path.substr(folder.size())) != 0;
}

bool CFolderFacts::IsListedAsPlainFile(const std::string& path) {
  const std::string folder = FolderOf(path);
  const SFolder& facts = Asked(folder);
  const auto entry = facts.entries.find(path.substr(folder.size()));
  return facts.listed && entry != facts.entries.end() && entry->second;
}

CFolderFacts::SFolder& CFolderFacts::Asked(const std::string& folder) {
  SFolder& facts = mFolders[folder];
  if (!facts.listed && ++facts.questions == kQuestionsBeforeListing) {
    List(folder, facts);
  }
  return facts;
}

void CFolderFacts::List(const std::string& folder, SFolder& facts) {
  const std::unique_ptr<DIR, SCloseFolder> listing(::opendir(folder.c_str()));
  if (listing == nullptr) {
    return; // not listed: every name is asked about on its own
  }
  facts.entries.clear();
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(listing.get());
    if (entry == nullptr) {
      // A listing that broke off proves nothing about the names it did not reach.
      facts.listed = errno == 0;
      return;
    }
    facts.entries.emplace(entry->d_name, entry->d_type == DT_REG);
  }
}

} // namespace Bris
