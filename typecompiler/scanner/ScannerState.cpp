#include "typecompiler/scanner/ScannerState.h"

namespace vastor {

namespace {

// Bytes that may end a run inside a comment or literal; runs of other bytes are taken at once.
constexpr common::StopSet blockCommentStops("*");
constexpr common::StopSet lineCommentStops("\n");
constexpr common::StopSet doubleQuotedStops("\"\\");
constexpr common::StopSet singleQuotedStops("'\\");

}  // namespace

bool ScannerState::skipAfterSlash(std::string* text) {
    const int first = readInto(text);
    if (first == '/') {
        for (;;) {
            if (text != nullptr) appendRun(*text, lineCommentStops);
            const int c = readInto(text);
            if (c == endOfInput) return false;
            if (c == '\n') return true;
        }
    }
    if (first != '*') return first != endOfInput;  // a lone slash: the byte after it is dropped unexamined
    for (;;) {
        if (text != nullptr) appendRun(*text, blockCommentStops);
        int c = readInto(text);
        while (c == '*') {
            c = readInto(text);
            if (c == '/') return true;
        }
        if (c == endOfInput) return false;
    }
}

bool ScannerState::skipLiteral(std::string& text, char quote) {
    const common::StopSet& stops = quote == '"' ? doubleQuotedStops : singleQuotedStops;
    for (;;) {
        appendRun(text, stops);
        int c = readInto(&text);
        if (c == '\\')
            c = readInto(&text);
        else if (c == quote)
            return true;
        if (c == endOfInput) return false;
    }
}

}  // namespace vastor
