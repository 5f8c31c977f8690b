#include "tools/brisel/CToolContext.h"

#include "Zel/Generic/CZelTextOutBuffer.h"
#include "domain/CDomain.h"
#include "store/CFileOperations.h"
#include "tools/brisel/CToolTextOut.h"

namespace BrisTool {

CToolContext::CToolContext(std::ostream& out, std::ostream& err, bool answerYes)
    : mOut(out), mErr(err), mTextOut(new CToolTextOut(err, answerYes)) {
  Bris::CDomain& domain = Bris::Domain();
  domain.Reset();
  domain.SetPathDelimiter("/");
  domain.SetErrorOut(mTextOut);
  domain.SetBufferedErrorOut(new CZelTextOutBuffer);
}

CToolContext::~CToolContext() {
  // After a save that stopped part-way a sheltered copy may be the only copy of a sound left.
  mWorkFolder.Release(Bris::Domain().IsWriteStoppedPartWay());
  if (Bris::CFileOperations::GetTrash() == &mTrash) {
    Bris::CFileOperations::SetTrash(nullptr);
  }
  Bris::Domain().Reset();
}

bool CToolContext::UseWorkFolder(bool lock) {
  const std::string path = CToolWorkFolder::DefaultPath();
  CToolWorkFolder::EAcquire acquired = mWorkFolder.Acquire(path, true);
  // A preview takes the lock when it is free, so that it can tidy up after itself, and reads the
  // folder beside a running librarian otherwise.
  if (acquired == CToolWorkFolder::EAcquire::kInUse && !lock) {
    acquired = mWorkFolder.Acquire(path, false);
  }
  switch (acquired) {
  case CToolWorkFolder::EAcquire::kAcquired:
    break;
  case CToolWorkFolder::EAcquire::kInUse:
    mErr << "brisel: " << path
         << ": the work folder is in use (is Brisel Librarian running?) or cannot be written; "
            "quit the librarian and try again\n";
    return false;
  case CToolWorkFolder::EAcquire::kNoFolder:
    mErr << "brisel: " << (path.empty() ? "work folder" : path) << ": cannot be created\n";
    return false;
  }
  Bris::Domain().SetWorkFolderPath(mWorkFolder.GetPath());
  Bris::CFileOperations::SetTrash(&mTrash);
  return true;
}

} // namespace BrisTool
