#pragma once

#include <QString>

// Where the user guide is. A program run from its build folder has the guide beside it; an
// installed one (prefix/bin) finds it in prefix/share/brisel-librarian.
namespace UHelpFile {

// The guide's path for a program in `programFolder`, or an empty string when neither place has it.
QString Find(const QString& programFolder);
// The same for the running program.
QString FindForThisProgram();

} // namespace UHelpFile
