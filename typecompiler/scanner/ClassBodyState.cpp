#include "typecompiler/scanner/ClassBodyState.h"

#include "common/Exception.h"
#include "typecompiler/scanner/ScannerMessages.h"
#include "typecompiler/scanner/TokenKinds.h"

namespace vastor {

int ClassBodyState::nextToken() {
    enum class SubState { start, afterPercent, afterSlash, blockComment, blockCommentStar, lineComment };
    SubState state = SubState::start;
    for (;;) {
        const int c = read();
        if (c == endOfInput) throw common::LexicalError(line(), scannerMessages::endOfInputInClassBody);
        switch (state) {
        case SubState::start:
            switch (c) {
            case '%':
                state = SubState::afterPercent;
                break;
            case '/':
                state = SubState::afterSlash;
                break;
            case '}':
                return c;
            case ' ':
            case '\t':
            case '\n':
            case '\r':
            case '\f':
            case '\v':
                break;
            default:
                if (isLetter(c)) {
                    unread(c);
                    return METHOD_START;
                }
                throw common::LexicalError(line(), scannerMessages::characterNotAccepted(static_cast<char>(c)));
            }
            break;
        case SubState::afterPercent:
            if (c != '{') throw common::LexicalError(line(), scannerMessages::braceExpectedAfterPercent(static_cast<char>(c)));
            return CODE_START;
        case SubState::afterSlash:
            // A lone slash is dropped together with the character after it.
            state = c == '*' ? SubState::blockComment : c == '/' ? SubState::lineComment : SubState::start;
            break;
        case SubState::blockComment:
            if (c == '*') state = SubState::blockCommentStar;
            break;
        case SubState::blockCommentStar:
            if (c == '/')
                state = SubState::start;
            else if (c != '*')
                state = SubState::blockComment;
            break;
        case SubState::lineComment:
            if (c == '\n') state = SubState::start;
            break;
        default:
            unknownSubState();
        }
    }
}

}  // namespace vastor
