#include "typecompiler/scanner/TopLevelState.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "common/Exception.h"
#include "typecompiler/scanner/ScannerMessages.h"
#include "typecompiler/scanner/TokenKinds.h"

namespace vastor {

int TopLevelState::nextToken() {
    enum class SubState { start, afterSlash, blockComment, blockCommentStar, lineComment };
    SubState state = SubState::start;
    for (;;) {
        const int c = read();
        if (c == endOfInput) return END_OF_INPUT;  // in a comment as well
        switch (state) {
        case SubState::start:
            switch (c) {
            case '\t':
            case '\n':
            case ' ':
                break;
            case '/':
                state = SubState::afterSlash;
                break;
            case '%':
            case '(':
            case ')':
            case '+':
            case ',':
            case ';':
            case '<':
            case '=':
            case '>':
            case '[':
            case ']':
            case '{':
            case '}':
                return c;
            default:
                if (isLetter(c)) return readIdentifier(static_cast<char>(c));
                throw common::LexicalError(line(), scannerMessages::characterNotAllowed(static_cast<char>(c)));
            }
            break;
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

namespace {

// Every byte that cannot go on an identifier: all but letters, digits, "_" and ".".
constexpr auto notInIdentifier = [] {
    std::array<char, 256 - 64> bytes{};
    std::size_t count = 0;
    for (int b = 0; b < 256; ++b) {
        const bool inIdentifier = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                                  b == '_' || b == '.';
        if (!inIdentifier) bytes[count++] = static_cast<char>(b);
    }
    return bytes;
}();
constexpr common::StopSet identifierEnd(std::string_view(notInIdentifier.data(), notInIdentifier.size()));

}  // namespace

int TopLevelState::readIdentifier(char first) {
    std::string word(1, first);
    // Whole runs of the buffer at once; a byte at a time where it is refilled.
    for (;;) {
        appendRun(word, identifierEnd);
        const int c = read();
        if (c == endOfInput) break;
        if (identifierEnd.contains(static_cast<unsigned char>(c))) {
            unread(c);
            break;
        }
        word.push_back(static_cast<char>(c));
    }
    const int kind = word == "Types" ? TYPES : word == "class" ? CLASS : IDENTIFIER;
    setText(std::move(word));
    return kind;
}

}  // namespace vastor
