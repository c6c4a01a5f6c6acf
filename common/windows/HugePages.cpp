#include "common/HugePages.h"

namespace common {

// Large pages on Windows need a privilege that users rarely hold: no advice.
void adviseHugePages(void*, std::size_t) {}

void collapseHugePage(void*) {}

}  // namespace common
