#include "store/CDemoProjectWriter.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "domain/CZelData.h"
#include "formats/CSvdFileBuilder.h"
#include "store/CNewProjectWriter.h"
#include "store/FileExt.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace Bris {

namespace fs = std::filesystem;

namespace {

struct SDemoPatch {
  const char* name;
  int toneNumbers[2]; // 0: the part plays no tone
  const char* memo;
};

struct SDemoTone {
  const char* name;
  int waveNumbers[3]; // one oscillator per wave; 0 ends the list
};

struct SDemoWave {
  const char* name;
  std::size_t size;
  const char* memo;
};

constexpr SDemoPatch kPatches[CDemoProjectWriter::kPatchCount] = {
    {"Warm Pad", {1, 2}, "Slow attack, two layers"},
    {"Grand Piano", {3, 4}, "Split at C4"},
    {"Analog Bass", {5, 0}, "Mono, short release"},
    {"Glass Bells", {6, 0}, "Velocity to brightness"},
    {"Choir Aahs", {7, 0}, ""},
    {"String Ens", {8, 7}, "Strings layered with choir"},
    {"Brass Stab", {9, 0}, ""},
    {"Vox Lead", {10, 0}, "Mod wheel: vibrato"},
    {"Drum Kit 1", {11, 0}, "Kick C1, snare D1, hat F#1"},
    {"Sub Kick", {12, 0}, ""},
    {"Vinyl Keys", {13, 3}, "Piano with crackle"},
    {"Noise Sweep", {14, 0}, "Uses the imported sine"},
};

constexpr SDemoTone kTones[CDemoProjectWriter::kToneCount] = {
    {"Pad Low", {1, 3, 0}},     {"Pad High", {3, 0, 0}},      {"Piano Low", {4, 0, 0}},
    {"Piano High", {5, 0, 0}},  {"Saw Bass", {1, 2, 0}},      {"Bell", {6, 3, 0}},
    {"Choir", {7, 0, 0}},       {"Strings", {8, 0, 0}},       {"Brass", {9, 0, 0}},
    {"Vox Lead", {7, 2, 0}},    {"Drum Kit", {10, 11, 12}},   {"Sub Kick", {10, 3, 0}},
    {"Vinyl Keys", {4, 13, 0}}, {"Noise Sweep", {13, 14, 0}},
};

constexpr SDemoWave kWaves[CDemoProjectWriter::kWaveCount - 1] = {
    {"Saw Cycle", 4096, "Single cycle"},
    {"Square Cyc", 4096, "Single cycle"},
    {"Sine Cycle", 2048, "Single cycle"},
    {"Piano C4", 49152, "Root C4"},
    {"Piano C5", 40960, "Root C5"},
    {"Bell Hit", 24576, ""},
    {"Choir Ah", 32768, "Loop from 0.4 s"},
    {"Str Section", 36864, ""},
    {"Brass Stab", 20480, ""},
    {"Kick 808", 12288, ""},
    {"Snare Tight", 10240, ""},
    {"HiHat Close", 6144, ""},
    {"Vinyl Noise", 16384, "Loop"},
};

constexpr const char* kImportedWaveName = "Sine 440";

// Half a second of a 440 Hz sine as a 16-bit mono RIFF WAVE file, as a user would import one.
std::vector<unsigned char> MakeSineWav() {
  constexpr std::uint32_t kSampleRate = 22050;
  constexpr std::uint32_t kSampleCount = kSampleRate / 2;
  constexpr std::uint32_t kDataBytes = kSampleCount * 2;
  std::vector<unsigned char> bytes;
  bytes.reserve(44 + kDataBytes);
  auto text = [&bytes](const char* chunk) {
    for (int i = 0; i < 4; ++i) {
      bytes.push_back(static_cast<unsigned char>(chunk[i]));
    }
  };
  auto little = [&bytes](std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
      bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
  };
  text("RIFF");
  little(36 + kDataBytes, 4);
  text("WAVE");
  text("fmt ");
  little(16, 4);
  little(1, 2); // PCM
  little(1, 2); // mono
  little(kSampleRate, 4);
  little(kSampleRate * 2, 4);
  little(2, 2);
  little(16, 2);
  text("data");
  little(kDataBytes, 4);
  const double step = 2.0 * 3.14159265358979323846 * 440.0 / kSampleRate;
  for (std::uint32_t i = 0; i < kSampleCount; ++i) {
    const auto sample = static_cast<std::int16_t>(std::lround(12000.0 * std::sin(step * i)));
    little(static_cast<std::uint16_t>(sample), 2);
  }
  return bytes;
}

void FillPatch(CPatch& patch, const SDemoPatch& demo) {
  patch.SetFinalName(demo.name, false);
  patch.SetMemo(0, demo.memo);
  for (int part = 0; part < CPatch::kPatchToneCount; ++part) {
    if (demo.toneNumbers[part] != 0) {
      patch.GetPatchTone(part).SetToneNumber(demo.toneNumbers[part]);
      patch.GetPatchTone(part).SetToneSwitch(1);
    }
  }
}

void FillTone(CTone& tone, const SDemoTone& demo) {
  tone.SetFinalName(demo.name, false);
  for (int osc = 0; osc < 3 && demo.waveNumbers[osc] != 0; ++osc) {
    COsc& oscillator = tone.GetOsc(osc);
    oscillator.SetSwitch(0, 1);
    oscillator.SetType(0, COsc::kWaveType);
    oscillator.SetWaveNumber(0, demo.waveNumbers[osc]);
  }
}

bool WriteAll(const CNewProjectWriter& writer, CZelData& data, std::string& error) {
  if (!writer.CreateFolders(true)) {
    error = "cannot create the project's subfolders";
    return false;
  }
  for (int i = 0; i < CDemoProjectWriter::kPatchCount; ++i) {
    CPatch& patch = *data.mPatches.Get(static_cast<std::size_t>(i));
    FillPatch(patch, kPatches[i]);
    patch.SetFilePath(writer.WritePatch(i + 1, patch));
    if (patch.IsBlank()) {
      error = "cannot write patch " + std::to_string(i + 1);
      return false;
    }
  }
  for (int i = 0; i < CDemoProjectWriter::kToneCount; ++i) {
    CTone& tone = *data.mTones.Get(static_cast<std::size_t>(i));
    FillTone(tone, kTones[i]);
    tone.SetMemo(0, "Demo tone");
    tone.SetFilePath(writer.WriteTone(i + 1, tone));
    if (tone.IsBlank()) {
      error = "cannot write tone " + std::to_string(i + 1);
      return false;
    }
  }
  for (int i = 0; i < CDemoProjectWriter::kWaveCount; ++i) {
    CWave& wave = *data.mWaves.Get(static_cast<std::size_t>(i));
    const bool imported = i == CDemoProjectWriter::kWaveCount - 1;
    wave.SetFinalName(imported ? kImportedWaveName : kWaves[i].name, false);
    wave.SetMemo(0, imported ? "Imported from a WAV file" : kWaves[i].memo);
    const auto contents =
        imported ? MakeSineWav()
                 : CSvdFileBuilder::MakeFiller(kWaves[i].size, static_cast<std::uint32_t>(i + 7));
    wave.SetFilePath(writer.WriteWave(i + 1, wave.GetName(), imported ? ".wav" : ".w00", contents));
    if (wave.IsBlank()) {
      error = "cannot write wave " + std::to_string(i + 1);
      return false;
    }
  }
  for (int kind = CParameter::kPatch; kind <= CParameter::kWave; ++kind) {
    const auto dataType = static_cast<CParameter::EDataType>(kind);
    if (!writer.WriteMemoFile(dataType, *data.GetArray(dataType))) {
      error = "cannot write the memo files";
      return false;
    }
  }
  return true;
}

} // namespace

bool CDemoProjectWriter::Write(const std::string& projectFolder, std::string& error) {
  const std::string folder = Ux::WithoutTrailingSlash(projectFolder);
  const std::string folderName = fs::path(folder).filename().string();
  if (!UFileUtils::CheckFileExtension(folderName, FileExt_Project) ||
      folderName.size() <= std::string(FileExt_Project).size()) {
    error = "the project folder's name must end in \".prj\"";
    return false;
  }
  std::error_code fsError;
  const fs::path absolute = fs::absolute(folder, fsError);
  if (fsError) {
    error = "cannot resolve " + folder;
    return false;
  }
  if (fs::exists(fs::symlink_status(absolute, fsError))) {
    error = absolute.string() + " already exists; it is left as it is";
    return false;
  }
  fs::create_directories(absolute.parent_path(), fsError);
  // create_directory answers false when something appeared there in the meantime.
  if (!fs::create_directory(absolute, fsError) || fsError) {
    error = "cannot create " + absolute.string();
    return false;
  }
  CZelData data;
  if (!WriteAll(CNewProjectWriter(absolute.string() + "/"), data, error)) {
    fs::remove_all(absolute, fsError);
    return false;
  }
  return true;
}

std::string CDemoProjectWriter::DefaultPath() {
  const std::string documents = Ux::GetDocumentsFolderPath();
  return documents.empty() ? std::string() : documents + "/" + kDemoProjectName;
}

} // namespace Bris
