#include "app/UAppPreferences.h"

#include "LibMac/Utility/PreferenceKeys.h"
#include "LibMac/Utility/UPreference.h"
#include "LibMac/Utility/UPreferenceLongString.h"
#include "LibMac/Utility/Ux.h"
#include "app/CSavePreview.h"
#include "app/CSelectFontDialog.h"
#include "domain/CDomain.h"
#include "framework/UFontNumber.h"
#include "views/CTableSettings.h"

#include <filesystem>
#include <utility>

#include <sys/stat.h>

namespace fs = std::filesystem;

void UAppPreferences::Load() {
  Bris::CDomain& domain = Bris::Domain();
  long gridState = 0;
  if (UPreference::SeekTag(kPrefGridSettings, false)) {
    gridState = UPreference::GetParamValue(kPrefGridState, 0);
  }
  const std::pair<const char*, const char*> options[] = {{kPrefWaveOption, kPrefWaveState},
                                                         {kPrefToneOption, kPrefToneState},
                                                         {kPrefTnumOption, kPrefTnumState},
                                                         {kPrefPnumOption, kPrefPnumState}};
  for (int i = 0; i < Bris::CDomain::kCleanOptionCount; ++i) {
    long value = 0;
    if (UPreference::SeekTag(options[i].first, false)) {
      value = UPreference::GetParamValue(options[i].second, 0);
    }
    domain.SetCleanOption(i, value != 0 ? 1 : 0);
  }
  long fontNumber = UFontNumber::kApplicationFont;
  long fontSize = UFontNumber::DefaultPointSize();
  if (UPreference::SeekTag(kPrefFontSettings, false)) {
    fontNumber = UPreference::GetParamValue(kPrefFontNumber, fontNumber);
    fontSize = UPreference::GetParamValue(kPrefFontSize, fontSize);
  }
  // A size no font has would leave the lists unreadable.
  if (fontSize < CSelectFontDialog::kMinSize || fontSize > 255) {
    fontSize = UFontNumber::DefaultPointSize();
  }
  long savePreview = 1;
  if (UPreference::SeekTag(kPrefSavePreview, false)) {
    savePreview = UPreference::GetParamValue(kPrefSavePreviewState, 1);
  }
  CSavePreview::SetShownBeforeSaves(savePreview != 0);
  CTableSettings::SetGridState(gridState == 1 ? 1 : 0);
  CTableSettings::SetFont(static_cast<short>(fontNumber), static_cast<short>(fontSize));
}

void UAppPreferences::Save() {
  const Bris::CDomain& domain = Bris::Domain();
  UPreference::SeekTag(kPrefGeneralSettings, true);
  UPreference::SetParamValue(kPrefPreferenceVersion, kPreferenceVersion);
  UPreference::SeekTag(kPrefGridSettings, true);
  UPreference::SetParamValue(kPrefGridState, CTableSettings::sGridState);
  const std::pair<const char*, const char*> options[] = {{kPrefWaveOption, kPrefWaveState},
                                                         {kPrefToneOption, kPrefToneState},
                                                         {kPrefTnumOption, kPrefTnumState},
                                                         {kPrefPnumOption, kPrefPnumState}};
  for (int i = 0; i < Bris::CDomain::kCleanOptionCount; ++i) {
    UPreference::SeekTag(options[i].first, true);
    UPreference::SetParamValue(options[i].second, domain.GetCleanOption(i) != 0 ? 1 : 0);
  }
  UPreference::SeekTag(kPrefFontSettings, true);
  UPreference::SetParamValue(kPrefFontNumber, CTableSettings::sFontNum);
  UPreference::SetParamValue(kPrefFontSize, CTableSettings::sFontSize);
  UPreference::SeekTag(kPrefSavePreview, true);
  UPreference::SetParamValue(kPrefSavePreviewState, CSavePreview::IsShownBeforeSaves() ? 1 : 0);
}

void UAppPreferences::SaveLastProject(const std::string& folderPath) {
  const fs::path folder(Ux::WithoutTrailingSlash(folderPath));
  const std::string parent = folder.parent_path().string();
  struct stat info = {};
  const bool known = ::stat(parent.c_str(), &info) == 0;
  UPreference::SeekTag(kPrefLastSelectedProject, true);
  UPreference::SetParamValue(kPrefVRefNum, known ? static_cast<long>(info.st_dev) : 0);
  UPreference::SetParamValue(kPrefParID, known ? static_cast<long>(info.st_ino) : 0);
  UPreferenceLongString::Write(kPrefName, folder.filename().string());
  UPreferenceLongString::Write(kPrefParentPath, parent);
}

bool UAppPreferences::LoadLastProject(std::string& folderPath) {
  folderPath.clear();
  if (!UPreference::SeekTag(kPrefLastSelectedProject, false)) {
    return false;
  }
  const std::string name = UPreferenceLongString::Read(kPrefName);
  const std::string parent = UPreferenceLongString::Read(kPrefParentPath);
  if (!name.empty() && !parent.empty()) {
    folderPath = (parent == "/" ? parent : parent + "/") + name;
  }
  return true;
}
