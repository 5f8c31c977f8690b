#include "app/CCleanProjectHandler.h"

#include "LibMac/Utility/PreferenceKeys.h"
#include "LibMac/Utility/UPreference.h"
#include "app/CCleanProjectDialog.h"
#include "app/CLibrarianDoc.h"
#include "app/CProjectWindow.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"

#include <utility>

namespace {

// The clean options in the preferences, in the domain's order.
const std::pair<const char*, const char*> kCleanOptionKeys[] = {
    {kPrefWaveOption, kPrefWaveState},
    {kPrefToneOption, kPrefToneState},
    {kPrefTnumOption, kPrefTnumState},
    {kPrefPnumOption, kPrefPnumState},
};

} // namespace

bool CCleanProjectHandler::HandleCleanProject() {
  Bris::CDomain& domain = Bris::Domain();
  CCleanProjectDialog::Options options{};
  for (int i = 0; i < Bris::CDomain::kCleanOptionCount; ++i) {
    options[static_cast<std::size_t>(i)] = domain.GetCleanOption(i) != 0 ? 1 : 0;
  }
  if (!CCleanProjectDialog::AskOptions(&mWindow, options)) {
    return false;
  }
  for (int i = 0; i < Bris::CDomain::kCleanOptionCount; ++i) {
    const int value = options[static_cast<std::size_t>(i)];
    domain.SetCleanOption(i, value);
    UPreference::SeekTag(kCleanOptionKeys[i].first, true);
    UPreference::SetParamValue(kCleanOptionKeys[i].second, value);
  }
  CLibrarianDoc& document = *mWindow.GetDocument();
  Bris::CZelData& data = document.GetZelData();
  domain.ClearUndoDoc();
  domain.CopyToUndoBuffer(Bris::CDomain::kUndoAll, &data);
  document.GetStore().CleanProject();
  document.SetModified(true);
  mWindow.ClearTableSelection();
  mWindow.UpdateContents();
  return true;
}
