#pragma once

#include <cstddef>
#include <memory>

namespace common {

/// A fixed-size array of bytes for I/O buffers, left uninitialised: a
/// vector would fill it with zeros first, a page fault per 4 KB of the tools'
/// large buffers that a run on a small file never needs
/// (benchmarks/RESULTS.md).
class ByteBuffer {
public:
    explicit ByteBuffer(std::size_t size) : bytes_(std::make_unique_for_overwrite<char[]>(size)), size_(size) {}

    char* data() { return bytes_.get(); }
    const char* data() const { return bytes_.get(); }
    std::size_t size() const { return size_; }
    char& operator[](std::size_t i) { return bytes_[i]; }
    char operator[](std::size_t i) const { return bytes_[i]; }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_;
};

}  // namespace common
