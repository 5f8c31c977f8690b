#pragma once

#include <QString>

#include <string>
#include <vector>

class QWidget;

// Chooses audio files to import as waves: folders are always shown, files only when their name
// ends with ".wav", ".aif", ".aiff" or ".vpw" in any letter case. Several files can be chosen.
// The chooser starts in the folder of the last choice, at first in the Music folder.
class CImportWaveChooser {
public:
  // True when files were chosen.
  bool AskOpenFile(QWidget* parent = nullptr);
  int GetNumberOfFiles() const { return static_cast<int>(mFiles.size()); }
  // Full path of chosen file fileIndex (0-based).
  std::string GetFileSpec(int fileIndex) const;

  static bool IsImportableFileName(const QString& name);
  // Where the next chooser starts: the folder of the last choice when it still exists, else
  // the Music folder, else home.
  static QString GetStartFolder();

private:
  std::vector<std::string> mFiles;
  static inline QString sLastFolder;
};
