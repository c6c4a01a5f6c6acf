#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lsp {

/// Cuts the byte stream of a client into message bodies: each message is a
/// header block ("Content-Length: <n>" and possibly other fields, each line
/// ended by CR LF, then an empty line) followed by n bytes of JSON.
///
/// Memory stays bounded whatever arrives: a header block longer than
/// maxHeaderBytes is dropped up to its end, and a body longer than
/// maxBodyBytes is skipped without being kept; both are reported.
class FrameReader {
public:
    static constexpr std::size_t defaultMaxBodyBytes = std::size_t{64} << 20;
    static constexpr std::size_t maxHeaderBytes = 8192;

    explicit FrameReader(std::size_t maxBodyBytes = defaultMaxBodyBytes) : maxBodyBytes_(maxBodyBytes) {}

    /// One thing found in the stream.
    struct Frame {
        enum class Kind { message, badHeader, tooLarge } kind;
        std::string body;  ///< the message body; for the others, what went wrong
    };

    /// Takes more bytes of the stream.
    void feed(std::string_view bytes) { pending_.append(bytes); }

    /// The next complete frame, or nothing until more bytes are fed.
    std::optional<Frame> next();

    /// Bytes taken but not yet returned in a frame.
    std::size_t buffered() const { return pending_.size() - start_; }

private:
    enum class State { header, body, skipping };

    /// Reads the header block that ends at `end` (just past its empty line).
    std::optional<Frame> takeHeader(std::size_t end);
    void compact();

    std::size_t maxBodyBytes_;
    std::string pending_;
    std::size_t start_ = 0;  // first byte of pending_ not yet consumed
    State state_ = State::header;
    std::size_t bodyBytes_ = 0;  // of the body being read or skipped
};

}  // namespace lsp
