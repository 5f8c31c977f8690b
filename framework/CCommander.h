#pragma once

#include "framework/CommandCodes.h"
#include "framework/SCommandStatus.h"

#include <vector>

// A link of the command chain. Menu commands start at the current target (the focused table,
// else the active window) and travel up through the super commanders (window, document) to the
// application at the top. Each link either handles a command or passes it on; the same path
// answers the status question asked before a menu shows.
class CCommander {
public:
  explicit CCommander(CCommander* superCommander = nullptr);
  virtual ~CCommander();
  CCommander(const CCommander&) = delete;
  CCommander& operator=(const CCommander&) = delete;

  CCommander* GetSuperCommander() const { return mSuperCommander; }
  void SetSuperCommander(CCommander* superCommander);

  // Handles command or passes it up; true when some link handled it. A link without a super
  // commander passes to the top commander.
  virtual bool ObeyCommand(CommandT command, void* param = nullptr);
  // Fills status for command or passes the question up; a command that no link knows is
  // disabled.
  virtual void FindCommandStatus(CommandT command, SCommandStatus& status);

  // The commander at the top of every chain (the application).
  static CCommander* GetTopCommander() { return sTopCommander; }
  static void SetTopCommander(CCommander* commander) { sTopCommander = commander; }

  // The commander where commands start: the nearest commander among the focused widget and its
  // ancestors, else among the active window and its ancestors, else the top commander.
  static CCommander* FindTarget();
  // The status of command as seen from the target.
  static SCommandStatus GetCommandStatus(CommandT command);
  // Sends command to the target when its status says it is enabled; true when it was handled.
  static bool ProcessCommand(CommandT command, void* param = nullptr);

private:
  CCommander* NextCommander() const;

  CCommander* mSuperCommander = nullptr;
  std::vector<CCommander*> mSubCommanders;
  static inline CCommander* sTopCommander = nullptr;
};
