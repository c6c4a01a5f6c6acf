#include "typecompiler/generator/TextRoom.h"

#include <exception>

#include "common/HugePages.h"

namespace vastor {

namespace {

constexpr std::uintptr_t smallPage = 4096;

// A capacity of at least `bytes` whose block, with the allocator's few bytes
// of bookkeeping, is a whole number of 2 MB pages less one 4 KB page. The C
// library on Linux maps such a block by itself, and the kernel places a
// mapping of whole 2 MB pages on a 2 MB boundary. Elsewhere the size is
// merely a little larger.
std::size_t hugePageFriendly(std::size_t bytes) {
    if (bytes < common::hugePageBytes) return bytes;
    return (bytes / common::hugePageBytes + 1) * common::hugePageBytes - smallPage;
}

std::uintptr_t pageOf(const std::string& text) {
    return reinterpret_cast<std::uintptr_t>(text.data()) & ~(smallPage - 1);
}

}  // namespace

void TextRoom::reserve(std::string& text, std::size_t bytes) {
    try {
        text.reserve(hugePageFriendly(bytes));
    } catch (const std::exception&) {  // too large: the buffer simply grows as it is written
        return;
    }
    // Huge pages: a fraction of the page faults (benchmarks/RESULTS.md).
    const std::uintptr_t page = pageOf(text);
    common::adviseHugePages(reinterpret_cast<char*>(page),
                            text.capacity() + (reinterpret_cast<std::uintptr_t>(text.data()) - page));
    // The allocator has written its bookkeeping into the first small page
    // already, so the first 2 MB would stay small pages: 512 faults per
    // buffer. They are collapsed once the buffer has shown it grows (settle),
    // which halves the faults left (benchmarks/RESULTS.md); doing it at once
    // would cost up to 2 MB of memory for each small buffer.
    head_ = page % common::hugePageBytes == 0 ? page : 0;
}

void TextRoom::collapseHead(const std::string& text) {
    if (pageOf(text) == head_) common::collapseHugePage(reinterpret_cast<void*>(head_));
    head_ = 0;
}

}  // namespace vastor
