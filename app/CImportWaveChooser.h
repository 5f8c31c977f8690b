#pragma once

#include <QString>

#include <string>
#include <vector>

class QFileDialog;
class QWidget;

// Chooses audio files to import as waves: folders are always shown, files only when their name
// ends with ".wav", ".aif", ".aiff" or ".vpw" in any letter case. Several files can be chosen.
class CImportWaveChooser {
public:
  // True when files were chosen.
  bool AskOpenFile(QWidget* parent = nullptr);
  int GetNumberOfFiles() const { return static_cast<int>(mFiles.size()); }
  // Full path of chosen file fileIndex (0-based).
  std::string GetFileSpec(int fileIndex) const;

  static bool IsImportableFileName(const QString& name);
  // Prepares the file dialog (mode, title, filter); exposed so the filter can be checked.
  static void SetUpDialog(QFileDialog& dialog);

private:
  std::vector<std::string> mFiles;
};
