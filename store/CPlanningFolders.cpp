#include "store/CPlanningFolders.h"

#include "store/CZelFileDocument.h"

#include <filesystem>
#include <system_error>

namespace Bris {

namespace fs = std::filesystem;

CPlanningFolders::CPlanningFolders(const std::string& target) {
  Make(target);
  for (const char* sub : CZelFileDocument::sFolderName) {
    Make(target + "/" + sub);
  }
}

CPlanningFolders::~CPlanningFolders() {
  for (auto made = mMade.rbegin(); made != mMade.rend(); ++made) {
    std::error_code error;
    fs::remove(*made, error); // fails, and so keeps it, when anything was put inside
  }
}

void CPlanningFolders::Make(const std::string& folder) {
  std::error_code error;
  if (fs::create_directory(folder, error)) {
    mMade.push_back(folder);
  }
}

} // namespace Bris
