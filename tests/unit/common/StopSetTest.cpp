#include "common/StopSet.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace common {
namespace {

constexpr StopSet quotesAndSlash("\"'/");
constexpr StopSet lineFeedOnly("\n");
constexpr StopSet highAndNul(std::string_view("\xE9\0", 2));
constexpr StopSet none("");

struct Case {
    const char* name;
    const StopSet& stops;
    std::string text;
    /// Where the first stop is; the text's size when there is none.
    std::size_t stop;
    /// The line feeds before it.
    std::size_t lineFeeds;
};

// find and findFirst agree on the stop; find adds the line feeds before it to
// what its counter held, and a line feed that is itself a stop is not counted.
TEST(StopSet, FindsTheFirstStopAndCountsTheLineFeedsBeforeIt) {
    const Case cases[] = {
        {"empty text", quotesAndSlash, "", 0, 0},
        {"a stop first", quotesAndSlash, "'a\nb", 0, 0},
        {"a stop after line feeds", quotesAndSlash, "a\n\nb\n/c\n", 5, 3},
        {"no stop: every line feed", quotesAndSlash, "\na\nb\n", 5, 3},
        {"the other quote", quotesAndSlash, "x\"y'", 1, 0},
        {"a line feed as the stop", lineFeedOnly, "ab\ncd\n", 2, 0},
        {"a byte above 0x7F", highAndNul, std::string("a\n\x80\xE8\xE9z", 6), 4, 1},
        {"the NUL byte", highAndNul, std::string("a\n\n\0\xE9", 5), 3, 2},
        {"no stops at all", none, std::string("\"'/\0\xFF\n", 6), 6, 1},
    };
    for (const Case& c : cases) {
        const char* begin = c.text.data();
        const char* end = begin + c.text.size();
        std::size_t lineFeeds = 10;  // find adds to what the counter holds
        EXPECT_EQ(c.stops.find(begin, end, lineFeeds) - begin, static_cast<std::ptrdiff_t>(c.stop)) << c.name;
        EXPECT_EQ(lineFeeds, 10 + c.lineFeeds) << c.name;
        EXPECT_EQ(c.stops.findFirst(begin, end) - begin, static_cast<std::ptrdiff_t>(c.stop)) << c.name;
        for (std::size_t i = 0; i < c.text.size(); ++i) {
            EXPECT_EQ(c.stops.contains(static_cast<unsigned char>(c.text[i])), i == c.stop) << c.name << " at " << i;
            if (i == c.stop) break;
        }
    }
}

}  // namespace
}  // namespace common
