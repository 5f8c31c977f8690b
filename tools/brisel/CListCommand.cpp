#include "tools/brisel/CListCommand.h"

#include "domain/CZelData.h"
#include "store/CProjectSession.h"
#include "tools/brisel/CToolContext.h"
#include "tools/brisel/ExitStatus.h"
#include "tools/brisel/KindNames.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <vector>

namespace BrisTool {

using Bris::CParameter;

namespace {

// The slots a used slot refers to: a patch's tones, a tone's waves (0 = none, left out).
std::vector<unsigned> References(const CParameter& record, CParameter::EDataType kind) {
  std::vector<unsigned> numbers;
  if (kind == CParameter::kPatch) {
    numbers = static_cast<const Bris::CPatch&>(record).GetToneNumbers();
  } else if (kind == CParameter::kTone) {
    numbers = static_cast<const Bris::CTone&>(record).GetWaveNumbers();
  }
  std::erase(numbers, 0u);
  return numbers;
}

std::string Number(unsigned number) {
  char text[8];
  std::snprintf(text, sizeof text, "%03u", number);
  return text;
}

std::string TextLine(const CParameter& record, CParameter::EDataType kind, unsigned number) {
  std::string line = std::string(KindName(kind)) + " " + Number(number) + "  " + record.GetName();
  const std::vector<unsigned> references = References(record, kind);
  if (!references.empty()) {
    line += kind == CParameter::kPatch ? "  tones" : "  waves";
    for (unsigned number : references) {
      line += " " + Number(number);
    }
  }
  std::string memos;
  for (int i = 0; i < CParameter::kMemoLineCount; ++i) {
    if (!record.GetMemo(i).empty()) {
      memos += (memos.empty() ? "" : " | ") + record.GetMemo(i);
    }
  }
  return memos.empty() ? line : line + "  memo: " + memos;
}

nlohmann::json JsonSlot(const CParameter& record, CParameter::EDataType kind, unsigned number) {
  nlohmann::json slot = {{"kind", KindName(kind)},
                         {"number", number},
                         {"name", record.GetName()},
                         {"file", record.GetFilePath()}};
  nlohmann::json memos = nlohmann::json::array();
  for (int i = 0; i < CParameter::kMemoLineCount; ++i) {
    memos.push_back(record.GetMemo(i));
  }
  slot["memos"] = memos;
  if (kind == CParameter::kPatch) {
    slot["tones"] = References(record, kind);
  } else if (kind == CParameter::kTone) {
    slot["waves"] = References(record, kind);
  }
  return slot;
}

} // namespace

CListCommand::CListCommand()
    : CCommand("list", "List the used slots: number, name, memos, the tones a patch plays and "
                       "the waves a tone plays") {}

void CListCommand::AddOptions(CLI::App& command) {
  command.add_option("PROJECT", mProject, "Project folder (NAME.prj)")->required();
  command.add_option("--kind", mKind, "Only this kind of slot")
      ->check(CLI::IsMember({"patch", "tone", "wave"}));
  command.add_flag("--json", mJson, "One JSON array of slot objects, for scripts");
}

int CListCommand::Run(CToolContext& context) {
  const auto session = OpenProject(context, mProject);
  if (session == nullptr) {
    return kExitFailed;
  }
  const Bris::CZelData& data = session->GetZelData();
  nlohmann::json slots = nlohmann::json::array();
  for (CParameter::EDataType kind : {CParameter::kPatch, CParameter::kTone, CParameter::kWave}) {
    if (!mKind.empty() && mKind != KindName(kind)) {
      continue;
    }
    const Bris::CParameterArray& records = *data.GetArray(kind);
    for (std::size_t index = 0; index < records.size(); ++index) {
      const CParameter* record = records[index];
      if (record == nullptr || record->IsBlank()) {
        continue;
      }
      const unsigned number = static_cast<unsigned>(index) + 1;
      if (mJson) {
        slots.push_back(JsonSlot(*record, kind, number));
      } else {
        context.Out() << TextLine(*record, kind, number) << "\n";
      }
    }
  }
  if (mJson) {
    context.Out() << slots.dump(2) << "\n";
  }
  return kExitOk;
}

} // namespace BrisTool
