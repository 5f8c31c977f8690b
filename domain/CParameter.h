#pragma once

#include <string>
#include <string_view>

namespace Bris {

// One slot of a project: the path of the file that holds its data, the name shown in the lists
// (at most 12 bytes, UTF-8) and four memo lines. A slot whose file path is empty is blank (free).
class CParameter {
public:
  // The kind of a slot. Any other value selects nothing.
  enum EDataType : int { kPatch = 0, kTone = 1, kWave = 2 };

  static constexpr int kMemoLineCount = 4;
  static constexpr std::string::size_type kMaxNameBytes = 12;

  CParameter() = default;
  virtual ~CParameter() = default;

  // A new heap copy of the same concrete type; the caller owns it.
  virtual CParameter* Clone() const = 0;
  // Clears file path, name and memo lines; the spare string and any instrument data stay.
  virtual void Initialize();

  const std::string& GetFilePath() const { return mFilePath; }
  void SetFilePath(const std::string& path) { mFilePath = path; }

  const std::string& GetName() const { return mName; }
  // Sets the displayed name, cut to 12 bytes. With fromFileName the string is a data-file path
  // "<folder>/NNN name.ext" and only "name" is kept.
  void SetFinalName(const std::string& name, bool fromFileName);
  // The name SetFinalName would set, for callers that hold no record.
  static std::string FinalName(const std::string& name, bool fromFileName);

  // Memo lines 0..3; other line numbers read "" and are not stored.
  const std::string& GetMemo(int line) const;
  void SetMemo(int line, std::string_view text);

  // Carried with the record, otherwise unused.
  const std::string& GetSpare() const { return mSpare; }
  void SetSpare(const std::string& spare) { mSpare = spare; }

  bool IsBlank() const { return mFilePath.empty(); }
  // True when the file path ends in ".w00" (any case): the data is an instrument wave file, not
  // an imported audio file.
  bool IsPresetWave() const;

protected:
  // Copying goes through Clone(); protected so that a base cannot be sliced by accident.
  CParameter(const CParameter&) = default;
  CParameter& operator=(const CParameter&) = default;

private:
  std::string mFilePath;
  std::string mName;
  std::string mSpare;
  std::string mMemos[kMemoLineCount];
};

} // namespace Bris
