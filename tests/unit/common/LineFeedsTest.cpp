#include "common/LineFeeds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>

namespace common {
namespace {

std::string lineFeeds(std::size_t count) { return std::string(count, '\n'); }

std::string pattern(std::size_t size) {
    std::string text;
    for (std::size_t i = 0; text.size() < size; ++i)
        text += i % 3 == 0 ? "\n" : i % 3 == 1 ? "ab\x8A\n" : "\x0A\x0B\xFF";
    text.resize(size);
    return text;
}

// Sixteen bytes at a time, each lane counting up to 255 blocks before the
// sums are taken: texts around those sizes, at every alignment, against a
// byte-by-byte count.
TEST(LineFeeds, CountsLikeAByteByByteCountAtEverySizeAndAlignment) {
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"no line feed", std::string(100, 'x')},
        {"one short of a block", lineFeeds(15)},
        {"one block", lineFeeds(16)},
        {"a block and a byte", lineFeeds(17)},
        {"255 blocks of line feeds: every lane full", lineFeeds(16 * 255)},
        {"256 blocks of line feeds: a second round", lineFeeds(16 * 256 + 3)},
        {"two full rounds and a tail", lineFeeds(2 * 16 * 255 + 31)},
        {"mixed bytes, 0x0A beside 0x8A", pattern(5000)},
    };
    for (const Case& c : cases) {
        for (std::size_t offset = 0; offset < 16; ++offset) {
            const std::string text = std::string(offset, '\n') + c.text;
            const char* begin = text.data() + offset;
            const char* end = text.data() + text.size();
            EXPECT_EQ(countLineFeeds(begin, end), static_cast<std::size_t>(std::count(begin, end, '\n')))
                << c.name << " at offset " << offset;
        }
    }
}

}  // namespace
}  // namespace common
