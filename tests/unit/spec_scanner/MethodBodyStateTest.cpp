#include <gtest/gtest.h>

#include "ScanScript.h"

namespace {

// The accented i is the Latin-1 byte 0xED.
std::string endOfInput(int line) {
    return "error: Scanner error( line " + std::to_string(line) +
           " ):Fin de fichero Inesperado mientras se le\xED" "a el cuerpo";
}

TEST(MethodBodyState, BodyEndsAtTheBraceThatClosesIt) {
    expectScans({
        {" return 0; }", "M", {"METHOD_BODY  return 0; @1"}},
        {"}", "M", {"METHOD_BODY @1"}},
        {"\n if (a) {\n b(); }\n}\nclass", "MT", {"METHOD_BODY \n if (a) {\n b(); }\n@4", "CLASS class@5"}},
        {"{{{}}}}", "M", {"METHOD_BODY {{{}}}@1"}},
        // Braces in strings, character literals and comments do not count.
        {"s = \"}\"; }", "M", {"METHOD_BODY s = \"}\"; @1"}},
        {"c = '}'; d = '{'; }", "M", {"METHOD_BODY c = '}'; d = '{'; @1"}},
        {"/* } */ // }\n}", "M", {"METHOD_BODY /* } */ // }\n@2"}},
        {"/* **/ } ", "M", {"METHOD_BODY /* **/ @1"}},
        // Escaped quotes do not end strings or character literals.
        {"s = \"\\\"}\"; }", "M", {"METHOD_BODY s = \"\\\"}\"; @1"}},
        {"c = '\\''; } ", "M", {"METHOD_BODY c = '\\''; @1"}},
        {"s = \"\\\\\"; }", "M", {"METHOD_BODY s = \"\\\\\"; @1"}},
        // A double quote in a character literal opens no string, and the reverse.
        {"c = '\"'; } ", "M", {"METHOD_BODY c = '\"'; @1"}},
        {"s = \"'\"; } ", "M", {"METHOD_BODY s = \"'\"; @1"}},
        // The character after a lone slash is not examined.
        {"x = a / b; }", "M", {"METHOD_BODY x = a / b; @1"}},
        {"a /} }", "M", {"METHOD_BODY a /} @1"}},
        {"a /\" }", "M", {"METHOD_BODY a /\" @1"}},
        // Any byte is kept, NUL and Latin-1 included.
        {std::string("n = '\0'; \xE9}", 12), "M", {std::string("METHOD_BODY n = '\0'; \xE9@1", 24)}},
    });
}

TEST(MethodBodyState, EndOfInputInEverySubStateWithTheLineReached) {
    expectScans({
        {"", "M", {endOfInput(1)}},
        {"{\n{\n}\n", "M", {endOfInput(4)}},
        {"\"}\n", "M", {endOfInput(2)}},
        {"\"\\", "M", {endOfInput(1)}},
        {"'}", "M", {endOfInput(1)}},
        {"'\\", "M", {endOfInput(1)}},
        {"/", "M", {endOfInput(1)}},
        {"/* }\n", "M", {endOfInput(2)}},
        {"/* *", "M", {endOfInput(1)}},
        {"// }", "M", {endOfInput(1)}},
    });
}

}  // namespace
