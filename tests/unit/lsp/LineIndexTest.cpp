#include "lsp/LineIndex.h"

#include <gtest/gtest.h>

#include <string>

namespace lsp {
namespace {

struct Case {
    const char* name;
    std::string text;
    PositionEncoding encoding;
    std::size_t offset;
    Position position;
};

// "é" is 2 bytes and 1 UTF-16 unit, "€" 3 and 1, "𝄞" 4 and 2.
const Case cases[] = {
    {"start", "ab\ncd", PositionEncoding::utf16, 0, {0, 0}},
    {"second line", "ab\ncd", PositionEncoding::utf16, 4, {1, 1}},
    {"end of text", "ab\ncd", PositionEncoding::utf16, 5, {1, 2}},
    {"CR LF ends a line", "ab\r\ncd", PositionEncoding::utf16, 4, {1, 0}},
    {"a lone CR ends a line", "ab\rcd", PositionEncoding::utf16, 4, {1, 1}},
    {"text after the last LF", "ab\n", PositionEncoding::utf16, 3, {1, 0}},
    {"two-byte letter, UTF-16", "\xC3\xA9x", PositionEncoding::utf16, 2, {0, 1}},
    {"two-byte letter, UTF-8", "\xC3\xA9x", PositionEncoding::utf8, 2, {0, 2}},
    {"three bytes, UTF-16",
     "\xE2\x82\xAC"
     "x",
     PositionEncoding::utf16,
     3,
     {0, 1}},
    {"four bytes are a surrogate pair", "\xF0\x9D\x84\x9Ex", PositionEncoding::utf16, 4, {0, 2}},
    {"four bytes, UTF-8", "\xF0\x9D\x84\x9Ex", PositionEncoding::utf8, 4, {0, 4}},
    {"a stray byte counts as one", "\xFFx", PositionEncoding::utf16, 1, {0, 1}},
};

TEST(LineIndex, OffsetsAndPositionsMatch) {
    for (const Case& c : cases) {
        const LineIndex lines(c.text, c.encoding);
        EXPECT_EQ(lines.position(c.offset), c.position) << c.name;
        EXPECT_EQ(lines.offset(c.position), c.offset) << c.name;
    }
}

struct Clamp {
    const char* name;
    Position position;
    std::size_t offset;
};

TEST(LineIndex, PositionsOutsideTheTextAreClamped) {
    const std::string text = "ab\r\n\xF0\x9D\x84\x9E\n";
    const LineIndex lines(text, PositionEncoding::utf16);
    const Clamp clamps[] = {
        {"past the end of a line: before its CR LF", {0, 9}, 2},
        {"inside a surrogate pair: the character's start", {1, 1}, 4},
        {"past the last line: the end", {7, 0}, text.size()},
        {"negative: the start", {-1, -5}, 0},
    };
    for (const Clamp& c : clamps) EXPECT_EQ(lines.offset(c.position), c.offset) << c.name;
    EXPECT_EQ(lines.lineCount(), 3u);
    EXPECT_EQ(lines.lineEnd(0), 2u);
}

TEST(LineIndex, ToolLinesCountLineFeedsOnly) {
    const std::string text = "a\rb\nc\r\nd";
    EXPECT_EQ(toolLineStart(text, 1), 0u);
    EXPECT_EQ(toolLineStart(text, 2), 4u);
    EXPECT_EQ(toolLineStart(text, 3), 7u);
    EXPECT_EQ(toolLineStart(text, 99), 7u) << "past the end: the last line";
    EXPECT_EQ(toolLineOf(text, 7), 3);
}

}  // namespace
}  // namespace lsp
