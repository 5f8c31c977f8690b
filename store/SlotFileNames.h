#pragma once

#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <vector>

// How the files of a project's subfolder map to slots: slot n (1-based) is the file
// "NNN name.ext", three-digit number, a blank, the record's name (at most 12 bytes).
namespace Bris {

// n with leading zeros to three digits and one blank: "001 ", "999 "; "1000 " beyond.
std::string IndexString(int number);

// True for the base name (no folder, no extension) of a slot file: at most 16 bytes, three
// digits, then a blank.
bool IsSlotFileBaseName(std::string_view baseName);

// Turns the listing of one subfolder into a list of slotCount entries: entry n - 1 is the file of
// slot n, or empty. Files that fit no slot (names outside the scheme, number 0, a second file
// with a number already taken) are appended to useless; files numbered beyond slotCount are
// neither placed nor listed.
std::vector<std::string> AssignFilesToSlots(std::list<std::string> paths, std::size_t slotCount,
                                            std::vector<std::string>& useless);

} // namespace Bris
