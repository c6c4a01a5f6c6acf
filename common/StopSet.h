#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace common {

/// The bytes that end a run of input which a scanner passes over in bulk
/// because none of the run's bytes changes its state but the line count.
///
/// Both searches go a byte at a time, by table: runs between stops in
/// grammars and specifications are mostly a few bytes long, and a
/// sixteen-byte SSE2 search is slower on them (benchmarks/RESULTS.md).
class StopSet {
public:
    consteval explicit StopSet(std::string_view stops) : kinds_{} {
        kinds_['\n'] = lineFeed;
        for (char byte : stops) kinds_[static_cast<unsigned char>(byte)] = stop;
    }

    constexpr bool contains(unsigned char byte) const { return kinds_[byte] == stop; }

    /// The first stop in [begin, end), or end; adds to lineFeeds the line
    /// feeds before it.
    const char* find(const char* begin, const char* end, std::size_t& lineFeeds) const {
        for (; begin != end; ++begin) {
            const Kind kind = kinds_[static_cast<unsigned char>(*begin)];
            if (kind == stop) break;
            lineFeeds += kind;
        }
        return begin;
    }

    /// The first stop in [begin, end), or end.
    const char* findFirst(const char* begin, const char* end) const {
        while (begin != end && !contains(static_cast<unsigned char>(*begin))) ++begin;
        return begin;
    }

private:
    enum Kind : unsigned char { pass = 0, lineFeed = 1, stop = 2 };

    std::array<Kind, 256> kinds_;
};

}  // namespace common
