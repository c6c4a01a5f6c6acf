#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "common/ByteReader.h"

namespace vastor {

class ScannerState;

/// The scanner of type specifications. It owns the input position, the line
/// counter and the current token; the state chosen by the parser reads the
/// next token. The scanner never changes its state by itself.
class ScannerTokenizer {
public:
    /// Reads from the stream, which must outlive the scanner; a CR LF line
    /// end reads as one LF. `bufferBytes` sizes the input buffer; tests and
    /// fuzzers make it tiny so that tokens cross buffer boundaries often.
    explicit ScannerTokenizer(std::istream& input, std::size_t bufferBytes = common::ByteReader::defaultBufferSize)
        : input_(input, bufferBytes, common::ByteReader::LineEnds::crLfAsLf) {}

    ScannerTokenizer(const ScannerTokenizer&) = delete;
    ScannerTokenizer& operator=(const ScannerTokenizer&) = delete;

    /// Makes the state read the following tokens; nothing is read now. The
    /// state must outlive its use.
    void setState(ScannerState& state) { state_ = &state; }

    /// Reads the next token with the current state, makes it the current
    /// token and returns its kind. Raises LexicalError on a lexical fault,
    /// InternalError when no state has been chosen.
    int yylex();

    /// The kind of the current token (0 before the first yylex()).
    int token() const { return token_; }

    /// The line counter: 1 plus the line feeds read so far. The reference stays
    /// valid, and follows the counter, as long as the scanner lives.
    const int& line() const { return line_; }

    /// The text of the last identifier, keyword, method body or code block;
    /// other tokens leave it as it was.
    const std::string& text() const { return text_; }

private:
    friend class ScannerState;

    ScannerState* state_ = nullptr;
    common::ByteReader input_;
    int line_ = 1;
    int token_ = 0;
    std::string text_;
};

}  // namespace vastor
