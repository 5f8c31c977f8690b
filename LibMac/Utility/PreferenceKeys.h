#pragma once

// Sections ("tags") and parameter names of the preferences file.

inline constexpr const char* kPrefGeneralSettings = "General Settings";
inline constexpr const char* kPrefPreferenceVersion = "Preference Version";
inline constexpr const char* kPrefWindowSize = "Window Size"; // point: height, width
inline constexpr const char* kPrefPatchColumnWidth = "Patch Column Width";
inline constexpr const char* kPrefToneColumnWidth = "Tone Column Width";
inline constexpr const char* kPrefWaveColumnWidth = "Wave Column Width";

inline constexpr const char* kPrefGridSettings = "Grid Settings";
inline constexpr const char* kPrefGridState = "Grid State";

inline constexpr const char* kPrefWaveOption = "Wave Option";
inline constexpr const char* kPrefWaveState = "Wave State";
inline constexpr const char* kPrefToneOption = "Tone Option";
inline constexpr const char* kPrefToneState = "Tone State";
inline constexpr const char* kPrefTnumOption = "Tnum Option";
inline constexpr const char* kPrefTnumState = "Tnum State";
inline constexpr const char* kPrefPnumOption = "Pnum Option";
inline constexpr const char* kPrefPnumState = "Pnum State";

inline constexpr const char* kPrefFontSettings = "Font Settings";
inline constexpr const char* kPrefFontNumber = "Font Number";
inline constexpr const char* kPrefFontSize = "Font Size";

// The last project folder chosen. "VRefNum" and "ParID" hold the device and inode numbers of its
// parent folder, "Name" the folder's name and "Parent Path" the parent folder's path; the two
// strings are stored with "%XX" escapes for the bytes a value cannot hold, over as many values as
// they need (each at most 255 bytes), ended by the line's end or an empty value.
inline constexpr const char* kPrefLastSelectedProject = "Last Selected Project";
inline constexpr const char* kPrefVRefNum = "VRefNum";
inline constexpr const char* kPrefParID = "ParID";
inline constexpr const char* kPrefName = "Name";
inline constexpr const char* kPrefParentPath = "Parent Path";

// Whether a save that moves files to the Trash shows its preview first (1, the default) or not.
inline constexpr const char* kPrefSavePreview = "Save Preview";
inline constexpr const char* kPrefSavePreviewState = "Preview State";

inline constexpr long kPreferenceVersion = 1;
