#pragma once

#include "store/SOpenResult.h"

#include <string>

// The paragraph that follows "The project could not be opened": which project, which file and
// why, in the user's words.
namespace OpenFailureText {

// folder: the project folder the user asked to open.
std::string Describe(const std::string& folder, const Bris::SOpenResult& result);

} // namespace OpenFailureText
