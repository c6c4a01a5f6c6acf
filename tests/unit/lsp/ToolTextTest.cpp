#include "lsp/ToolText.h"

#include <gtest/gtest.h>

namespace lsp {
namespace {

TEST(ToolText, LatinOneBytesBecomeUtf8AndUtf8Stays) {
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"le\xED"
         "a",
         "le\xC3\xAD"
         "a"},                                             // the fixed messages' i with acute accent
        {"m\xE9todo", "m\xC3\xA9todo"},                    // and e with acute accent
        {"gram\xC3\xA1tica", "gram\xC3\xA1tica"},          // UTF-8 from the input stays
        {"'\xC3'", "'\xC3\x83'"},                          // a lone lead byte is Latin-1
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},      // a surrogate's encoding is no UTF-8
        {std::string("a\0b", 3), std::string("a\0b", 3)},  // NUL passes
    };
    for (const auto& c : cases) EXPECT_EQ(toolTextToUtf8(c.bytes), c.text) << c.bytes;
}

TEST(ToolText, TheLineOfAnError) {
    EXPECT_EQ(errorLineOf("Syntax error( line 12 ):1st section was expected"), 12);
    EXPECT_EQ(errorLineOf("Scanner error( line 1 ):x"), 1);
    EXPECT_EQ(errorLineOf("Semantic error( line 7 ):x"), 7);
    EXPECT_EQ(errorLineOf("Vastor Configuration Error :unknown Switch: x"), 0);
    EXPECT_EQ(errorLineOf("Syntax error( line x ):y"), 0);
    EXPECT_EQ(errorLineOf("Syntax error( line 99999999999999 ):y"), 0);
}

}  // namespace
}  // namespace lsp
