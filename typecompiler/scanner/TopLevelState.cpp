#include "typecompiler/scanner/TopLevelState.h"

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
        case ' ':
            break;
        case '/':
            // A lone slash is dropped together with the character after it.
            if (!passComment(nullptr)) return END_OF_INPUT;  // in a comment as well
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
            throw common::LexicalError(line(), messages::characterNotAllowed(static_cast<char>(c)));
        }
    }
}

int TopLevelState::readIdentifier(char first) {
    std::string word(1, first);
    for (int c = read(); c != endOfInput; c = read()) {
        if (!isLetter(c) && !isDigit(c) && c != '_' && c != '.') {
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
