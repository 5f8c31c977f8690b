#pragma once

#include "tools/brisel/CCommand.h"

#include <string>

namespace BrisTool {

// brisel copy SRC KIND FIRST[-LAST] DST SLOT [--insert] [--move]: what dragging those rows of
// SRC's list onto row SLOT of DST's list does (the drop edit, references carried along), then
// saves the projects it changed. SRC and DST may be the same project.
class CCopyCommand : public CCommand {
public:
  CCopyCommand();

protected:
  bool IsChanging() const override { return true; }
  void AddOptions(CLI::App& command) override;
  int Run(CToolContext& context) override;

private:
  std::string mSource;
  std::string mKind;
  std::string mRange;
  std::string mTarget;
  unsigned mSlot = 0;
  bool mInsert = false;
  bool mMove = false;
};

} // namespace BrisTool
