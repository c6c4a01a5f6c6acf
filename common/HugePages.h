#pragma once

#include <cstddef>

namespace common {

/// Asks the system to back the whole 2 MB pages inside [begin, begin + bytes)
/// with huge pages when they are first touched. A hint: where the system
/// offers no such thing (or is not Linux) it does nothing.
void adviseHugePages(void* begin, std::size_t bytes);

}  // namespace common
