#pragma once

#include "support/ProjectFixture.h"

#include <string>

namespace BrisBench {

// A project with every slot used (512 patch, 896 tone and 999 wave files, every memo line
// filled), written once per benchmark run into a temporary folder and removed at exit.
struct SFullProject {
  BrisTest::TempFolder folder;
  std::string path; // ends in ".prj/"
  BrisTest::ProjectListing listing;
};

const SFullProject& FullProject();

// Every patch slot (two tones each) and every tone slot (sixteen waves each) of a full project.
void AddFullPatchesAndTones(BrisTest::ProjectBuilder& builder);

} // namespace BrisBench
