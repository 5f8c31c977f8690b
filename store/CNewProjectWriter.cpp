#include "store/CNewProjectWriter.h"

#include "LibMac/Utility/ZelString.h"
#include "domain/CDomain.h"
#include "formats/CMemoFile.h"
#include "store/CZelFileDocument.h"

#include <filesystem>
#include <fstream>

namespace Bris {

namespace {

std::string SystemPath(const std::string& path) {
  return ReplacePathDelimiter(path, Domain().GetPathDelimiter());
}

// Different slots get different stand-in bytes.
std::uint32_t FillSeedOf(CParameter::EDataType kind, int slotNumber) {
  return static_cast<std::uint32_t>(kind + 1) * 100003u + static_cast<std::uint32_t>(slotNumber);
}

} // namespace

CNewProjectWriter::CNewProjectWriter(std::string projectPath)
    : mProjectPath(std::move(projectPath)) {
  if (!mProjectPath.empty() && mProjectPath.back() != '/') {
    mProjectPath += '/';
  }
}

bool CNewProjectWriter::CreateFolders(bool withWaveFolder) const {
  std::error_code error;
  for (int kind = CParameter::kPatch; kind <= CParameter::kWave; ++kind) {
    if (kind == CParameter::kWave && !withWaveFolder) {
      continue;
    }
    const std::string folder = SystemPath(mProjectPath + CZelFileDocument::sFolderName[kind]);
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error)) {
      return false;
    }
  }
  return std::filesystem::is_directory(SystemPath(mProjectPath), error);
}

std::string CNewProjectWriter::GetSlotPath(CParameter::EDataType kind, int slotNumber,
                                           const std::string& name,
                                           const std::string& extension) const {
  return mProjectPath + CZelFileDocument::sFolderName[kind] +
         CZelFileDocument::GetIndexStr(slotNumber) + name + extension;
}

std::string CNewProjectWriter::WritePatch(int slotNumber, const CPatch& patch,
                                          std::size_t fileSize) const {
  const std::string path = GetSlotPath(CParameter::kPatch, slotNumber, patch.GetName(), ".d00");
  const auto bytes =
      CSvdFileBuilder::MakePatchFile(patch, fileSize, FillSeedOf(CParameter::kPatch, slotNumber));
  return WriteBytes(path, bytes) ? path : std::string();
}

std::string CNewProjectWriter::WriteTone(int slotNumber, const CTone& tone,
                                         std::size_t fileSize) const {
  const std::string path = GetSlotPath(CParameter::kTone, slotNumber, tone.GetName(), ".p00");
  const auto bytes =
      CSvdFileBuilder::MakeToneFile(tone, fileSize, FillSeedOf(CParameter::kTone, slotNumber));
  return WriteBytes(path, bytes) ? path : std::string();
}

std::string CNewProjectWriter::WriteWave(int slotNumber, const std::string& name,
                                         const std::string& extension,
                                         const std::vector<unsigned char>& contents) const {
  const std::string path = GetSlotPath(CParameter::kWave, slotNumber, name, extension);
  return WriteBytes(path, contents) ? path : std::string();
}

bool CNewProjectWriter::WriteMemoFile(CParameter::EDataType kind,
                                      const CParameterArray& records) const {
  const char* fileName = CMemoFile::FileName(kind);
  if (fileName == nullptr) {
    return false;
  }
  std::ofstream out(SystemPath(mProjectPath + fileName), std::ios::trunc);
  CMemoFile::Write(out, records);
  out.close();
  return !out.fail();
}

bool CNewProjectWriter::WriteBytes(const std::string& path,
                                   const std::vector<unsigned char>& bytes) {
  std::ofstream out(SystemPath(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

} // namespace Bris
