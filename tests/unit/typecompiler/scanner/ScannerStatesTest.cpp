#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "typecompiler/scanner/ClassBodyState.h"
#include "typecompiler/scanner/EmbeddedCodeState.h"
#include "typecompiler/scanner/MethodBodyState.h"
#include "typecompiler/scanner/ScannerTokenizer.h"
#include "typecompiler/scanner/TokenKinds.h"
#include "typecompiler/scanner/TopLevelState.h"

namespace vastor {
namespace {

using Tokens = std::vector<std::string>;

// "<kind name>[ <text>]@<line>", the text only for kinds that set it.
std::string describe(const ScannerTokenizer& scanner) {
    const int kind = scanner.token();
    const bool hasText =
        kind == IDENTIFIER || kind == TYPES || kind == CLASS || kind == METHOD_BODY || kind == EMBEDDED_CODE;
    return tokenKindName(kind) + (hasText ? " " + scanner.text() : "") + '@' + std::to_string(scanner.line());
}

// Scans with the states the parser would choose, one letter per yylex():
// T top level, C class body, M method body, E embedded code; "T*" repeats
// until the end-of-input token. An error ends the list as "error <line> <message>".
Tokens scan(const std::string& input, const std::string& script) {
    std::istringstream stream(input);
    ScannerTokenizer scanner(stream);
    TopLevelState topLevel(scanner);
    ClassBodyState classBody(scanner);
    MethodBodyState methodBody(scanner);
    EmbeddedCodeState embeddedCode(scanner);
    Tokens tokens;
    try {
        for (char letter : script) {
            if (letter == '*') {
                while (scanner.token() != END_OF_INPUT) tokens.push_back(describe((scanner.yylex(), scanner)));
                continue;
            }
            scanner.setState(letter == 'C'   ? static_cast<ScannerState&>(classBody)
                             : letter == 'M' ? static_cast<ScannerState&>(methodBody)
                             : letter == 'E' ? static_cast<ScannerState&>(embeddedCode)
                                             : static_cast<ScannerState&>(topLevel));
            tokens.push_back(describe((scanner.yylex(), scanner)));
        }
    } catch (const std::exception& e) {
        const std::string text = e.what();
        const std::string prefix = "Scanner error( line ";
        tokens.push_back(text.rfind(prefix, 0) == 0 ? "error " + text.substr(prefix.size()) : text);
    }
    return tokens;
}

std::string repeat(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) result += text;
    return result;
}

struct Case {
    std::string input, script;
    Tokens expected;
};

void expectScans(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE("input \"" + c.input.substr(0, 80) + "\", script " + c.script);
        EXPECT_EQ(scan(c.input, c.script), c.expected);
    }
}

const std::string notAllowed = "' no permitido en este contexto";
// The accented i of two messages is the Latin-1 byte 0xED.
const std::string classBodyEnd =
    " ):fin de fichero alcanzado mientras se le\xED"
    "a el cuerpo";
const std::string methodBodyEnd =
    " ):Fin de fichero Inesperado mientras se le\xED"
    "a el cuerpo";
const std::string codeEnd = " ):Fin de fichero inesperado mientras se escaneaba el interior de la clase";

TEST(TopLevelState, TokensTextsLinesAndErrors) {
    expectScans({
        {"", "T*", {"END_OF_INPUT@1"}},
        {" \t\n \n\t", "T*", {"END_OF_INPUT@3"}},
        {"Types = {\n int<float }%()+,;>[]",
         "T*",
         {"TYPES Types@1", "'='@1", "'{'@1", "IDENTIFIER int@2", "'<'@2", "IDENTIFIER float@2", "'}'@2", "'%'@2",
          "'('@2", "')'@2", "'+'@2", "','@2", "';'@2", "'>'@2", "'['@2", "']'@2", "END_OF_INPUT@2"}},
        // Keywords only in exactly this form; dots, digits and '_' inside identifiers.
        {"types Class Types.x class java.util.List a_1.b",
         "T*",
         {"IDENTIFIER types@1", "IDENTIFIER Class@1", "IDENTIFIER Types.x@1", "CLASS class@1",
          "IDENTIFIER java.util.List@1", "IDENTIFIER a_1.b@1", "END_OF_INPUT@1"}},
        // The line feed after a word is given back and counted once, when read again.
        {"abc\ndef\n", "TTT", {"IDENTIFIER abc@1", "IDENTIFIER def@2", "END_OF_INPUT@3"}},
        {"/* c\n **/ class// c }\n/***/{", "T*", {"CLASS class@2", "'{'@3", "END_OF_INPUT@3"}},
        // A lone slash drops the character after it unexamined.
        {"/class /{ /\n_", "T*", {"IDENTIFIER lass@1", "error 2 ):caracter '_" + notAllowed}},
        {"/* never closed\n", "T*", {"END_OF_INPUT@2"}},
        {"a /", "T*", {"IDENTIFIER a@1", "END_OF_INPUT@1"}},
        {"\n\n9lives", "T", {"error 3 ):caracter '9" + notAllowed}},
        // Only blank, tab and line feed are white space here; a CR LF line end
        // reads as a line feed, a CR before anything else is itself.
        {"a\r\nb\r c", "T*", {"IDENTIFIER a@1", "IDENTIFIER b@2", "error 2 ):caracter '\r" + notAllowed}},
        {"\f", "T", {"error 1 ):caracter '\f" + notAllowed}},
        {"a-b", "T*", {"IDENTIFIER a@1", "error 1 ):caracter '-" + notAllowed}},
        {"'c'", "T", {"error 1 ):caracter ''" + notAllowed}},
        {"caf\xE9", "T*", {"IDENTIFIER caf@1", "error 1 ):caracter '\xE9" + notAllowed}},
    });
}

TEST(ClassBodyState, TokensBetweenMembersAndErrors) {
    expectScans({
        {" \t\r\n\f\v}", "C", {"'}'@2"}},
        {"\r\n%{ int x; %}\n/* } */ // }\n}", "CEC", {"CODE_START@2", "EMBEDDED_CODE  int x; @2", "'}'@4"}},
        // The first letter of a method is given back for the top-level state.
        {"\n  int f", "CTT", {"METHOD_START@2", "IDENTIFIER int@2", "IDENTIFIER f@2"}},
        {"/}} /xy", "CCT", {"'}'@1", "METHOD_START@1", "IDENTIFIER y@1"}},
        {"\n\n", "C", {"error 3" + classBodyEnd}},
        {"%", "C", {"error 1" + classBodyEnd}},
        {"/* }\n", "C", {"error 2" + classBodyEnd}},
        {"% {", "C", {"error 1 ):caracter ' ' no esperado. Se esperaba un '{'"}},
        {"\n%\n{", "C", {"error 3 ):caracter '\n' no esperado. Se esperaba un '{'"}},
        {"\n1", "C", {"error 2 ):caracter '1' no aceptado"}},
        {"{", "C", {"error 1 ):caracter '{' no aceptado"}},
    });
}

TEST(MethodBodyState, BodyEndsAtTheBraceThatClosesItOutsideLiteralsAndComments) {
    expectScans({
        {"}", "M", {"METHOD_BODY @1"}},
        {"\n if (a) {\n b(); }\n}\nclass", "MT", {"METHOD_BODY \n if (a) {\n b(); }\n@4", "CLASS class@5"}},
        {"s = \"}\"; c = '}'; d = '{'; }", "M", {"METHOD_BODY s = \"}\"; c = '}'; d = '{'; @1"}},
        {"/* } **/ // }\n}", "M", {"METHOD_BODY /* } **/ // }\n@2"}},
        {"s = \"\\\"}\\\\\"; c = '\\''; }", "M", {"METHOD_BODY s = \"\\\"}\\\\\"; c = '\\''; @1"}},
        {"c = '\"'; s = \"'\"; }", "M", {"METHOD_BODY c = '\"'; s = \"'\"; @1"}},
        // The character after a lone slash is not examined.
        {"x = a / b /} }", "M", {"METHOD_BODY x = a / b /} @1"}},
        {std::string("n = '\0'; \xE9}", 11), "M", {std::string("METHOD_BODY n = '\0'; \xE9@1", 24)}},
        {"{\n{\n}\n", "M", {"error 4" + methodBodyEnd}},
        {"\"}\n", "M", {"error 2" + methodBodyEnd}},
        {"'\\", "M", {"error 1" + methodBodyEnd}},
        {"/* *", "M", {"error 1" + methodBodyEnd}},
        // Runs of plain bytes across read buffers, line feeds counted inside them.
        {repeat("x = f(a);\n", 30000) + "} ",
         "MT",
         {"METHOD_BODY " + repeat("x = f(a);\n", 30000) + "@30001", "END_OF_INPUT@30001"}},
        {std::string(1000000, '{') + std::string(1000000, '}') + "}",
         "M",
         {"METHOD_BODY " + std::string(1000000, '{') + std::string(1000000, '}') + "@1"}},
    });
}

TEST(EmbeddedCodeState, BlockEndsAtTheFirstPercentBraceOutsideStringsAndComments) {
    expectScans({
        {"%}", "E", {"EMBEDDED_CODE @1"}},
        {"\nimport java.util.*;\n%}\nTypes", "ET", {"EMBEDDED_CODE \nimport java.util.*;\n@3", "TYPES Types@4"}},
        {"s = \"%}\\\"%}\"; { /* %} */ // %}\n%}", "E", {"EMBEDDED_CODE s = \"%}\\\"%}\"; { /* %} */ // %}\n@2"}},
        // Single quotes have no meaning here.
        {"c = '%}'; %}", "E", {"EMBEDDED_CODE c = '@1"}},
        // The character after a lone percent sign or slash is not examined.
        {"x %%} a/%} b % c%}", "E", {"EMBEDDED_CODE x %%} a/%} b % c@1"}},
        {"int x;\n", "E", {"error 2" + codeEnd}},
        {"%", "E", {"error 1" + codeEnd}},
        {"\"%}\n", "E", {"error 2" + codeEnd}},
        {"// %}", "E", {"error 1" + codeEnd}},
        {repeat("/* a\n */ s = \"b\n\"; // c\n", 20000) + "%}",
         "E",
         {"EMBEDDED_CODE " + repeat("/* a\n */ s = \"b\n\"; // c\n", 20000) + "@60001"}},
    });
}

TEST(ScannerTokenizer, NeedsAStateKeepsTextUntilATokenSetsItAndExposesALiveLine) {
    std::istringstream input("a (\n)" + std::string(200000, 'x'));
    ScannerTokenizer scanner(input);
    const int& line = scanner.line();
    try {
        scanner.yylex();
        ADD_FAILURE() << "read without a state";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Internal error (file Scanner, line 1) unknown state in int ScannerTokenizer::yylex()");
    }
    TopLevelState topLevel(scanner);
    scanner.setState(topLevel);
    EXPECT_EQ(scanner.yylex(), IDENTIFIER);
    EXPECT_EQ(scanner.yylex(), '(');
    EXPECT_EQ(scanner.yylex(), ')');
    EXPECT_EQ(scanner.token(), ')');
    EXPECT_EQ(scanner.text(), "a");
    EXPECT_EQ(line, 2);
    EXPECT_EQ(scanner.yylex(), IDENTIFIER);  // longer than the read buffer
    EXPECT_EQ(scanner.text(), std::string(200000, 'x'));
}

}  // namespace
}  // namespace vastor
