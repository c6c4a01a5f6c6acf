#include "typecompiler/scanner/EmbeddedCodeState.h"

#include "common/Exception.h"
#include "typecompiler/scanner/ScannerMessages.h"
#include "typecompiler/scanner/TokenKinds.h"

namespace vastor {

namespace {

// Bytes that may change the sub-state; runs of other bytes are taken at once.
constexpr common::StopSet codeStops("\"%/");
constexpr common::StopSet stringStops("\"\\");
constexpr common::StopSet blockCommentStops("*");
constexpr common::StopSet lineCommentStops("\n");

}  // namespace

int EmbeddedCodeState::nextToken() {
    enum class SubState { code, afterPercent, string, stringEscape, afterSlash, blockComment, blockCommentStar, lineComment };
    SubState state = SubState::code;
    std::string block;
    for (;;) {
        switch (state) {
        case SubState::code: appendRun(block, codeStops); break;
        case SubState::string: appendRun(block, stringStops); break;
        case SubState::blockComment: appendRun(block, blockCommentStops); break;
        case SubState::lineComment: appendRun(block, lineCommentStops); break;
        default: break;
        }
        const int c = read();
        if (c == endOfInput) throw common::LexicalError(line(), scannerMessages::endOfInputInEmbeddedCode);
        block.push_back(static_cast<char>(c));
        switch (state) {
        case SubState::code:
            if (c == '"')
                state = SubState::string;
            else if (c == '%')
                state = SubState::afterPercent;
            else if (c == '/')
                state = SubState::afterSlash;
            break;
        case SubState::afterPercent:
            if (c == '}') {
                block.resize(block.size() - 2);  // drop the closing "%}"
                setText(std::move(block));
                return EMBEDDED_CODE;
            }
            // Not examined: "%%}" does not end the block.
            state = SubState::code;
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
