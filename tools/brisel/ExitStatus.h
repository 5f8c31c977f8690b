#pragma once

// The exit statuses of brisel, as its manual page documents them.
namespace BrisTool {

inline constexpr int kExitOk = 0;
// The command failed (a project that does not open, a save that failed, a refused edit), or
// check found problems.
inline constexpr int kExitFailed = 1;
// The command line was wrong.
inline constexpr int kExitUsage = 2;
// The command stopped at a question that --yes would have answered; nothing was changed.
inline constexpr int kExitQuestionRefused = 3;

} // namespace BrisTool
