#include <gtest/gtest.h>

#include "ScanScript.h"

namespace {

std::string endOfInput(int line) {
    return "error: Scanner error( line " + std::to_string(line) +
           " ):Fin de fichero inesperado mientras se escaneaba el interior de la clase";
}

TEST(EmbeddedCodeState, BlockEndsAtTheFirstPercentBraceOutsideStringsAndComments) {
    expectScans({
        {" int x; %}", "E", {"EMBEDDED_CODE  int x; @1"}},
        {"%}", "E", {"EMBEDDED_CODE @1"}},
        {"\nimport java.util.*;\n%}\nTypes", "ET", {"EMBEDDED_CODE \nimport java.util.*;\n@3", "TYPES Types@4"}},
        {"if (a) { } } %}", "E", {"EMBEDDED_CODE if (a) { } } @1"}},
        {"s = \"%}\"; %}", "E", {"EMBEDDED_CODE s = \"%}\"; @1"}},
        {"s = \"\\\"%}\"; %}", "E", {"EMBEDDED_CODE s = \"\\\"%}\"; @1"}},
        {"/* %} */ // %}\n%}", "E", {"EMBEDDED_CODE /* %} */ // %}\n@2"}},
        // Single quotes have no meaning here.
        {"c = '%}'; %}", "E", {"EMBEDDED_CODE c = '@1"}},
        {"c = '\"'; %} \" %}", "E", {"EMBEDDED_CODE c = '\"'; %} \" @1"}},
        // The character after a lone percent sign or slash is not examined.
        {"x %%} y %}", "E", {"EMBEDDED_CODE x %%} y @1"}},
        {"a/%} b %}", "E", {"EMBEDDED_CODE a/%} b @1"}},
        {"a = b % c; %}", "E", {"EMBEDDED_CODE a = b % c; @1"}},
    });
}

TEST(EmbeddedCodeState, EndOfInputInEverySubStateWithTheLineReached) {
    expectScans({
        {"", "E", {endOfInput(1)}},
        {"int x;\n", "E", {endOfInput(2)}},
        {"%", "E", {endOfInput(1)}},
        {"\"%}\n", "E", {endOfInput(2)}},
        {"\"\\", "E", {endOfInput(1)}},
        {"/* %} *", "E", {endOfInput(1)}},
        {"// %}", "E", {endOfInput(1)}},
        {"/", "E", {endOfInput(1)}},
    });
}

}  // namespace
