#pragma once

// Extension patterns of the files in a project folder, as null-terminated lists for
// UFileUtils::SearchFiles and UFileUtils::IsEqualExt. ".w*" takes every instrument wave file
// (".w00" and the like); the others are the audio files a user may import.
namespace Bris {

inline constexpr const char* FileExt_Patch[] = {".d00", nullptr};
inline constexpr const char* FileExt_Tone[] = {".p00", nullptr};
inline constexpr const char* FileExt_Wave[] = {".w*", ".wav", ".aiff", ".aif", ".vpw", nullptr};
inline constexpr const char* FileExt_System[] = {".s00", nullptr};
inline constexpr const char* FileExt_All[] = {".*", nullptr};

// The extension of a project folder's name.
inline constexpr const char* FileExt_Project = ".prj";

} // namespace Bris
