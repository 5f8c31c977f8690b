#pragma once

namespace Bris {

// The debug trace hook: takes one printf-style line and discards it. Kept so that the points that
// would trace stay visible in the code and their arguments stay checked against the format.
[[gnu::format(printf, 1, 2)]] void IgnoreTRACE(const char* format, ...);

} // namespace Bris
