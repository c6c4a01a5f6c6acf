#include <gtest/gtest.h>

#include "ScanScript.h"

namespace {

const std::string error = "error: Scanner error( line ";
// The accented i is the Latin-1 byte 0xED.
const std::string endOfInput = " ):fin de fichero alcanzado mientras se le\xED" "a el cuerpo";

TEST(ClassBodyState, TokensBetweenMembers) {
    expectScans({
        {" \t\r\n\f\v}", "C", {"'}'@2"}},
        {"\r\n%{ int x; %}\r\n}", "CEC", {"CODE_START@2", "EMBEDDED_CODE  int x; @2", "'}'@3"}},
        // The first letter of a method is given back for the top-level state.
        {"\n  int f", "CTT", {"METHOD_START@2", "IDENTIFIER int@2", "IDENTIFIER f@2"}},
        {"x", "CC", {"METHOD_START@1", "METHOD_START@1"}},
        {"/* } */ // }\n }", "C", {"'}'@2"}},
        {"/**/}", "C", {"'}'@1"}},
        // A lone slash drops the character after it.
        {"/}}", "C", {"'}'@1"}},
        {"/xy", "CT", {"METHOD_START@1", "IDENTIFIER y@1"}},
    });
}

TEST(ClassBodyState, ErrorsWithTheirLines) {
    expectScans({
        {"", "C", {error + "1" + endOfInput}},
        {"\n\n", "C", {error + "3" + endOfInput}},
        {"%", "C", {error + "1" + endOfInput}},
        {"/* }\n", "C", {error + "2" + endOfInput}},
        {"// }", "C", {error + "1" + endOfInput}},
        {"/", "C", {error + "1" + endOfInput}},
        {"% {", "C", {error + "1 ):caracter ' ' no esperado. Se esperaba un '{'"}},
        {"\n%\n{", "C", {error + "3 ):caracter '\n' no esperado. Se esperaba un '{'"}},
        {"%}", "C", {error + "1 ):caracter '}' no esperado. Se esperaba un '{'"}},
        {"\n1", "C", {error + "2 ):caracter '1' no aceptado"}},
        {"_x", "C", {error + "1 ):caracter '_' no aceptado"}},
        {";", "C", {error + "1 ):caracter ';' no aceptado"}},
        {"{", "C", {error + "1 ):caracter '{' no aceptado"}},
        {"\xC9", "C", {error + "1 ):caracter '\xC9' no aceptado"}},
    });
}

}  // namespace
