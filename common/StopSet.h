#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace common {

/// The bytes that end a run of input which a scanner passes over in bulk
/// because none of the run's bytes changes its state but the line count.
/// Line feeds inside a run are counted unless they are themselves stops.
///
/// A byte at a time, by table: runs between stops in grammars and
/// specifications are mostly a few bytes long, and a sixteen-byte SSE2 search
/// measured slower than this loop on both tools' benchmarks.
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

    /// Copies the bytes of [from, from + count) to `to` up to and including
    /// the first stop and returns how many it copied (count when there is no
    /// stop); adds to lineFeeds the line feeds before the stop. One pass that
    /// looks at and copies each byte.
    std::size_t copyThrough(const char* from, std::size_t count, char* to, std::size_t& lineFeeds) const {
        for (std::size_t length = 0; length < count; ++length) {
            const char byte = from[length];
            to[length] = byte;
            const Kind kind = kinds_[static_cast<unsigned char>(byte)];
            if (kind == stop) return length + 1;
            lineFeeds += kind;  // 1 for a line feed, 0 for any other byte
        }
        return count;
    }

private:
    enum Kind : unsigned char { pass = 0, lineFeed = 1, stop = 2 };

    std::array<Kind, 256> kinds_;
};

}  // namespace common
