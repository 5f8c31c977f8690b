#pragma once

#include <memory>
#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace Bris {
class CProjectSession;
}

namespace BrisTool {

class CToolContext;

// One subcommand of brisel: its options, and a run over a fresh domain context (CToolContext)
// in which every project is opened, previewed and saved the one way the application does it,
// through a project session.
class CCommand {
public:
  CCommand(std::string name, std::string description);
  virtual ~CCommand() = default;
  CCommand(const CCommand&) = delete;
  CCommand& operator=(const CCommand&) = delete;

  // Adds the subcommand and its options to the program's parser.
  void Register(CLI::App& program);
  // True when the parsed command line chose this subcommand.
  bool IsChosen() const;
  // Runs the parsed subcommand; its exit status (ExitStatus.h).
  int Execute(std::ostream& out, std::ostream& err);

  const std::string& GetName() const { return mName; }

protected:
  // Changing commands save projects; they get --dry-run and --yes, the work folder and the Trash.
  virtual bool IsChanging() const { return false; }
  virtual void AddOptions(CLI::App& command) = 0;
  virtual int Run(CToolContext& context) = 0;

  // Opens folder through a new session. Null after saying on the error stream which file failed
  // and why. A preview does not finish an interrupted save (that changes the project); a
  // changing run does, as the application does on opening, and says so.
  std::unique_ptr<Bris::CProjectSession> OpenProject(CToolContext& context,
                                                     const std::string& folder) const;
  // Saves the session's project, or with --dry-run prints the plan of that save instead. An exit
  // status.
  int SaveProject(CToolContext& context, Bris::CProjectSession& session) const;
  // The exit status of an edit the engine refused: kExitQuestionRefused when it stopped at a
  // question, else kExitFailed.
  static int RefusedStatus(CToolContext& context);

  bool IsDryRun() const { return mDryRun; }

private:
  void ReportRecovery(CToolContext& context, const Bris::CProjectSession& session) const;

  std::string mName;
  std::string mDescription;
  CLI::App* mCommand = nullptr;
  bool mDryRun = false;
  bool mYes = false;
};

} // namespace BrisTool
