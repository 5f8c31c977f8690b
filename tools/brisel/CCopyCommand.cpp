#include "tools/brisel/CCopyCommand.h"

#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "editing/CDropEdit.h"
#include "editing/CParameterMid.h"
#include "store/CProjectSession.h"
#include "tools/brisel/CToolContext.h"
#include "tools/brisel/CToolTextOut.h"
#include "tools/brisel/ExitStatus.h"
#include "tools/brisel/KindNames.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace BrisTool {

using Bris::CParameter;

namespace {

bool IsSameFolder(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

bool AreAllBlank(const Bris::CZelData& data, CParameter::EDataType kind,
                 const std::vector<unsigned>& indexes) {
  const Bris::CParameterArray* records = data.GetArray(kind);
  return std::all_of(indexes.begin(), indexes.end(), [records](unsigned index) {
    const CParameter* record = records == nullptr ? nullptr : (*records)[index];
    return record == nullptr || record->IsBlank();
  });
}

} // namespace

CCopyCommand::CCopyCommand()
    : CCommand("copy", "Copy (or move) slots FIRST..LAST of one kind from SRC to slot SLOT of DST "
                       "as a row drag does, with the tones and waves they play, then save") {}

void CCopyCommand::AddOptions(CLI::App& command) {
  command.add_option("SRC", mSource, "Project the slots come from")->required();
  command.add_option("KIND", mKind, "patch, tone or wave")
      ->required()
      ->check(CLI::IsMember({"patch", "tone", "wave"}));
  command.add_option("FIRST[-LAST]", mRange, "Slot number or range of SRC, e.g. 3 or 3-7")
      ->required();
  command.add_option("DST", mTarget, "Project the slots go to (may be SRC)")->required();
  command.add_option("SLOT", mSlot, "First slot number of DST")
      ->required()
      ->check(CLI::PositiveNumber);
  command.add_flag("--insert,-i", mInsert,
                   "Insert before SLOT (later slots move down) instead of replacing from SLOT");
  command.add_flag("--move,-m", mMove, "Remove the slots from SRC (a move instead of a copy)");
}

int CCopyCommand::Run(CToolContext& context) {
  CParameter::EDataType kind = CParameter::kPatch;
  unsigned first = 0;
  unsigned last = 0;
  ParseKind(mKind, kind);
  const unsigned slotCount = Bris::CZelData::GetParameterSize(kind);
  if (!ParseSlotRange(mRange, first, last) || last > slotCount || mSlot > slotCount) {
    context.Err() << "brisel: copy: slots must lie within 1.." << slotCount << "\n";
    return kExitUsage;
  }
  const auto source = OpenProject(context, mSource);
  if (source == nullptr) {
    return kExitFailed;
  }
  const bool sameProject = IsSameFolder(source->GetFolderPath(), mTarget);
  std::unique_ptr<Bris::CProjectSession> otherTarget;
  if (!sameProject && (otherTarget = OpenProject(context, mTarget)) == nullptr) {
    return kExitFailed;
  }
  Bris::CProjectSession& target = sameProject ? *source : *otherTarget;

  std::vector<unsigned> indexes;
  for (unsigned number = first; number <= last; ++number) {
    indexes.push_back(number - 1);
  }
  // A row drag of nothing but blank rows carries nothing; saying so beats a save that did nothing.
  if (AreAllBlank(source->GetZelData(), kind, indexes)) {
    context.Err() << "brisel: copy: " << mKind << " " << mRange << " of " << source->GetFolderPath()
                  << " is blank: nothing to copy\n";
    return kExitFailed;
  }
  // The drag start copies the rows; the drop is the application's own drop edit.
  Bris::CParameterMid().EditCopy(source->GetZelData(), indexes, kind);
  Bris::CDropEdit::SRequest request;
  request.source = &source->GetZelData();
  request.target = &target.GetZelData();
  request.sourceKind = kind;
  request.targetKind = kind;
  request.sourceIndexes = indexes;
  request.dropIndex = mSlot - 1;
  request.insertMode = mInsert;
  request.copy = !mMove;
  const Bris::CDropEdit::SResult result = Bris::CDropEdit().Perform(request);
  Bris::Domain().GetClipboard().Clear();
  if (!result.pasted) {
    if (!context.TextOut().WasQuestionRefused() && context.TextOut().GetErrorCodes().empty()) {
      context.Err() << "brisel: copy: nothing to drop: slots " << mRange << " of " << mSource
                    << " are blank, or the drop does not fit\n";
    }
    return RefusedStatus(context);
  }
  context.Out() << (mMove ? "Moved " : "Copied ") << result.pastedCount << " " << mKind
                << " slot(s) to " << target.GetFolderPath() << " from slot " << mSlot << "\n";
  target.SetModified(true);
  if (result.sourceModified) {
    source->SetModified(true);
  }
  // The target first: it still copies the moved files from the source's folder.
  int status = SaveProject(context, target);
  if (!sameProject && result.sourceModified) {
    status = std::max(status, SaveProject(context, *source));
  }
  return status;
}

} // namespace BrisTool
