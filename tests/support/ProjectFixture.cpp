#include "support/ProjectFixture.h"

#include "Zel/Generic/CZelTextOut.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "formats/CMemoFile.h"
#include "formats/CSvdFileBuilder.h"
#include "store/CNewProjectWriter.h"
#include "store/CProjectOpener.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

namespace fs = std::filesystem;

namespace BrisTest {

namespace {

using Bris::CParameter;

void Require(bool condition, const std::string& what) {
  if (!condition) {
    throw std::runtime_error("test project set-up failed: " + what);
  }
}

// The domain owns its channel objects; this one shares its list of codes with the recorder.
class RecordingTextOut : public CZelTextOut {
public:
  explicit RecordingTextOut(std::shared_ptr<std::vector<int>> codes) : mCodes(std::move(codes)) {}
  using CZelTextOut::Write;
  void Write(int code) override { mCodes->push_back(code); }

private:
  std::shared_ptr<std::vector<int>> mCodes;
};

} // namespace

// --- TempFolder

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "brisel-project-XXXXXX").string();
  Require(::mkdtemp(pattern.data()) != nullptr, "cannot create a temporary folder");
  mPath = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(mPath, ignored);
}

// --- PatchFile

PatchFile::PatchFile(std::string name) : mSize(Bris::CSvdFileBuilder::kDefaultPatchFileSize) {
  mRecord.SetFinalName(name, false);
}

PatchFile& PatchFile::Part(int part, int toneNumber, bool toneSwitch) {
  Bris::CPatchTone& block = mRecord.GetPatchTone(part);
  block.SetToneSwitch(toneSwitch ? 1 : 0);
  if (toneNumber > 0) {
    block.SetToneNumber(toneNumber);
  } else {
    block.ClearPatchTone();
  }
  return *this;
}

PatchFile& PatchFile::RawPart(int part, int toneSwitch, int marker, int high, int low) {
  auto& bytes = mRecord.GetPatchTone(part).mData;
  bytes[0] = static_cast<unsigned char>(toneSwitch);
  bytes[1] = static_cast<unsigned char>(marker);
  bytes[2] = static_cast<unsigned char>(high);
  bytes[3] = static_cast<unsigned char>(low);
  return *this;
}

PatchFile& PatchFile::Size(std::size_t bytes) {
  mSize = bytes;
  return *this;
}

PatchFile& PatchFile::FillSeed(std::uint32_t seed) {
  mFillSeed = seed;
  return *this;
}

std::vector<unsigned char> PatchFile::Bytes() const {
  return Bris::CSvdFileBuilder::MakePatchFile(mRecord, mSize, mFillSeed);
}

// --- ToneFile

ToneFile::ToneFile(std::string name) : mSize(Bris::CSvdFileBuilder::kDefaultToneFileSize) {
  mRecord.SetFinalName(name, false);
}

ToneFile& ToneFile::Osc(int osc, int section, int type, int waveNumber, bool oscSwitch) {
  Bris::COsc& oscillator = mRecord.GetOsc(osc);
  oscillator.SetSwitch(section, oscSwitch ? 1 : 0);
  oscillator.SetType(section, type);
  if (type == Bris::COsc::kWaveType) {
    oscillator.SetWaveNumber(section, waveNumber);
  }
  return *this;
}

ToneFile& ToneFile::Wave(int osc, int waveNumber) {
  return Osc(osc, 0, Bris::COsc::kWaveType, waveNumber, true);
}

ToneFile& ToneFile::RawWaveNumber(int osc, int section, int waveNumber) {
  Bris::COsc& oscillator = mRecord.GetOsc(osc);
  const int type = oscillator.GetType(section);
  oscillator.SetType(section, Bris::COsc::kWaveType);
  oscillator.SetWaveNumber(section, waveNumber);
  oscillator.SetType(section, type);
  return *this;
}

ToneFile& ToneFile::Size(std::size_t bytes) {
  mSize = bytes;
  return *this;
}

ToneFile& ToneFile::FillSeed(std::uint32_t seed) {
  mFillSeed = seed;
  return *this;
}

std::vector<unsigned char> ToneFile::Bytes() const {
  return Bris::CSvdFileBuilder::MakeToneFile(mRecord, mSize, mFillSeed);
}

// --- ProjectBuilder

ProjectBuilder::ProjectBuilder(std::string parentFolder, const std::string& name)
    : mProjectPath(std::move(parentFolder) + "/" + name + ".prj/") {}

std::string ProjectBuilder::SlotPath(CParameter::EDataType kind, int slotNumber,
                                     const std::string& name, const std::string& extension) const {
  return Bris::CNewProjectWriter(mProjectPath).GetSlotPath(kind, slotNumber, name, extension);
}

ProjectBuilder& ProjectBuilder::Patch(int slotNumber, const PatchFile& file) {
  const std::string path = SlotPath(CParameter::kPatch, slotNumber, file.Name(), ".d00");
  return RawFile(path.substr(mProjectPath.size()), file.Bytes());
}

ProjectBuilder& ProjectBuilder::Tone(int slotNumber, const ToneFile& file) {
  const std::string path = SlotPath(CParameter::kTone, slotNumber, file.Name(), ".p00");
  return RawFile(path.substr(mProjectPath.size()), file.Bytes());
}

ProjectBuilder& ProjectBuilder::Wave(int slotNumber, const std::string& name, std::uint64_t size,
                                     const std::string& extension) {
  const std::string path = SlotPath(CParameter::kWave, slotNumber, name, extension);
  constexpr std::uint64_t kWrittenBytes = 256;
  auto bytes = Bris::CSvdFileBuilder::MakeFiller(
      static_cast<std::size_t>(std::min(size, kWrittenBytes)), static_cast<std::uint32_t>(size));
  mFiles.push_back({path.substr(mProjectPath.size()), std::move(bytes), size});
  return *this;
}

ProjectBuilder& ProjectBuilder::Memo(CParameter::EDataType kind, int slotNumber, int line,
                                     const std::string& text) {
  auto& lines = mMemos[kind][slotNumber];
  lines.resize(CParameter::kMemoLineCount);
  lines.at(static_cast<std::size_t>(line)) = text;
  return *this;
}

ProjectBuilder& ProjectBuilder::MemoFileText(CParameter::EDataType kind, const std::string& text) {
  mMemoFileTexts[kind] = text;
  return *this;
}

ProjectBuilder& ProjectBuilder::RawFile(const std::string& relativePath,
                                        const std::vector<unsigned char>& bytes) {
  mFiles.push_back({relativePath, bytes, bytes.size()});
  return *this;
}

ProjectBuilder& ProjectBuilder::RawFile(const std::string& relativePath, const std::string& text) {
  return RawFile(relativePath, std::vector<unsigned char>(text.begin(), text.end()));
}

ProjectBuilder& ProjectBuilder::Folder(const std::string& relativePath) {
  mFolders.push_back(relativePath);
  return *this;
}

ProjectBuilder& ProjectBuilder::WithoutWaveFolder() {
  mWithWaveFolder = false;
  return *this;
}

std::string ProjectBuilder::Write() const {
  const Bris::CNewProjectWriter writer(mProjectPath);
  Require(writer.CreateFolders(mWithWaveFolder), "folders of " + mProjectPath);
  for (const auto& folder : mFolders) {
    fs::create_directories(mProjectPath + folder);
  }
  for (const auto& file : mFiles) {
    const std::string path = mProjectPath + file.relativePath;
    fs::create_directories(fs::path(path).parent_path());
    Require(Bris::CNewProjectWriter::WriteBytes(path, file.bytes), path);
    if (file.size > file.bytes.size()) {
      fs::resize_file(path, file.size);
    }
  }
  Bris::CZelData model;
  for (const auto& [kind, slots] : mMemos) {
    auto* records = model.GetArray(static_cast<CParameter::EDataType>(kind));
    for (const auto& [slotNumber, lines] : slots) {
      for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
        (*records)[static_cast<std::size_t>(slotNumber - 1)]->SetMemo(
            line, lines[static_cast<std::size_t>(line)]);
      }
    }
    if (mMemoFileTexts.count(kind) == 0) {
      Require(writer.WriteMemoFile(static_cast<CParameter::EDataType>(kind), *records), "memos");
    }
  }
  for (const auto& [kind, text] : mMemoFileTexts) {
    const char* name = Bris::CMemoFile::FileName(static_cast<CParameter::EDataType>(kind));
    Require(Bris::CNewProjectWriter::WriteBytes(
                mProjectPath + name, std::vector<unsigned char>(text.begin(), text.end())),
            name);
  }
  return mProjectPath;
}

// --- Reading helpers

ProjectListing ListProject(const std::string& projectPath) {
  Bris::SProjectListing listing;
  Bris::CProjectOpener::List(projectPath, listing);
  return {std::move(listing.patches), std::move(listing.tones), std::move(listing.waves)};
}

bool OpenProject(Bris::CZelFileDocument& document, const std::string& projectPath) {
  return Bris::CProjectOpener::Open(document, projectPath).IsOpened();
}

std::vector<unsigned char> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// --- ErrorCodeRecorder

ErrorCodeRecorder::ErrorCodeRecorder() : mCodes(std::make_shared<std::vector<int>>()) {
  Bris::Domain().SetErrorOut(new RecordingTextOut(mCodes));
}

ErrorCodeRecorder::~ErrorCodeRecorder() {
  Bris::Domain().SetErrorOut(nullptr);
}

// --- RegisteredDocument

RegisteredDocument::RegisteredDocument(Bris::CZelFileDocument& document, bool modified)
    : mDocument(document), mModified(std::make_shared<bool>(modified)) {
  Bris::CDomain::SOpenDocument entry;
  entry.document = &document;
  entry.data = &document.GetZelData();
  entry.isModified = [flag = mModified] { return *flag; };
  Bris::Domain().RegisterOpenDocument(entry);
}

RegisteredDocument::~RegisteredDocument() {
  Bris::Domain().UnregisterOpenDocument(&mDocument);
}

} // namespace BrisTest
