#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string_view>

#include "common/ByteBuffer.h"
#include "common/StopSet.h"
#include "preprocessor/HeldBackWriter.h"

namespace perlan {

class ScanMode;

/// Reads a grammar and copies what it reads to the output, reporting to the
/// parser only the tokens that the current mode looks for. It refers to both
/// streams and owns neither.
///
/// Everything read is copied unless it is put back or replaced. The copy is
/// made by spans: the bytes read since the last span was written stay in the
/// input buffer and go to the output in one piece when the buffer is refilled
/// or the scanner writes a text of its own. Line feeds are counted per buffer
/// too, when it is refilled or a line number is asked for. Both save
/// instructions rather than time (benchmarks/RESULTS.md).
class PreprocessorScanner {
public:
    static constexpr int endOfInput = -1;
    /// Size of the input and of the output buffer, each.
    static constexpr std::size_t defaultBufferSize = 1 << 18;

    /// `bufferBytes` sizes each buffer; tests and fuzzers make it tiny so
    /// that inputs cross buffer boundaries often.
    PreprocessorScanner(std::istream& in, std::ostream& out, std::size_t bufferBytes = defaultBufferSize);
    PreprocessorScanner(const PreprocessorScanner&) = delete;
    PreprocessorScanner& operator=(const PreprocessorScanner&) = delete;

    /// Makes `mode` the current mode; reads nothing.
    void setMode(ScanMode& mode) { mode_ = &mode; }

    /// Scans on in the current mode, stores the token found and returns it.
    int advance();

    /// The token returned by the last advance().
    int currentToken() const { return currentToken_; }

    /// The number of line feeds read so far, plus one; INT_MAX past that.
    int line() const;

    /// Writes everything still held back to the output stream and flushes it.
    /// Throws OutputWriteError when the stream fails.
    void finishOutput();

    // Character routines for the scanning modes.

    /// Reads and copies the next byte and returns it (0 to 255), or endOfInput.
    int read() {
        if (position_ == filled_ && !refill()) return endOfInput;
        return static_cast<unsigned char>(input_[position_++]);
    }

    /// Gives back the byte that the last read() returned, copy and all; the
    /// next read() returns it again.
    void putBack() { --position_; }

    /// Reads and copies bytes up to and including the next byte of `stops`
    /// and returns that byte, or endOfInput.
    int copyThrough(const common::StopSet& stops) {
        for (;;) {
            const char* begin = input_.data() + position_;
            const char* stop = stops.findFirst(begin, input_.data() + filled_);
            position_ += static_cast<std::size_t>(stop - begin);
            if (position_ != filled_) return static_cast<unsigned char>(input_[position_++]);
            if (!refill()) return endOfInput;
        }
    }

    /// Copies all the rest of the input.
    void copyRest();

    /// Replaces the last `count` bytes copied or written (at most 3) with a
    /// text of the scanner's own.
    void replaceLast(std::size_t count, std::string_view text) {
        const std::size_t span = position_ - spanStart_;
        if (count <= span) {
            // The usual case: the bytes replaced were read since the last write.
            output_.write({input_.data() + spanStart_, span - count});
            spanStart_ = position_;
            output_.write(text);
        } else {
            replaceBeyondSpan(count, text);
        }
    }

    /// Counts the end of the input as a line feed, where it ends a line.
    void countEndAsLine() { ++endsCountedAsLines_; }

private:
    void replaceBeyondSpan(std::size_t count, std::string_view text);

    /// Writes the span read since the last one to the output.
    void flushSpan() {
        output_.write({input_.data() + spanStart_, position_ - spanStart_});
        spanStart_ = position_;
    }

    /// Refills the input buffer, which has been read to its end; false at the
    /// end of the input.
    bool refill();

    ScanMode* mode_ = nullptr;
    std::istream& in_;
    common::ByteBuffer input_;
    std::size_t position_ = 0;           // next byte to read
    std::size_t filled_ = 0;             // end of the bytes in the buffer
    std::size_t spanStart_ = 0;          // first byte read and not yet written
    std::uint64_t lineFeedsBefore_ = 0;  // in the buffers already refilled
    std::uint64_t endsCountedAsLines_ = 0;
    HeldBackWriter output_;
    int currentToken_ = 0;
};

}  // namespace perlan
