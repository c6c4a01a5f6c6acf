#include <gtest/gtest.h>

#include "ScanScript.h"

namespace {

const std::string notAllowed = "error: Scanner error( line ";

TEST(TopLevelState, TokensTextsAndLines) {
    expectScans({
        {"", "T*", {"EOF@1"}},
        {" \t\n \n\t", "T*", {"EOF@3"}},
        {"Types = { int < float\n double }",
         "T*",
         {"TYPES Types@1", "'='@1", "'{'@1", "IDENTIFIER int@1", "'<'@1", "IDENTIFIER float@1", "IDENTIFIER double@2",
          "'}'@2", "EOF@2"}},
        {"%()+,;<=>[]{}",
         "T*",
         {"'%'@1", "'('@1", "')'@1", "'+'@1", "','@1", "';'@1", "'<'@1", "'='@1", "'>'@1", "'['@1", "']'@1", "'{'@1",
          "'}'@1", "EOF@1"}},
        // Keywords only in exactly this form.
        {"types Class Types.x class classy TYPES",
         "T*",
         {"IDENTIFIER types@1", "IDENTIFIER Class@1", "IDENTIFIER Types.x@1", "CLASS class@1", "IDENTIFIER classy@1",
          "IDENTIFIER TYPES@1", "EOF@1"}},
        {"java.util.List a_1.b x9_.(y", "T*",
         {"IDENTIFIER java.util.List@1", "IDENTIFIER a_1.b@1", "IDENTIFIER x9_.@1", "'('@1", "IDENTIFIER y@1", "EOF@1"}},
        // The newline that ends a word is given back and counted once, when read again.
        {"abc\ndef\n", "TT", {"IDENTIFIER abc@1", "IDENTIFIER def@2"}},
        {"abc\ndef\n", "TTT", {"IDENTIFIER abc@1", "IDENTIFIER def@2", "EOF@3"}},
        // Comments.
        {"/* c */ class", "T*", {"CLASS class@1", "EOF@1"}},
        {"// c { }\nclass", "T*", {"CLASS class@2", "EOF@2"}},
        {"/*\n * x **/\nclass/***/{", "T*", {"CLASS class@3", "'{'@3", "EOF@3"}},
        {"/* a * / b */ }", "T*", {"'}'@1", "EOF@1"}},
        // A lone slash drops the character after it unexamined.
        {"/xclass", "T*", {"CLASS class@1", "EOF@1"}},
        {"/class", "T*", {"IDENTIFIER lass@1", "EOF@1"}},
        {"/x class", "T*", {"CLASS class@1", "EOF@1"}},
        {"/{}", "T*", {"'}'@1", "EOF@1"}},
        {"/\n_", "T*", {notAllowed + "2 ):caracter '_' no permitido en este contexto"}},
        // End of input inside a comment or after a slash is the end of input.
        {"/* never closed\n", "T*", {"EOF@2"}},
        {"// no newline", "T*", {"EOF@1"}},
        {"a /", "T*", {"IDENTIFIER a@1", "EOF@1"}},
    });
}

TEST(TopLevelState, CharactersNotAllowedWithTheirLines) {
    const std::string tail = "' no permitido en este contexto";
    expectScans({
        {"_a", "T*", {notAllowed + "1 ):caracter '_" + tail}},
        {"\n\n9lives", "T*", {notAllowed + "3 ):caracter '9" + tail}},
        {"a-b", "T*", {"IDENTIFIER a@1", notAllowed + "1 ):caracter '-" + tail}},
        // Only blank, tab and newline are white space here.
        {"a\r\n", "T*", {"IDENTIFIER a@1", notAllowed + "1 ):caracter '\r" + tail}},
        {"\f", "T*", {notAllowed + "1 ):caracter '\f" + tail}},
        {"\v", "T*", {notAllowed + "1 ):caracter '\v" + tail}},
        {"*", "T*", {notAllowed + "1 ):caracter '*" + tail}},
        {".x", "T*", {notAllowed + "1 ):caracter '." + tail}},
        {"\"s\"", "T*", {notAllowed + "1 ):caracter '\"" + tail}},
        {"'c'", "T*", {notAllowed + "1 ):caracter ''" + tail}},
        {"\n\xE9t\xE9", "T*", {notAllowed + "2 ):caracter '\xE9" + tail}},
        {"caf\xE9", "T*", {"IDENTIFIER caf@1", notAllowed + "1 ):caracter '\xE9" + tail}},
    });
}

}  // namespace
