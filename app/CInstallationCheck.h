#pragma once

#include <QStringList>

#include <ostream>

class CLibrarianApp;

// The program's own check of an installation, run without a screen (--check): it looks for the
// user guide where the program looks for it, opens the given projects through the ordinary open
// path and reports each step, one line each.
class CInstallationCheck {
public:
  CInstallationCheck(CLibrarianApp& app, std::ostream& out) : mApp(app), mOut(out) {}

  // 0 when the guide was found and every project opened, 1 otherwise.
  int Run(const QStringList& projectFolders);

private:
  bool CheckHelpFile();
  bool OpenProject(const QString& folder);

  CLibrarianApp& mApp;
  std::ostream& mOut;
};
