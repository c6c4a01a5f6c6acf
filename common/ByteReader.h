#pragma once

#include <cstddef>
#include <cstring>
#include <istream>
#include <string_view>

#include "common/ByteBuffer.h"
#include "common/IoError.h"

namespace common {

/// Reads a stream byte by byte through a large buffer, so that scanners can
/// take one character at a time without a stream call per character.
class ByteReader {
public:
    static constexpr std::size_t defaultBufferSize = 1 << 16;
    /// What get() returns when no byte is left.
    static constexpr int endOfInput = -1;

    /// How line ends reach the reader's caller.
    enum class LineEnds {
        asStored,  ///< every byte as the stream holds it
        /// A CR right before an LF is dropped, as a text-mode reader does, on
        /// every platform: files saved with CR LF read like their LF twins.
        /// A CR followed by anything else is delivered.
        crLfAsLf,
    };

    /// `bufferSize` (at least 1) is how much one refill reads.
    explicit ByteReader(std::istream& in, std::size_t bufferSize = defaultBufferSize,
                        LineEnds lineEnds = LineEnds::asStored)
        : in_(in), buffer_(bufferSize + 1), readSize_(bufferSize), crLfAsLf_(lineEnds == LineEnds::crLfAsLf) {}

    /// The next byte (0 to 255), or endOfInput at the end of the input.
    /// Raises InputReadError when the stream fails to read.
    int get() {
        if (position_ == filled_ && !refill()) return endOfInput;
        return static_cast<unsigned char>(buffer_[position_++]);
    }

    /// Gives back the byte that the last get() returned; the next get()
    /// returns it again. Valid only right after a get() that returned a byte.
    void putBack() { --position_; }

    /// The bytes already buffered and not yet read, for callers that consume
    /// runs of bytes at once; empty when the buffer is used up (get() refills it).
    std::string_view buffered() const { return {buffer_.data() + position_, filled_ - position_}; }

    /// Marks the first `count` bytes of buffered() as read.
    void skip(std::size_t count) { position_ += count; }

private:
    bool refill() {
        for (;;) {
            // A CR held back from the last refill goes first: the buffer has
            // one byte of room for it beyond readSize_.
            std::size_t start = 0;
            if (heldCr_) {
                buffer_[0] = '\r';
                start = 1;
                heldCr_ = false;
            }
            std::size_t count = 0;
            if (in_) {
                in_.read(buffer_.data() + start, static_cast<std::streamsize>(readSize_));
                count = static_cast<std::size_t>(in_.gcount());
                if (in_.bad()) throw InputReadError();
            }
            filled_ = start + count;
            position_ = 0;
            if (crLfAsLf_) dropCrBeforeLf();
            if (filled_ > 0) return true;
            if (!heldCr_) return false;
        }
    }

    // Drops every CR that an LF follows in the buffer. A CR in the last place
    // waits for the next refill, unless the input has ended.
    void dropCrBeforeLf() {
        char* const begin = buffer_.data();
        char* const end = begin + filled_;
        auto* cr = static_cast<char*>(std::memchr(begin, '\r', filled_));
        if (cr == nullptr) return;
        char* out = cr;
        for (const char* in = cr; in != end; ++in) {
            if (*in == '\r' && in + 1 != end && in[1] == '\n') continue;
            *out++ = *in;
        }
        filled_ = static_cast<std::size_t>(out - begin);
        if (begin[filled_ - 1] == '\r' && in_) {
            heldCr_ = true;
            --filled_;
        }
    }

    std::istream& in_;
    ByteBuffer buffer_;
    std::size_t readSize_;
    bool crLfAsLf_;
    bool heldCr_ = false;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
};

}  // namespace common
