#pragma once

#include "tools/brisel/CFreedesktopTrash.h"
#include "tools/brisel/CToolWorkFolder.h"

#include <ostream>

namespace BrisTool {

class CToolTextOut;

// The domain context as one run of a subcommand needs it, for the length of the run: a fresh
// domain whose error channel is the tool's (answering questions from --yes), the output streams,
// and for commands that change projects the work folder and the desktop's Trash. Everything is
// given back at the end, so that runs can follow one another in one process (tests do).
class CToolContext {
public:
  CToolContext(std::ostream& out, std::ostream& err, bool answerYes);
  ~CToolContext();
  CToolContext(const CToolContext&) = delete;
  CToolContext& operator=(const CToolContext&) = delete;

  // Gives the domain its work folder and the Trash. With lock the folder must be taken for this
  // process (changing commands); a preview takes it only when it is free. False after saying why
  // on err.
  bool UseWorkFolder(bool lock);

  std::ostream& Out() { return mOut; }
  std::ostream& Err() { return mErr; }
  CToolTextOut& TextOut() { return *mTextOut; }

private:
  std::ostream& mOut;
  std::ostream& mErr;
  CToolTextOut* mTextOut; // owned by the domain
  CFreedesktopTrash mTrash;
  CToolWorkFolder mWorkFolder;
};

} // namespace BrisTool
