#include "common/HugePages.h"

#include <sys/mman.h>

#include <cstdint>

// The C library's headers may predate MADV_COLLAPSE (Linux 6.1); the kernel's have it.
#if !defined(MADV_COLLAPSE) && __has_include(<linux/mman.h>)
#include <linux/mman.h>
#endif

// Each advice is given where the system's headers define it (Linux), and
// nothing is asked elsewhere.
namespace common {

void adviseHugePages(void* begin, std::size_t bytes) {
#if defined(MADV_HUGEPAGE)
    const auto first = reinterpret_cast<std::uintptr_t>(begin);
    const std::uintptr_t alignedBegin = (first + hugePageBytes - 1) & ~(hugePageBytes - 1);
    const std::uintptr_t alignedEnd = (first + bytes) & ~(hugePageBytes - 1);
    if (alignedEnd > alignedBegin)
        madvise(reinterpret_cast<void*>(alignedBegin), alignedEnd - alignedBegin, MADV_HUGEPAGE);
#else
    (void)begin;
    (void)bytes;
#endif
}

void collapseHugePage(void* begin) {
#if defined(MADV_COLLAPSE)
    madvise(begin, hugePageBytes, MADV_COLLAPSE);  // fails harmlessly on kernels before 6.1
#else
    (void)begin;
#endif
}

}  // namespace common
