#include "preprocessor/PreprocessorParser.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "common/Exception.h"
#include "common/InternalError.h"
#include "preprocessor/PreprocessorScanner.h"

namespace perlan {
namespace {

const std::string tryOpening = " try { ";
const std::string tryClosing = " } catch (Exception e) { SemanticValue.addError (e); } ";

std::string preprocess(const std::string& grammar) {
    std::istringstream in(grammar);
    std::ostringstream out;
    PreprocessorParser parser(in, out);
    parser.parse();
    return out.str();
}

// Moves a typechecking block, and an ordinary comment, over the boundaries of
// the input and output buffers, so that every take-back meets a flush or a
// refill at some offset.
TEST(PreprocessorParser, RewritesBlocksLyingAcrossBufferBoundaries) {
    const std::size_t boundary = PreprocessorScanner::defaultBufferSize;
    for (std::size_t padding = boundary - 80; padding <= boundary + 16; ++padding) {
        const std::string text(padding, 'x');
        const std::string grammar = "%%\na : A {" + text + "/*<>*/ /*< y(); >*/ /**/ }\n%%\n";
        const std::string expected =
            "%%\na : A {" + text + tryOpening + tryClosing + " " + tryOpening + " y(); " + tryClosing + " /**/ }\n%%\n";
        ASSERT_EQ(preprocess(grammar), expected) << "padding " << padding;
    }
}

TEST(PreprocessorParser, WritesOutWhatWasCopiedBeforeAnError) {
    std::istringstream in("%%\na : A { /*< x(); >*/ } }\nb : B ;\n");
    std::ostringstream out;
    PreprocessorParser parser(in, out);
    try {
        parser.parse();
        FAIL() << "a stray brace was accepted";
    } catch (const common::SyntaxError& error) {
        EXPECT_STREQ(error.what(), "Syntax error( line 2 ):2st section was expected");
    }
    EXPECT_EQ(out.str(), "%%\na : A { " + tryOpening + " x(); " + tryClosing + " } }");
}

// An internal error names the line of the input, as every other error does.
TEST(PreprocessorScanner, AnInternalErrorNamesTheLineOfTheInput) {
    std::istringstream in("%%\n");
    std::ostringstream out;
    PreprocessorScanner scanner(in, out);
    try {
        scanner.advance();
        FAIL() << "advanced without a mode";
    } catch (const common::InternalError& error) {
        EXPECT_STREQ(error.what(), "Internal error (file PreprocessorScanner, line 1) advance() before setMode()");
    }
}

TEST(PreprocessorParser, ReportsTheSyntaxErrorEvenWhenTheOutputFails) {
    std::istringstream in("%%\n");
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    PreprocessorParser parser(in, out);
    EXPECT_THROW(parser.parse(), common::SyntaxError);
}

}  // namespace
}  // namespace perlan
