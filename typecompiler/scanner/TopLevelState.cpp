#include "typecompiler/scanner/TopLevelState.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "common/Exception.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/scanner/TokenKinds.h"

namespace vastor {

int TopLevelState::nextToken() {
    for (;;) {
        const int c = read();
        if (c == endOfInput) return END_OF_INPUT;
        switch (c) {
        case '\t':
        case '\n':
        case ' ': break;
        case '/':
            // A lone slash is dropped together with the character after it.
            if (!skipAfterSlash(nullptr)) return END_OF_INPUT;  // in a comment as well
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
        case '}': return c;
        default:
            if (isLetter(c)) return readIdentifier(static_cast<char>(c));
            throw common::LexicalError(line(), messages::characterNotAllowed(static_cast<char>(c)));
        }
    }
}

namespace {

// Every byte that cannot go on an identifier: all but letters, digits, "_" and ".".
constexpr auto notInIdentifier = [] {
    std::array<char, 256 - 64> bytes{};
    std::size_t count = 0;
    for (int b = 0; b < 256; ++b) {
        const bool inIdentifier =
            (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '_' || b == '.';
        if (!inIdentifier) bytes[count++] = static_cast<char>(b);
    }
    return bytes;
}();
constexpr common::StopSet identifierStops(std::string_view(notInIdentifier.data(), notInIdentifier.size()));

}  // namespace

int TopLevelState::readIdentifier(char first) {
    // Built in the token text itself, which keeps its room from one
    // identifier to the next unless the parser took it.
    std::string& word = text();
    word.assign(1, first);
    // Whole runs of the buffer at once; a byte at a time where it is refilled.
    for (;;) {
        appendRun(word, identifierStops);
        const int c = read();
        if (c == endOfInput) break;
        if (identifierStops.contains(static_cast<unsigned char>(c))) {
            putBack(c);
            break;
        }
        word.push_back(static_cast<char>(c));
    }
    using namespace std::string_view_literals;
    if (word.size() == 5) {
        if (word == "Types"sv) return TYPES;
        if (word == "class"sv) return CLASS;
    }
    return IDENTIFIER;
}

}  // namespace vastor
