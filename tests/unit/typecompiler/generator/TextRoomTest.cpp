#include "typecompiler/generator/TextRoom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>

namespace vastor {
namespace {

constexpr std::size_t megabyte = std::size_t{1} << 20;

// Room is a hint: whatever is reserved, and however the text then grows past
// the half megabyte where its head is settled and past the room itself, the
// text holds exactly what was written. Reserving again on a used room, or
// more than a string can hold, changes nothing either.
TEST(TextRoom, ReservesAtLeastWhatIsAskedAndNeverChangesTheText) {
    struct Case {
        const char* name;
        std::size_t reserved;
        std::size_t written;
    };
    const Case cases[] = {
        {"nothing reserved", 0, 3 * megabyte},
        {"a small buffer", 100, 1000},
        {"below a huge page", megabyte, megabyte / 2 + 1},
        {"exactly a huge page", 2 * megabyte, 2 * megabyte},
        {"a huge page and a byte", 2 * megabyte + 1, 3 * megabyte},
        {"several huge pages, outgrown", 5 * megabyte, 12 * megabyte},
        {"more than a string can hold", std::string().max_size() + 4 * megabyte, 1000},
    };
    for (const Case& c : cases) {
        std::string text = "head";
        TextRoom room;
        room.reserve(text, c.reserved);
        EXPECT_EQ(text, "head") << c.name;
        if (c.reserved <= 64 * megabyte) {
            EXPECT_GE(text.capacity(), c.reserved) << c.name;
        }
        std::string expected = "head";
        for (std::size_t i = 0; expected.size() < c.written; ++i) {
            const std::string piece(1 + i % 4000, static_cast<char>('a' + i % 26));
            room.expect(text, piece.size());
            text += piece;
            expected += piece;
            if (i % 7 == 0) room.settle(text);
        }
        EXPECT_EQ(text, expected) << c.name;
        room.reserve(text, std::min(c.reserved, 8 * megabyte));  // a second reservation on a used room
        room.settle(text);
        EXPECT_EQ(text, expected) << c.name;
    }
}

}  // namespace
}  // namespace vastor
