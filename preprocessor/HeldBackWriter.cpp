#include "preprocessor/HeldBackWriter.h"

#include <algorithm>
#include <cstring>

#include "common/IoError.h"

namespace perlan {

HeldBackWriter::HeldBackWriter(std::ostream& out, std::size_t bufferSize)
    : out_(out), buffer_(std::max(bufferSize, 2 * maxUnwrite)) {}

void HeldBackWriter::writeAcrossFlushes(std::string_view bytes) {
    if (bytes.size() >= buffer_.size()) {
        // Sent as it is rather than copied through the buffer, all but the
        // tail that must stay held back.
        send(buffer_.data(), size_);
        send(bytes.data(), bytes.size() - maxUnwrite);
        std::memcpy(buffer_.data(), bytes.data() + bytes.size() - maxUnwrite, maxUnwrite);
        size_ = maxUnwrite;
        return;
    }
    while (!bytes.empty()) {
        if (size_ == buffer_.size()) flushAllButTail();
        std::size_t count = std::min(bytes.size(), buffer_.size() - size_);
        std::memcpy(buffer_.data() + size_, bytes.data(), count);
        size_ += count;
        bytes.remove_prefix(count);
    }
}

bool HeldBackWriter::unwrite(std::size_t count) {
    if (count > maxUnwrite || count > size_) return false;
    size_ -= count;
    return true;
}

void HeldBackWriter::finish() {
    send(buffer_.data(), size_);
    size_ = 0;
    out_.flush();
    if (!out_) throw common::OutputWriteError();
}

void HeldBackWriter::flushAllButTail() {
    std::size_t sent = size_ - maxUnwrite;
    send(buffer_.data(), sent);
    std::memmove(buffer_.data(), buffer_.data() + sent, maxUnwrite);
    size_ = maxUnwrite;
}

void HeldBackWriter::send(const char* data, std::size_t count) {
    if (count == 0) return;
    out_.write(data, static_cast<std::streamsize>(count));
    if (!out_) throw common::OutputWriteError();
}

}  // namespace perlan
