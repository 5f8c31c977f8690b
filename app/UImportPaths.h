#pragma once

#include <list>
#include <string>
#include <vector>

// The paths an import of chosen or dropped files hands to the project: full paths, leaving out
// files whose names hold a character of more than one byte, since such names cannot become slot
// names of the instrument.
namespace UImportPaths {

std::list<std::string> ForImport(const std::vector<std::string>& files);

} // namespace UImportPaths
