#include "common/HugePageCollapse.h"

#include <cstddef>

#ifdef __linux__
#include <sys/mman.h>
// The C library's headers may predate MADV_COLLAPSE (Linux 6.1); the kernel's have it.
#if !defined(MADV_COLLAPSE) && __has_include(<linux/mman.h>)
#include <linux/mman.h>
#endif
#endif

namespace common {

#if defined(__linux__) && defined(MADV_COLLAPSE)
void collapseHugePage(void* begin) {
    constexpr std::size_t hugePage = std::size_t{2} << 20;
    madvise(begin, hugePage, MADV_COLLAPSE);  // fails harmlessly on kernels before 6.1
}
#else
void collapseHugePage(void*) {}
#endif

}  // namespace common
