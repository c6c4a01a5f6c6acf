#include "typecompiler/scanner/ClassBodyState.h"

#include "common/Exception.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/scanner/TokenKinds.h"

namespace vastor {

int ClassBodyState::nextToken() {
    const auto endOfInputError = [this] { return common::LexicalError(line(), messages::endOfInputInClassBody); };
    for (;;) {
        const int c = read();
        switch (c) {
        case endOfInput: throw endOfInputError();
        case '%': {
            const int next = read();
            if (next == endOfInput) throw endOfInputError();
            if (next != '{')
                throw common::LexicalError(line(), messages::braceExpectedAfterPercent(static_cast<char>(next)));
            return CODE_START;
        }
        case '/':
            // A lone slash is dropped together with the character after it.
            if (!skipAfterSlash(nullptr)) throw endOfInputError();
            break;
        case '}': return c;
        case ' ':
        case '\t':
        case '\n':
        case '\r':
        case '\f':
        case '\v': break;
        default:
            if (isLetter(c)) {
                putBack(c);
                return METHOD_START;
            }
            throw common::LexicalError(line(), messages::characterNotAccepted(static_cast<char>(c)));
        }
    }
}

}  // namespace vastor
