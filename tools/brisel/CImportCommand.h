#pragma once

#include "tools/brisel/CCommand.h"

#include <string>
#include <vector>

namespace BrisTool {

// brisel import PROJECT FILE...: the audio files go into the first blank wave slots, as the
// librarian's Import Waves does, then the project is saved.
class CImportCommand : public CCommand {
public:
  CImportCommand();

  // The librarian's rule for a file that may be imported: an audio extension, no leading ".",
  // none of the characters a slot name on the instrument cannot hold.
  static bool IsImportableName(const std::string& fileName);

protected:
  bool IsChanging() const override { return true; }
  void AddOptions(CLI::App& command) override;
  int Run(CToolContext& context) override;

private:
  std::string mProject;
  std::vector<std::string> mFiles;
};

} // namespace BrisTool
