#include "index/CProjectFolder.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "LibMac/Utility/ZelString.h"
#include "domain/CZelData.h"
#include "formats/CMemoFile.h"
#include "store/CZelFileDocument.h"
#include "store/FileExt.h"
#include "store/SlotFileNames.h"

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace Bris {

namespace {

constexpr CParameter::EDataType kKinds[] = {CParameter::kPatch, CParameter::kTone,
                                            CParameter::kWave};

const char* const* ExtensionsOf(CParameter::EDataType kind) {
  switch (kind) {
  case CParameter::kPatch:
    return FileExt_Patch;
  case CParameter::kTone:
    return FileExt_Tone;
  case CParameter::kWave:
    return FileExt_Wave;
  }
  return FileExt_Patch;
}

bool IsFolder(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Inode, size and modification time of path (links followed), or "-" when it is not there. The
// inode tells a memo file replaced by a new one even within one tick of the file system's clock.
std::string StatStamp(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    return "-;";
  }
  return std::to_string(status.st_ino) + ',' + std::to_string(status.st_size) + ',' +
         std::to_string(status.st_mtim.tv_sec) + '.' + std::to_string(status.st_mtim.tv_nsec) + ';';
}

// A digest of the names listed, independent of the order the file system lists them in: a
// rename within one tick of the clock leaves the folder's time as it was, but not its names.
std::string NamesStamp(const std::list<std::string>& paths) {
  std::uint64_t sum = 0;
  for (const auto& path : paths) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : path) {
      hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    sum += hash;
  }
  return std::to_string(paths.size()) + ':' + std::to_string(sum) + ';';
}

} // namespace

CProjectFolder::CProjectFolder(const std::string& projectPath)
    : mPath(Ux::WithoutTrailingSlash(projectPath) + "/") {}

bool CProjectFolder::IsProjectFolder(const std::string& folderPath) {
  const std::string folder = Ux::WithoutTrailingSlash(folderPath);
  return UFileUtils::CheckFileExtension(folder, FileExt_Project) && IsFolder(folder) &&
         IsFolder(folder + "/" + CZelFileDocument::sFolderName[CParameter::kPatch]) &&
         IsFolder(folder + "/" + CZelFileDocument::sFolderName[CParameter::kTone]);
}

bool CProjectFolder::List() {
  mStamp = StatStamp(mPath);
  for (const auto kind : kKinds) {
    const std::string folder = mPath + CZelFileDocument::sFolderName[kind];
    auto& files = mFiles[kind];
    files.clear();
    mStamp += StatStamp(folder);
    // A project without waves may lack its wave folder.
    if (kind == CParameter::kWave && !IsFolder(folder)) {
      continue;
    }
    try {
      UFileUtils::SearchFiles(folder, ExtensionsOf(kind), &files);
    } catch (const std::filesystem::filesystem_error&) {
      files.clear();
      return false;
    }
    mStamp += NamesStamp(files);
  }
  for (const auto kind : kKinds) {
    mStamp += StatStamp(mPath + CMemoFile::FileName(kind));
  }
  return true;
}

std::vector<SIndexedSlot> CProjectFolder::ReadSlots() const {
  std::vector<SIndexedSlot> slots;
  for (const auto kind : kKinds) {
    std::vector<std::string> useless;
    const std::vector<std::string> slotFiles =
        AssignFilesToSlots(mFiles[kind], CZelData::GetParameterSize(kind), useless);
    // Where each slot's record lands in slots, so that its memo lines can follow.
    std::vector<std::size_t> positions(slotFiles.size(), SIZE_MAX);
    for (std::size_t slotIndex = 0; slotIndex < slotFiles.size(); ++slotIndex) {
      if (slotFiles[slotIndex].empty()) {
        continue;
      }
      positions[slotIndex] = slots.size();
      SIndexedSlot& slot = slots.emplace_back();
      slot.projectPath = mPath;
      slot.kind = kind;
      slot.slotNumber = static_cast<int>(slotIndex + 1);
      slot.name = CParameter::FinalName(slotFiles[slotIndex], true);
    }
    // A missing or unreadable memo file leaves the memos empty, as it does for an open project.
    std::ifstream memos(mPath + CMemoFile::FileName(kind));
    if (memos) {
      CMemoFile::ReadLines(memos, slotFiles.size(),
                           [&](std::size_t slotIndex, int memoLine, const std::string& text) {
                             if (positions[slotIndex] != SIZE_MAX) {
                               slots[positions[slotIndex]].memos[memoLine] = text;
                             }
                           });
    }
  }
  return slots;
}

} // namespace Bris
