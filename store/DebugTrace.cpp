#include "store/DebugTrace.h"

namespace Bris {

void IgnoreTRACE(const char* /*format*/, ...) {}

} // namespace Bris
