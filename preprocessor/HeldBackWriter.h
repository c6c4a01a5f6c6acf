#pragma once

#include <cstddef>
#include <cstring>
#include <ostream>
#include <string_view>

#include "common/ByteBuffer.h"

namespace perlan {

/// Writes bytes to a stream through a large buffer and can take back the last
/// few bytes written. The last `maxUnwrite` bytes always stay in the buffer
/// until `finish`, so that taking them back never needs to move the stream's
/// write position: output to pipes and devices works like output to files.
class HeldBackWriter {
public:
    static constexpr std::size_t defaultBufferSize = 1 << 16;
    static constexpr std::size_t maxUnwrite = 3;

    explicit HeldBackWriter(std::ostream& out, std::size_t bufferSize = defaultBufferSize);

    /// Appends a run of bytes.
    void write(std::string_view bytes) {
        if (bytes.size() <= buffer_.size() - size_) {
            std::memcpy(buffer_.data() + size_, bytes.data(), bytes.size());
            size_ += bytes.size();
        } else {
            writeAcrossFlushes(bytes);
        }
    }

    /// Takes back the last `count` bytes written, at most `maxUnwrite` and
    /// never more than were written since the last take-back; false, taking
    /// nothing back, when asked for more.
    [[nodiscard]] bool unwrite(std::size_t count);

    /// Writes out everything still held and flushes the stream.
    /// Throws common::OutputWriteError when the stream fails.
    void finish();

private:
    void writeAcrossFlushes(std::string_view bytes);
    void flushAllButTail();
    void send(const char* data, std::size_t count);

    std::ostream& out_;
    common::ByteBuffer buffer_;
    std::size_t size_ = 0;
};

}  // namespace perlan
