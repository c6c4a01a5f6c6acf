#include "preprocessor/ScanMode.h"

#include <string_view>

#include "common/Exception.h"
#include "common/StopSet.h"
#include "preprocessor/PerlanMessages.h"
#include "preprocessor/Tokens.h"

namespace perlan {

namespace {

constexpr int endOfInput = PreprocessorScanner::endOfInput;

// What replaces the "/*<" and the ">*/" of a typechecking block.
constexpr std::string_view tryOpening = " try { ";
constexpr std::string_view tryClosing = " } catch (Exception e) { SemanticValue.addError (e); } ";

// The bytes each routine has to look at; it copies all others in bulk.
constexpr common::StopSet doubleQuotedStops("\"\\");
constexpr common::StopSet singleQuotedStops("'\\");
constexpr common::StopSet lineCommentStops("\n");
constexpr common::StopSet blockCommentStops("*");
constexpr common::StopSet typecheckingStops("\"'>");

}  // namespace

int ScanMode::nextToken(const common::StopSet& stops) {
    for (;;) {
        int ch = scanner_.copyThrough(stops);
        switch (ch) {
        case endOfInput: return END_OF_INPUT;
        case '"':
        case '\'': skipLiteral(ch); break;
        case '%': {
            int next = scanner_.read();
            if (next == endOfInput) break;
            if (next == '{' || next == '%' || next == '}')
                return next == '{' ? PERCENT_LBRACE : next == '%' ? PERCENT_PERCENT : PERCENT_RBRACE;
            scanner_.putBack();
            break;
        }
        case '/': skipAfterSlash(false); break;
        default: return ch;
        }
    }
}

void ScanMode::skipAfterSlash(bool inAction) {
    int next = scanner_.read();
    if (next == endOfInput) return;
    if (next == '/') {
        skipLineComment();
    } else if (next == '*') {
        if (inAction)
            scanTypechecking();
        else
            skipBlockComment();
    } else {
        scanner_.putBack();
    }
}

void ScanMode::skipLiteral(int quote) {
    const common::StopSet& stops = quote == '"' ? doubleQuotedStops : singleQuotedStops;
    for (;;) {
        int ch = scanner_.copyThrough(stops);
        if (ch == endOfInput) throw common::LexicalError(scanner_.line(), messages::endOfFileInLiteral);
        if (ch == quote) return;
        // A backslash: the next byte is taken literally, whatever it is.
        if (scanner_.read() == endOfInput) throw common::LexicalError(scanner_.line(), messages::endOfFileInLiteral);
    }
}

void ScanMode::skipLineComment() {
    // The end of the input ends the comment like a line feed, and is counted like one.
    if (scanner_.copyThrough(lineCommentStops) == endOfInput) scanner_.countEndAsLine();
}

void ScanMode::skipBlockComment() {
    for (;;) {
        int ch = scanner_.copyThrough(blockCommentStops);
        while (ch == '*') ch = scanner_.read();
        if (ch == endOfInput) throw common::LexicalError(scanner_.line(), messages::endOfFileInComment);
        if (ch == '/') return;  // it follows a star
    }
}

void ScanMode::scanTypechecking() {
    int ch = scanner_.read();
    if (ch != '<') {
        if (ch != endOfInput) scanner_.putBack();
        skipBlockComment();
        return;
    }
    // The "/*<" already copied is replaced.
    scanner_.replaceLast(3, tryOpening);

    enum class EndMarker { other, afterGt, afterGtStar };
    EndMarker state = EndMarker::other;
    for (;;) {
        ch = state == EndMarker::other ? scanner_.copyThrough(typecheckingStops) : scanner_.read();
        if (ch == endOfInput) throw common::LexicalError(scanner_.line(), messages::endOfFileInTypechecking);
        if (ch == '"' || ch == '\'') {
            skipLiteral(ch);
            state = EndMarker::other;
        } else if (ch == '>') {
            state = EndMarker::afterGt;
        } else {
            if (state == EndMarker::afterGt) {
                state = ch == '*' ? EndMarker::afterGtStar : EndMarker::other;
            } else if (state == EndMarker::afterGtStar) {
                if (ch == '/') break;
                state = EndMarker::other;
            }
        }
    }
    // ">*/" has been copied; replace it.
    scanner_.replaceLast(3, tryClosing);
}

}  // namespace perlan
