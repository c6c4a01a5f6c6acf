#include "typecompiler/scanner/MethodBodyState.h"

#include <cstddef>

#include "common/Exception.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/scanner/TokenKinds.h"

namespace vastor {

namespace {

// Bytes that may end the body or start a literal or comment; runs of other bytes are taken at once.
constexpr common::StopSet codeStops("\"'/{}");

}  // namespace

int MethodBodyState::nextToken() {
    std::size_t depth = 1;  // the opening brace has been read already
    // Built in the token text itself, which keeps its room from one body to the next.
    std::string& body = text();
    body.clear();
    for (;;) {
        appendRun(body, codeStops);
        const int c = readInto(&body);
        bool complete = c != endOfInput;
        if (c == '"' || c == '\'') {
            complete = skipLiteral(body, static_cast<char>(c));
        } else if (c == '/') {
            complete = skipAfterSlash(&body);  // the character after a lone slash is not examined
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth == 0) {
            body.pop_back();
            return METHOD_BODY;
        }
        if (!complete) throw common::LexicalError(line(), messages::endOfInputInMethodBody);
    }
}

}  // namespace vastor
