#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "typecompiler/scanner/MethodBodyState.h"
#include "typecompiler/scanner/ScannerTokenizer.h"
#include "typecompiler/scanner/TokenKinds.h"
#include "typecompiler/scanner/TopLevelState.h"

namespace {

TEST(ScannerTokenizer, ReadingWithoutAStateIsAnInternalError) {
    std::istringstream input("class");
    ScannerTokenizer scanner(input);
    try {
        scanner.yylex();
        FAIL() << "no error";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Internal error (file Scanner, line 1) unknown state in int ScannerTokenizer::yylex()");
    }
}

TEST(ScannerTokenizer, TextStaysUntilATokenSetsItAndTheLineReferenceFollows) {
    std::istringstream input("a (\n) b");
    ScannerTokenizer scanner(input);
    TopLevelState topLevel(scanner);
    scanner.setState(topLevel);
    const int& line = scanner.line();
    EXPECT_EQ(scanner.token(), END_OF_INPUT);
    EXPECT_EQ(scanner.text(), "");

    EXPECT_EQ(scanner.yylex(), IDENTIFIER);
    EXPECT_EQ(scanner.yylex(), '(');
    EXPECT_EQ(scanner.text(), "a");
    EXPECT_EQ(scanner.yylex(), ')');
    EXPECT_EQ(line, 2);
    EXPECT_EQ(scanner.token(), ')');
    EXPECT_EQ(scanner.text(), "a");
    EXPECT_EQ(scanner.yylex(), IDENTIFIER);
    EXPECT_EQ(scanner.text(), "b");
    EXPECT_EQ(scanner.yylex(), END_OF_INPUT);
    EXPECT_EQ(scanner.text(), "b");
}

TEST(ScannerTokenizer, WordsAndBodiesLongerThanTheReadBufferStayWhole) {
    const std::string word = "w" + std::string(200000, 'x');
    std::istringstream input(word + "\nnext");
    ScannerTokenizer scanner(input);
    TopLevelState topLevel(scanner);
    scanner.setState(topLevel);
    EXPECT_EQ(scanner.yylex(), IDENTIFIER);
    EXPECT_EQ(scanner.text(), word);
    EXPECT_EQ(scanner.yylex(), IDENTIFIER);
    EXPECT_EQ(scanner.text(), "next");
    EXPECT_EQ(scanner.line(), 2);
}

TEST(ScannerTokenizer, DeeplyNestedBodyNeedsNoStack) {
    const std::size_t depth = 1000000;
    const std::string nested = std::string(depth, '{') + std::string(depth, '}');
    std::istringstream input(nested + "}");
    ScannerTokenizer scanner(input);
    MethodBodyState methodBody(scanner);
    scanner.setState(methodBody);
    EXPECT_EQ(scanner.yylex(), METHOD_BODY);
    EXPECT_EQ(scanner.text(), nested);
}

}  // namespace
