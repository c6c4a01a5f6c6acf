#include "typecompiler/generator/JavaWriter.h"

#include <cstdint>
#include <exception>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace vastor {

void JavaWriter::reserve(std::size_t bytes) {
    try {
        text_.reserve(bytes);
    } catch (const std::exception&) {  // too large: the buffer simply grows as it is written
        return;
    }
#ifdef __linux__
    // A buffer of tens of megabytes is touched page by page as it fills;
    // with huge pages that is a few dozen page faults instead of thousands,
    // which on a virtual machine is most of the cost of writing it.
    constexpr std::uintptr_t hugePage = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(text_.data());
    const std::uintptr_t end = begin + text_.capacity();
    const std::uintptr_t alignedBegin = (begin + hugePage - 1) & ~(hugePage - 1);
    const std::uintptr_t alignedEnd = end & ~(hugePage - 1);
    if (alignedEnd > alignedBegin)
        madvise(reinterpret_cast<void*>(alignedBegin), alignedEnd - alignedBegin, MADV_HUGEPAGE);
#endif
}

}  // namespace vastor
