#pragma once

#include <cstddef>

namespace common {

/// The size of a huge page, where the system offers them.
inline constexpr std::size_t hugePageBytes = std::size_t{2} << 20;

/// Asks the system to back the whole 2 MB pages inside [begin, begin + bytes)
/// with huge pages when they are first touched. A hint: where the system
/// offers no such thing (or is not Linux) it does nothing.
void adviseHugePages(void* begin, std::size_t bytes);

/// Asks the system to back the 2 MB page that starts at begin (a 2 MB
/// boundary inside memory the caller owns) with one huge page at once,
/// moving what was already written there. A hint, like adviseHugePages.
void collapseHugePage(void* begin);

}  // namespace common
