#include "lsp/SaveCheck.h"

#include <gtest/gtest.h>

#include <string>

#include "lsp/SourceMap.h"

namespace lsp {
namespace {

std::string render(const std::vector<LineMessage>& messages) {
    std::string out;
    for (const LineMessage& m : messages)
        out += std::to_string(m.line) + (m.severity == Severity::error ? " error " : " warning ") + m.message + "|";
    return out;
}

TEST(SaveCheck, SourceMapsSendGeneratedLinesToTheirSource) {
    // Lines 1-3 of Type.java come from line 2; 10-12 copy lines 7-9; 20 from 30.
    const SourceMap map(
        "SMAP\nType.java\nVastor\n*S Vastor\n*F\n+ 1 t.spec\nt.spec\n*L\n2#1:1,3\n7#1,3:10\n30#1:20\n*E\n");
    const std::pair<long, long> lines[] = {{1, 2}, {3, 2}, {10, 7}, {12, 9}, {15, 9}, {20, 30}, {99, 30}};
    for (const auto& [generated, source] : lines) EXPECT_EQ(map.sourceLine(generated), source) << generated;
    EXPECT_EQ(SourceMap("not a map").sourceLine(3), 0);
    EXPECT_EQ(SourceMap("*L\n1#1,99999999999:1\n").sourceLine(1), 0) << "absurd counts are refused";
}

TEST(SaveCheck, JavacMessagesComeAtTheSpecificationsLines) {
    const SourceMap map("*L\n8#1:40,5\n*E\n");
    const std::string output =
        "/tmp/x/Type.java:42: error: cannot find symbol\n"
        "\t\treturn undefinedName;\n"
        "\t\t       ^\n"
        "  symbol:   variable undefinedName\n"
        "  location: class integer\n"
        "/tmp/x/Type.java:44: warning: [unchecked] unchecked call\n"
        "    default: x();\n"
        "    ^\n"
        "C:\\t\\src\\TypeException.java:3: error: ';' expected\n"
        "x\n"
        " ^\n"
        "2 errors\n";
    EXPECT_EQ(render(javacMessages(output, map)),
              "8 error cannot find symbol\nsymbol: variable undefinedName\nlocation: class integer|"
              "8 warning [unchecked] unchecked call|"
              "0 error TypeException.java:3: ';' expected|");
}

TEST(SaveCheck, ByaccjMessagesComeAtTheGrammarsLines) {
    const std::string grammar = "%token N\n%%\ne : e '+' t\n  | N\n  ;\n%%\n";
    const std::string output =
        "/usr/bin/byaccj: e - line 3 of \"grammar.y\", unterminated action\n"
        "e : e '+' t {\n"
        "            ^\n"
        "byaccj: w - the symbol t is undefined\n"
        "byaccj: 1 shift/reduce conflict.\n";
    EXPECT_EQ(render(byaccjMessages(output, grammar)),
              "3 error unterminated action|3 warning the symbol t is undefined|2 warning 1 shift/reduce conflict.|");
}

}  // namespace
}  // namespace lsp
