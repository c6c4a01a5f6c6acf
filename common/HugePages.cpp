#include "common/HugePages.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace common {

#ifdef __linux__
void adviseHugePages(void* begin, std::size_t bytes) {
    constexpr std::uintptr_t hugePage = std::uintptr_t{2} << 20;
    const auto first = reinterpret_cast<std::uintptr_t>(begin);
    const std::uintptr_t alignedBegin = (first + hugePage - 1) & ~(hugePage - 1);
    const std::uintptr_t alignedEnd = (first + bytes) & ~(hugePage - 1);
    if (alignedEnd > alignedBegin)
        madvise(reinterpret_cast<void*>(alignedBegin), alignedEnd - alignedBegin, MADV_HUGEPAGE);
}
#else
void adviseHugePages(void*, std::size_t) {}
#endif

}  // namespace common
