#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vastor {

/// Room for one large text buffer, backed by huge pages where the system
/// offers them: a buffer of tens of megabytes is then touched in a few dozen
/// page faults instead of thousands (benchmarks/RESULTS.md).
class TextRoom {
public:
    /// Makes room for about `bytes` of text up front, a hint only: the text
    /// then fills without being copied as it grows. Room that is never
    /// written costs no memory.
    void reserve(std::string& text, std::size_t bytes);

    /// Call now and then while text grows: once it holds half a megabyte,
    /// the start of its room becomes a huge page as well (a smaller buffer
    /// would take up to 2 MB for what fills a few small pages).
    void settle(const std::string& text) { expect(text, 0); }

    /// As settle, for text about to grow by moreBytes.
    void expect(const std::string& text, std::size_t moreBytes) {
        if (head_ != 0 && text.size() + moreBytes >= settleBytes) collapseHead(text);
    }

private:
    static constexpr std::size_t settleBytes = std::size_t{512} << 10;

    void collapseHead(const std::string& text);

    /// The 2 MB boundary where the reserved text starts, while its first
    /// huge page is still made of small pages; 0 otherwise.
    std::uintptr_t head_ = 0;
};

}  // namespace vastor
