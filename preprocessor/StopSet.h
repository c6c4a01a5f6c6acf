#pragma once

#include <array>
#include <string_view>

namespace perlan {

/// The bytes that end a run of input that a scanning routine may copy in bulk
/// because none of its bytes changes the routine's state. Line feeds inside a
/// run are counted unless they are themselves stops.
class StopSet {
public:
    /// What a byte is to a run. The values let a scanning loop add the kind
    /// of each passed byte to its line count.
    enum Kind : unsigned char { pass = 0, lineFeed = 1, stop = 2 };

    constexpr explicit StopSet(std::string_view stops) : kinds_{} {
        kinds_['\n'] = lineFeed;
        for (char byte : stops) kinds_[static_cast<unsigned char>(byte)] = stop;
    }

    constexpr Kind kind(unsigned char byte) const { return kinds_[byte]; }

private:
    std::array<Kind, 256> kinds_;
};

}  // namespace perlan
