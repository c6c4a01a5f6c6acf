#include "ScanScript.h"

#include <gtest/gtest.h>

#include <sstream>

#include "typecompiler/scanner/ClassBodyState.h"
#include "typecompiler/scanner/EmbeddedCodeState.h"
#include "typecompiler/scanner/MethodBodyState.h"
#include "typecompiler/scanner/ScannerTokenizer.h"
#include "typecompiler/scanner/TokenKinds.h"
#include "typecompiler/scanner/TopLevelState.h"

namespace {

std::string describe(const ScannerTokenizer& scanner) {
    std::string kind;
    bool hasText = false;
    switch (scanner.token()) {
    case END_OF_INPUT: kind = "EOF"; break;
    case IDENTIFIER: kind = "IDENTIFIER", hasText = true; break;
    case TYPES: kind = "TYPES", hasText = true; break;
    case CLASS: kind = "CLASS", hasText = true; break;
    case METHOD_BODY: kind = "METHOD_BODY", hasText = true; break;
    case CODE_START: kind = "CODE_START"; break;
    case METHOD_START: kind = "METHOD_START"; break;
    case EMBEDDED_CODE: kind = "EMBEDDED_CODE", hasText = true; break;
    default: kind = std::string("'") + static_cast<char>(scanner.token()) + "'";
    }
    if (hasText) kind += ' ' + scanner.text();
    return kind + '@' + std::to_string(scanner.line());
}

}  // namespace

std::vector<std::string> scan(const std::string& input, const std::string& script) {
    std::istringstream stream(input);
    ScannerTokenizer scanner(stream);
    TopLevelState topLevel(scanner);
    ClassBodyState classBody(scanner);
    MethodBodyState methodBody(scanner);
    EmbeddedCodeState embeddedCode(scanner);
    auto stateFor = [&](char letter) -> ScannerState& {
        switch (letter) {
        case 'C': return classBody;
        case 'M': return methodBody;
        case 'E': return embeddedCode;
        default: return topLevel;
        }
    };

    std::vector<std::string> tokens;
    try {
        for (std::size_t i = 0; i < script.size(); ++i) {
            const bool repeat = i + 1 < script.size() && script[i + 1] == '*';
            scanner.setState(stateFor(script[i]));
            do {
                scanner.yylex();
                tokens.push_back(describe(scanner));
            } while (repeat && scanner.token() != END_OF_INPUT);
            if (repeat) ++i;
        }
    } catch (const std::exception& e) {
        tokens.push_back(std::string("error: ") + e.what());
    }
    return tokens;
}

void expectScans(const std::vector<ScanCase>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE("input \"" + c.input + "\", script " + c.script);
        EXPECT_EQ(scan(c.input, c.script), c.expected);
    }
}
