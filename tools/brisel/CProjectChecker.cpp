#include "tools/brisel/CProjectChecker.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "domain/CZelData.h"
#include "formats/WaveFiles.h"
#include "store/CProjectOpener.h"
#include "store/CProjectSession.h"
#include "store/CSaveJournal.h"
#include "store/CSlotFileReader.h"
#include "store/FileExt.h"
#include "store/SlotFileNames.h"
#include "tools/brisel/KindNames.h"

#include <algorithm>
#include <filesystem>
#include <list>
#include <set>
#include <system_error>

namespace BrisTool {

namespace fs = std::filesystem;
using Bris::CParameter;
using Bris::EOpenFailure;

namespace {

std::string FailureCode(EOpenFailure failure) {
  switch (failure) {
  case EOpenFailure::kFileTooShort:
    return "too-short";
  case EOpenFailure::kWrongSignature:
    return "wrong-signature";
  case EOpenFailure::kUnreadableFile:
    return "unreadable";
  case EOpenFailure::kRefusedProjectPath:
    return "not-a-project-name";
  default:
    return "not-a-project";
  }
}

CProjectChecker::SProblem Problem(std::string code, CParameter::EDataType kind, unsigned slot,
                                  std::string file, std::string message) {
  return {std::move(code), KindName(kind), slot, std::move(file), std::move(message)};
}

const std::list<std::string>& FilesOf(const Bris::SProjectListing& listing,
                                      CParameter::EDataType kind) {
  return kind == CParameter::kPatch  ? listing.patches
         : kind == CParameter::kTone ? listing.tones
                                     : listing.waves;
}

// The slot number a file name starts with ("013 Name.d00" -> 13), 0 when it has none.
unsigned NumberOf(const std::string& path) {
  const std::string base = fs::path(path).stem().string();
  if (!Bris::IsSlotFileBaseName(base)) {
    return 0;
  }
  return static_cast<unsigned>(std::stoul(base.substr(0, 3)));
}

} // namespace

CProjectChecker::CProjectChecker(std::string projectFolder, std::string workFolder)
    : mFolder(Ux::WithoutTrailingSlash(std::move(projectFolder))),
      mWorkFolder(std::move(workFolder)) {}

std::vector<CProjectChecker::SProblem> CProjectChecker::Check() {
  std::vector<SProblem> problems;
  std::error_code error;
  if (!mWorkFolder.empty() &&
      fs::exists(Bris::CSaveJournal::PathFor(mWorkFolder, mFolder + "/"), error)) {
    problems.push_back({"interrupted-save", "", 0,
                        Bris::CSaveJournal::PathFor(mWorkFolder, mFolder + "/"),
                        "a save of this project was interrupted; brisel recover completes it"});
  }
  if (CheckFiles(problems)) {
    CheckReferences(problems);
  }
  return problems;
}

bool CProjectChecker::CheckFiles(std::vector<SProblem>& problems) const {
  Bris::SProjectListing listing;
  const Bris::SOpenResult listed = Bris::CProjectOpener::List(mFolder, listing);
  if (!listed || !UFileUtils::CheckFileExtension(mFolder, Bris::FileExt_Project)) {
    const EOpenFailure failure = listed ? EOpenFailure::kRefusedProjectPath : listed.failure;
    problems.push_back({FailureCode(failure), "", 0, listed ? mFolder : listed.path,
                        listed ? "the folder's name does not end in .prj" : listed.Describe()});
    return false;
  }
  for (CParameter::EDataType kind : {CParameter::kPatch, CParameter::kTone, CParameter::kWave}) {
    const std::list<std::string>& files = FilesOf(listing, kind);
    const unsigned slotCount = Bris::CZelData::GetParameterSize(kind);
    std::vector<std::string> useless;
    const std::vector<std::string> slots = Bris::AssignFilesToSlots(files, slotCount, useless);
    for (const std::string& file : useless) {
      const unsigned number = NumberOf(file);
      if (number > 0) {
        problems.push_back(Problem("duplicate-slot-number", kind, number, file,
                                   "another file has this slot number; a save moves this one to "
                                   "the Trash"));
      } else {
        problems.push_back(Problem("name-fits-no-slot", kind, 0, file,
                                   "the name fits no slot; a save moves this file to the Trash"));
      }
    }
    const std::set<std::string> placed(slots.begin(), slots.end());
    for (const std::string& file : files) {
      if (placed.count(file) == 0 &&
          std::find(useless.begin(), useless.end(), file) == useless.end()) {
        problems.push_back(Problem("beyond-list", kind, NumberOf(file), file,
                                   "the slot number lies beyond the list; the file is ignored"));
      }
    }
    CheckKindFiles(kind, slots, problems);
  }
  return true;
}

void CProjectChecker::CheckKindFiles(CParameter::EDataType kind,
                                     const std::vector<std::string>& files,
                                     std::vector<SProblem>& problems) const {
  for (std::size_t index = 0; index < files.size(); ++index) {
    if (files[index].empty()) {
      continue;
    }
    Bris::SOpenResult failure;
    Bris::CSlotFileReader reader(failure);
    bool read = false;
    if (kind == CParameter::kPatch) {
      Bris::CPatch patch;
      read = reader.ReadPatch(files[index], patch);
    } else if (kind == CParameter::kTone) {
      Bris::CTone tone;
      read = reader.ReadTone(files[index], tone);
    } else {
      read = reader.CanOpen(files[index]);
      failure.failure = EOpenFailure::kUnreadableFile;
    }
    if (!read) {
      failure.path = files[index];
      problems.push_back(Problem(FailureCode(failure.failure), kind,
                                 static_cast<unsigned>(index) + 1, files[index],
                                 failure.Describe()));
    }
  }
}

void CProjectChecker::CheckReferences(std::vector<SProblem>& problems) const {
  for (const SProblem& problem : problems) {
    if (problem.code == "too-short" || problem.code == "wrong-signature" ||
        problem.code == "unreadable") {
      return; // the project does not open; its references cannot be read
    }
  }
  Bris::CProjectSession session;
  if (!session.Open(mFolder)) {
    return;
  }
  const Bris::CZelData& data = session.GetZelData();
  const auto checkReferences = [&](CParameter::EDataType kind, CParameter::EDataType targetKind,
                                   const Bris::CParameterArray& records, auto numbersOf) {
    const unsigned targetCount = Bris::CZelData::GetParameterSize(targetKind);
    const Bris::CParameterArray& targets = *data.GetArray(targetKind);
    for (std::size_t index = 0; index < records.size(); ++index) {
      const CParameter* record = records[index];
      if (record == nullptr || record->IsBlank()) {
        continue;
      }
      for (unsigned number : numbersOf(*record)) {
        const std::string target = std::string(KindName(targetKind)) + " " + std::to_string(number);
        if (number == 0) {
          continue;
        }
        if (number > targetCount) {
          problems.push_back(
              Problem("reference-beyond-list", kind, static_cast<unsigned>(index) + 1,
                      record->GetFilePath(),
                      "plays " + target + ", beyond the list of " + std::to_string(targetCount)));
        } else if (targets[number - 1] == nullptr || targets[number - 1]->IsBlank()) {
          problems.push_back(Problem("reference-to-blank-slot", kind,
                                     static_cast<unsigned>(index) + 1, record->GetFilePath(),
                                     "plays " + target + ", which is blank"));
        }
      }
    }
  };
  checkReferences(CParameter::kPatch, CParameter::kTone, data.mPatches, [](const CParameter& r) {
    return static_cast<const Bris::CPatch&>(r).GetToneNumbers();
  });
  checkReferences(CParameter::kTone, CParameter::kWave, data.mTones, [](const CParameter& r) {
    return static_cast<const Bris::CTone&>(r).GetWaveNumbers();
  });
  const std::uint32_t waveBytes = session.GetDocument().GetTotalWaveSizeValue();
  if (waveBytes > Bris::kTotalWaveSizeLimit) {
    problems.push_back({"wave-memory", "wave", 0, mFolder + "/Wave",
                        "the waves take " + std::to_string(waveBytes) + " bytes, more than the " +
                            std::to_string(Bris::kTotalWaveSizeLimit) + " the instrument holds"});
  }
}

} // namespace BrisTool
