#pragma once

#include <climits>
#include <cstddef>
#include <istream>
#include <ostream>
#include <span>
#include <string_view>

#include "common/ByteReader.h"
#include "common/StopSet.h"
#include "preprocessor/HeldBackWriter.h"

namespace perlan {

class ScanMode;

/// Reads a grammar one byte at a time and copies what it reads to the output,
/// reporting to the parser only the tokens that the current mode looks for.
/// It refers to both streams and owns neither.
class PreprocessorScanner {
public:
    static constexpr int endOfInput = common::ByteReader::endOfInput;
    /// Size of the input and of the output buffer, each.
    static constexpr std::size_t bufferSize = 1 << 18;

    /// `bufferBytes` sizes each buffer; tests and fuzzers make it tiny so
    /// that inputs cross buffer boundaries often.
    PreprocessorScanner(std::istream& in, std::ostream& out, std::size_t bufferBytes = bufferSize);
    virtual ~PreprocessorScanner() = default;
    PreprocessorScanner(const PreprocessorScanner&) = delete;
    PreprocessorScanner& operator=(const PreprocessorScanner&) = delete;

    /// Makes `mode` the current mode; reads nothing.
    void setMode(ScanMode& mode) { mode_ = &mode; }

    /// Scans on in the current mode, stores the token found and returns it.
    int advance();

    /// The token returned by the last advance().
    int currentToken() const { return currentToken_; }

    /// The number of line feeds read so far, plus one.
    int line() const { return line_; }

    /// Writes everything still held back to the output stream and flushes it.
    /// Throws OutputWriteError when the stream fails.
    void finishOutput() { output_.finish(); }

    // Character routines for the scanning modes.

    /// The next input byte (0 to 255), or endOfInput; for a look-ahead.
    int read() { return input_.get(); }

    /// Gives back the byte just read; the next read() returns it again.
    void putBack() { input_.putback(); }

    /// Writes a byte that read() returned to the output.
    void copy(int byte) { output_.put(static_cast<char>(byte)); }

    /// Reads the next byte and copies it at once; returns it, or endOfInput.
    int readAndCopy() {
        int byte = input_.get();
        if (byte != endOfInput) output_.put(static_cast<char>(byte));
        return byte;
    }

    /// Reads and copies bytes up to and including the next byte of `stops`
    /// and returns that byte, or endOfInput. Line feeds passed over are
    /// counted. Callers use it to pass in bulk over bytes that would change
    /// nothing in their state but the line count.
    int copyThrough(const common::StopSet& stops) {
        for (;;) {
            const std::string_view bytes = input_.buffered();
            if (bytes.empty()) {
                if (!fillInput()) return endOfInput;
                continue;
            }
            const std::span<char> room = output_.room(bytes.size());
            std::size_t lineFeeds = 0;
            const std::size_t length = stops.copyThrough(bytes.data(), room.size(), room.data(), lineFeeds);
            output_.commit(length);
            input_.skip(length);
            addLines(static_cast<int>(lineFeeds));  // at most a buffer's size
            if (length > 0 && stops.contains(static_cast<unsigned char>(bytes[length - 1])))
                return static_cast<unsigned char>(bytes[length - 1]);
        }
    }

    /// Copies all the rest of the input, counting nothing.
    void copyRest();

    /// Takes back the last `count` bytes written (at most 3).
    void unwrite(std::size_t count) { output_.unwrite(count); }

    /// Writes a text of the scanner's own to the output.
    void write(std::string_view text) { output_.write(text); }

    /// Counts a line feed that a routine read itself.
    void countLine() { addLines(1); }

private:
    /// Adds to the line counter, which stops at INT_MAX rather than overflow
    /// on inputs of more than 2^31 lines.
    void addLines(int count) { line_ = count > INT_MAX - line_ ? INT_MAX : line_ + count; }

    /// Refills an empty input buffer; false at the end of the input.
    bool fillInput();

    ScanMode* mode_ = nullptr;
    common::ByteReader input_;
    HeldBackWriter output_;
    int line_ = 1;
    int currentToken_ = 0;
};

}  // namespace perlan
