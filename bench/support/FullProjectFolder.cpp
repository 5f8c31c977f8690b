#include "support/FullProjectFolder.h"

#include <memory>

namespace BrisBench {

namespace {

using Bris::CParameter;

std::string MemoText(int slot, int line) {
  return "Memo " + std::to_string(line + 1) + " of slot " + std::to_string(slot) +
         ": a line of ordinary length";
}

std::unique_ptr<SFullProject> WriteFullProject() {
  auto full = std::make_unique<SFullProject>();
  BrisTest::ProjectBuilder builder(full->folder.Path(), "Full");
  AddFullPatchesAndTones(builder);
  for (int wave = 1; wave <= 999; ++wave) {
    builder.Wave(wave, "Wave " + std::to_string(wave), 2048);
  }
  const std::pair<CParameter::EDataType, int> kinds[] = {
      {CParameter::kPatch, 512}, {CParameter::kTone, 896}, {CParameter::kWave, 999}};
  for (const auto& [kind, count] : kinds) {
    for (int slot = 1; slot <= count; ++slot) {
      for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
        builder.Memo(kind, slot, line, MemoText(slot, line));
      }
    }
  }
  full->path = builder.Write();
  full->listing = BrisTest::ListProject(full->path);
  return full;
}

} // namespace

void AddFullPatchesAndTones(BrisTest::ProjectBuilder& builder) {
  for (int patch = 1; patch <= 512; ++patch) {
    builder.Patch(patch, BrisTest::PatchFile("Patch " + std::to_string(patch))
                             .Part(0, (patch - 1) % 896 + 1)
                             .Part(1, (patch * 7) % 896 + 1));
  }
  for (int tone = 1; tone <= 896; ++tone) {
    BrisTest::ToneFile file("Tone " + std::to_string(tone));
    for (int osc = 0; osc < 16; ++osc) {
      file.Wave(osc, (tone * 16 + osc) % 999 + 1);
    }
    builder.Tone(tone, file);
  }
}

const SFullProject& FullProject() {
  static const std::unique_ptr<SFullProject> project = WriteFullProject();
  return *project;
}

} // namespace BrisBench
