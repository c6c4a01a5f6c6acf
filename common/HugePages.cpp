#include "common/HugePages.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
// The C library's headers may predate MADV_COLLAPSE (Linux 6.1); the kernel's have it.
#if !defined(MADV_COLLAPSE) && __has_include(<linux/mman.h>)
#include <linux/mman.h>
#endif
#endif

namespace common {

namespace {

constexpr std::uintptr_t hugePage = std::uintptr_t{2} << 20;

}  // namespace

#ifdef __linux__
void adviseHugePages(void* begin, std::size_t bytes) {
    const auto first = reinterpret_cast<std::uintptr_t>(begin);
    const std::uintptr_t alignedBegin = (first + hugePage - 1) & ~(hugePage - 1);
    const std::uintptr_t alignedEnd = (first + bytes) & ~(hugePage - 1);
    if (alignedEnd > alignedBegin)
        madvise(reinterpret_cast<void*>(alignedBegin), alignedEnd - alignedBegin, MADV_HUGEPAGE);
}
#else
void adviseHugePages(void*, std::size_t) {}
#endif

#if defined(__linux__) && defined(MADV_COLLAPSE)
void collapseHugePage(void* begin) {
    madvise(begin, hugePage, MADV_COLLAPSE);  // fails harmlessly on kernels before 6.1
}
#else
void collapseHugePage(void*) {}
#endif

}  // namespace common
