#pragma once

#include "domain/CParameter.h"
#include "domain/CParameterArray.h"
#include "domain/CPatch.h"
#include "domain/CTone.h"
#include "formats/CSvdFileBuilder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Bris {

// Writes the files of a new project folder from records: slot files named "NNN name.ext" in the
// kind's subfolder, and memo files. For the demo project and for tests; an existing project is
// written by CZelFileDocument.
class CNewProjectWriter {
public:
  // projectPath: the project folder, ending in "/".
  explicit CNewProjectWriter(std::string projectPath);

  const std::string& GetProjectPath() const { return mProjectPath; }

  // Creates the project folder and "Patch/", "Tone/" and, when asked, "Wave/".
  bool CreateFolders(bool withWaveFolder = true) const;

  // project path + subfolder + index string of slotNumber (1-based) + name + extension.
  std::string GetSlotPath(CParameter::EDataType kind, int slotNumber, const std::string& name,
                          const std::string& extension) const;

  // Write slot slotNumber's file from the record (its name and reference blocks; see
  // CSvdFileBuilder for the other bytes). Return the file's path, or empty on failure.
  std::string WritePatch(int slotNumber, const CPatch& patch,
                         std::size_t fileSize = CSvdFileBuilder::kDefaultPatchFileSize) const;
  std::string WriteTone(int slotNumber, const CTone& tone,
                        std::size_t fileSize = CSvdFileBuilder::kDefaultToneFileSize) const;
  // A wave slot's file with the given contents, e.g. name "Kick", extension ".w00".
  std::string WriteWave(int slotNumber, const std::string& name, const std::string& extension,
                        const std::vector<unsigned char>& contents) const;
  // The kind's memo file from the records' memos.
  bool WriteMemoFile(CParameter::EDataType kind, const CParameterArray& records) const;

  // Creates or replaces the file at path with bytes.
  static bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);

private:
  std::string mProjectPath;
};

} // namespace Bris
