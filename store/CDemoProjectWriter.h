#pragma once

#include <string>

namespace Bris {

// Writes the demo project a new user can open: a dozen patches, the tones they play and the waves
// those use, with memos, and one wave that came from an imported ".wav" file.
class CDemoProjectWriter {
public:
  static constexpr int kPatchCount = 12;
  static constexpr int kToneCount = 14;
  static constexpr int kWaveCount = 14; // the last one is the ".wav"
  static constexpr const char* kDemoProjectName = "Brisel Demo.prj";

  // Where the demo project belongs, and where the start window looks for it: the Documents
  // folder, then kDemoProjectName. Empty without a home folder.
  static std::string DefaultPath();

  // projectFolder: a folder path ending in ".prj" (any case, a trailing "/" allowed) that must not
  // exist yet; its parent folders are created when missing. On failure error says why, and a
  // partly written folder is removed again.
  static bool Write(const std::string& projectFolder, std::string& error);
};

} // namespace Bris
