#include "typecompiler/scanner/MethodBodyState.h"

#include <cstddef>

#include "common/Exception.h"
#include "typecompiler/scanner/ScannerMessages.h"
#include "typecompiler/scanner/TokenKinds.h"

namespace vastor {

namespace {

// Bytes that may change the sub-state; runs of other bytes are taken at once.
constexpr common::StopSet codeStops("\"'/{}");
constexpr common::StopSet stringStops("\"\\");
constexpr common::StopSet characterStops("'\\");
constexpr common::StopSet blockCommentStops("*");
constexpr common::StopSet lineCommentStops("\n");

}  // namespace

int MethodBodyState::nextToken() {
    enum class SubState {
        code,
        string,
        stringEscape,
        character,
        characterEscape,
        afterSlash,
        blockComment,
        blockCommentStar,
        lineComment
    };
    SubState state = SubState::code;
    std::size_t depth = 1;  // the opening brace has been read already
    std::string body;
    for (;;) {
        switch (state) {
        case SubState::code: appendRun(body, codeStops); break;
        case SubState::string: appendRun(body, stringStops); break;
        case SubState::character: appendRun(body, characterStops); break;
        case SubState::blockComment: appendRun(body, blockCommentStops); break;
        case SubState::lineComment: appendRun(body, lineCommentStops); break;
        default: break;
        }
        const int c = read();
        if (c == endOfInput) throw common::LexicalError(line(), scannerMessages::endOfInputInMethodBody);
        body.push_back(static_cast<char>(c));
        switch (state) {
        case SubState::code:
            switch (c) {
            case '"':
                state = SubState::string;
                break;
            case '\'':
                state = SubState::character;
                break;
            case '/':
                state = SubState::afterSlash;
                break;
            case '{':
                ++depth;
                break;
            case '}':
                if (--depth == 0) {
                    body.pop_back();
                    setText(std::move(body));
                    return METHOD_BODY;
                }
                break;
            default:
                break;
            }
            break;
        case SubState::string:
            if (c == '\\')
                state = SubState::stringEscape;
            else if (c == '"')
                state = SubState::code;
            break;
        case SubState::stringEscape:
            state = SubState::string;
            break;
        case SubState::character:
            if (c == '\\')
                state = SubState::characterEscape;
            else if (c == '\'')
                state = SubState::code;
            break;
        case SubState::characterEscape:
            state = SubState::character;
            break;
        case SubState::afterSlash:
            // The character after a lone slash is not examined.
            state = c == '*' ? SubState::blockComment : c == '/' ? SubState::lineComment : SubState::code;
            break;
        case SubState::blockComment:
            if (c == '*') state = SubState::blockCommentStar;
            break;
        case SubState::blockCommentStar:
            if (c == '/')
                state = SubState::code;
            else if (c != '*')
                state = SubState::blockComment;
            break;
        case SubState::lineComment:
            if (c == '\n') state = SubState::code;
            break;
        default:
            unknownSubState();
        }
    }
}

}  // namespace vastor
