#include "preprocessor/PreprocessorParser.h"

#include <string>

#include "common/Exception.h"
#include "common/IoError.h"
#include "preprocessor/PerlanMessages.h"
#include "preprocessor/Tokens.h"

namespace perlan {

PreprocessorParser::PreprocessorParser(std::istream& in, std::ostream& out, std::size_t bufferBytes)
    : scanner_(in, out, bufferBytes),
      trailerMode_(scanner_),
      sectionMode_(scanner_),
      rulesMode_(scanner_),
      actionMode_(scanner_) {}

void PreprocessorParser::parse() {
    try {
        parseGrammar();
    } catch (...) {
        // Keep what was copied up to the error; the error itself is what gets reported.
        try {
            scanner_.finishOutput();
        } catch (const common::OutputWriteError&) {}
        throw;
    }
    scanner_.finishOutput();
}

void PreprocessorParser::expect(int token, std::string_view message) {
    if (scanner_.currentToken() != token) throw common::SyntaxError(scanner_.line(), message);
}

void PreprocessorParser::parseGrammar() {
    scanner_.setMode(sectionMode_);
    scanner_.advance();
    if (scanner_.currentToken() == PERCENT_LBRACE) {
        scanner_.advance();
        expect(PERCENT_RBRACE, messages::endOfPreambleExpected);
        scanner_.advance();
    }
    expect(PERCENT_PERCENT, messages::firstSectionExpected);

    scanner_.setMode(rulesMode_);
    scanner_.advance();
    while (scanner_.currentToken() == '{') {
        scanner_.setMode(actionMode_);
        scanner_.advance();
        expect('}', messages::endOfActionExpected);
        scanner_.setMode(rulesMode_);
        scanner_.advance();
    }
    expect(PERCENT_PERCENT, messages::secondSectionExpected);

    scanner_.setMode(trailerMode_);
    scanner_.advance();
    expect(END_OF_INPUT, messages::endOfFileExpected);
}

}  // namespace perlan
