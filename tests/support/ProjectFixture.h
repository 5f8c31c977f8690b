#pragma once

#include "domain/CParameter.h"
#include "domain/CPatch.h"
#include "domain/CTone.h"
#include "store/CZelFileDocument.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Builders for synthetic project folders written from the file formats, and small helpers that
// store, editing and application tests share.
//
//   BrisTest::TempFolder temp;
//   std::string project = BrisTest::ProjectBuilder(temp.Path(), "Song")
//       .Patch(1, BrisTest::PatchFile("Warm Pad").Part(0, 3))        // part 1 plays tone 3
//       .Tone(3, BrisTest::ToneFile("Strings").Wave(0, 12))          // osc 1 plays wave 12
//       .Wave(12, "Kick", 1000)                                      // 1000-byte "012 Kick.w00"
//       .Memo(Bris::CParameter::kPatch, 1, 0, "first memo")
//       .RawFile("Patch/readme.d00", "not a slot file")
//       .Write();                                                    // ".../Song.prj/"
//   Bris::CBriselDocument document;
//   ASSERT_TRUE(BrisTest::OpenProject(document, project));
namespace BrisTest {

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, without a trailing "/".
  const std::string& Path() const { return mPath; }
  // Path() + "/" + relative.
  std::string operator/(const std::string& relative) const { return mPath + "/" + relative; }

private:
  std::string mPath;
};

// The bytes of a patch file: valid signature, the two tone blocks as chosen, stand-in bytes
// everywhere else.
class PatchFile {
public:
  explicit PatchFile(std::string name);

  // Part 0 or 1 plays toneNumber (1..16384, stored as marker 'W' and two 7-bit bytes).
  PatchFile& Part(int part, int toneNumber, bool toneSwitch = true);
  // Raw bytes 0..3 of a part's block: switch, marker, high and low seven bits.
  PatchFile& RawPart(int part, int toneSwitch, int marker, int high, int low);
  // Whole file size (at least the 170 bytes a reader needs).
  PatchFile& Size(std::size_t bytes);
  PatchFile& FillSeed(std::uint32_t seed);

  const std::string& Name() const { return mRecord.GetName(); }
  const Bris::CPatch& Record() const { return mRecord; }
  std::vector<unsigned char> Bytes() const;

private:
  Bris::CPatch mRecord;
  std::size_t mSize;
  std::uint32_t mFillSeed = 11;
};

// The bytes of a tone file: valid signature, the sixteen oscillator blocks (instrument defaults
// unless chosen), stand-in bytes everywhere else.
class ToneFile {
public:
  explicit ToneFile(std::string name);

  // Oscillator osc (0..15), section 0 or 1: type, wave number (stored only for type 1, as the
  // instrument does) and switch.
  ToneFile& Osc(int osc, int section, int type, int waveNumber, bool oscSwitch = true);
  // Shorthand: oscillator osc, section 0, wave type, switched on, playing waveNumber.
  ToneFile& Wave(int osc, int waveNumber);
  // Raw nibbles of a section's wave number, whatever its type.
  ToneFile& RawWaveNumber(int osc, int section, int waveNumber);
  ToneFile& Size(std::size_t bytes);
  ToneFile& FillSeed(std::uint32_t seed);

  const std::string& Name() const { return mRecord.GetName(); }
  const Bris::CTone& Record() const { return mRecord; }
  std::vector<unsigned char> Bytes() const;

private:
  Bris::CTone mRecord;
  std::size_t mSize;
  std::uint32_t mFillSeed = 13;
};

// Writes a project folder <parent>/<name>.prj/ with "Patch/", "Tone/" and "Wave/".
class ProjectBuilder {
public:
  ProjectBuilder(std::string parentFolder, const std::string& name = "Test");

  // Slot files "NNN name.ext" in the kind's subfolder. The same slot number twice gives two files.
  ProjectBuilder& Patch(int slotNumber, const PatchFile& file);
  ProjectBuilder& Tone(int slotNumber, const ToneFile& file);
  // A wave file of size bytes (stand-in bytes at the start; large files are sparse).
  ProjectBuilder& Wave(int slotNumber, const std::string& name, std::uint64_t size = 64,
                       const std::string& extension = ".w00");
  // Memo line 0..3 of a slot (1-based); the kind's memo file is written when any is set.
  ProjectBuilder& Memo(Bris::CParameter::EDataType kind, int slotNumber, int line,
                       const std::string& text);
  // The kind's memo file with exactly this content (wins over Memo()).
  ProjectBuilder& MemoFileText(Bris::CParameter::EDataType kind, const std::string& text);
  // Any file, relative to the project folder ("Patch/readme.txt"): stray and broken files.
  ProjectBuilder& RawFile(const std::string& relativePath, const std::vector<unsigned char>& bytes);
  ProjectBuilder& RawFile(const std::string& relativePath, const std::string& text);
  // A folder where a file might be expected ("PatchMemo.txt", "Patch/001 X.d00").
  ProjectBuilder& Folder(const std::string& relativePath);
  ProjectBuilder& WithoutWaveFolder();

  // The project folder path, ending in ".prj/".
  const std::string& ProjectPath() const { return mProjectPath; }
  // ProjectPath() + subfolder + "NNN " + name + extension.
  std::string SlotPath(Bris::CParameter::EDataType kind, int slotNumber, const std::string& name,
                       const std::string& extension) const;

  // Writes everything; returns ProjectPath(). Throws std::runtime_error when a file cannot be
  // written (a broken test set-up, not a result).
  std::string Write() const;

private:
  struct SFile {
    std::string relativePath;
    std::vector<unsigned char> bytes;
    std::uint64_t size; // > bytes.size(): extended as a sparse file
  };

  std::string mProjectPath;
  bool mWithWaveFolder = true;
  std::vector<SFile> mFiles;
  std::vector<std::string> mFolders;
  std::map<int, std::map<int, std::vector<std::string>>> mMemos; // kind -> slot -> 4 lines
  std::map<int, std::string> mMemoFileTexts;
};

// The data files of a project's subfolders, listed as a project session lists them.
struct ProjectListing {
  std::list<std::string> patches;
  std::list<std::string> tones;
  std::list<std::string> waves; // empty when there is no "Wave/" folder
};
ProjectListing ListProject(const std::string& projectPath);
// Opens the project into document the way a project session does (CProjectOpener: checks,
// listings, ReadDocument), for tests that work on a bare or fault-injecting document.
bool OpenProject(Bris::CZelFileDocument& document, const std::string& projectPath);

std::vector<unsigned char> ReadFileBytes(const std::string& path);
std::string ReadFileText(const std::string& path);
// The file's lines without their line feeds; a last line without one counts too.
std::vector<std::string> ReadLines(const std::string& path);

// Records every error code the domain's error output receives while it lives; the channel is
// emptied again at the end.
class ErrorCodeRecorder {
public:
  ErrorCodeRecorder();
  ~ErrorCodeRecorder();
  ErrorCodeRecorder(const ErrorCodeRecorder&) = delete;
  ErrorCodeRecorder& operator=(const ErrorCodeRecorder&) = delete;

  const std::vector<int>& Codes() const { return *mCodes; }

private:
  std::shared_ptr<std::vector<int>> mCodes;
};

// Registers a document in the domain's registry of open projects for the scope.
class RegisteredDocument {
public:
  explicit RegisteredDocument(Bris::CZelFileDocument& document, bool modified = true);
  ~RegisteredDocument();
  RegisteredDocument(const RegisteredDocument&) = delete;
  RegisteredDocument& operator=(const RegisteredDocument&) = delete;

  void SetModified(bool modified) { *mModified = modified; }

private:
  Bris::CZelFileDocument& mDocument;
  std::shared_ptr<bool> mModified;
};

} // namespace BrisTest
