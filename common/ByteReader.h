#pragma once

#include <cstddef>
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

    explicit ByteReader(std::istream& in, std::size_t bufferSize = defaultBufferSize) : in_(in), buffer_(bufferSize) {}

    /// The next byte (0 to 255), or endOfInput at the end of the input.
    /// Raises InputReadError when the stream fails to read.
    int get() {
        if (position_ == filled_ && !refill()) return endOfInput;
        return static_cast<unsigned char>(buffer_[position_++]);
    }

    /// Gives back the byte that the last get() returned; the next get()
    /// returns it again. Valid only right after a get() that returned a byte.
    void putback() { --position_; }

    /// The bytes already buffered and not yet read, for callers that consume
    /// runs of bytes at once; empty when the buffer is used up (get() refills it).
    std::string_view buffered() const { return {buffer_.data() + position_, filled_ - position_}; }

    /// Marks the first `count` bytes of buffered() as read.
    void skip(std::size_t count) { position_ += count; }

private:
    bool refill() {
        if (!in_) return false;
        in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        filled_ = static_cast<std::size_t>(in_.gcount());
        position_ = 0;
        if (in_.bad()) throw InputReadError();
        return filled_ > 0;
    }

    std::istream& in_;
    ByteBuffer buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
};

}  // namespace common
