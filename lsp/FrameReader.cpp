#include "lsp/FrameReader.h"

#include <algorithm>
#include <cctype>

namespace lsp {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<FrameReader::Frame> FrameReader::next() {
    for (;;) {
        const std::string_view rest = std::string_view(pending_).substr(start_);
        switch (state_) {
        case State::skipping: {
            const std::size_t count = std::min(bodyBytes_, rest.size());
            start_ += count;
            bodyBytes_ -= count;
            compact();
            if (bodyBytes_ > 0) return std::nullopt;
            state_ = State::header;
            continue;
        }
        case State::body: {
            if (rest.size() < bodyBytes_) return std::nullopt;
            Frame frame{Frame::Kind::message, std::string(rest.substr(0, bodyBytes_))};
            start_ += bodyBytes_;
            state_ = State::header;
            compact();
            return frame;
        }
        case State::header: {
            // Headers end with an empty line; lenient clients may omit the CRs.
            const std::size_t crlf = rest.find("\r\n\r\n");
            const std::size_t lf = rest.find("\n\n");
            const std::size_t end =
                std::min(crlf == std::string_view::npos ? crlf : crlf + 4, lf == std::string_view::npos ? lf : lf + 2);
            if (end == std::string_view::npos) {
                if (rest.size() <= maxHeaderBytes) return std::nullopt;
                // No header is this long: drop it, keeping a possible start of the terminator.
                start_ = pending_.size() - 3;
                compact();
                return Frame{Frame::Kind::badHeader, "a header block longer than 8192 bytes was dropped"};
            }
            if (std::optional<Frame> frame = takeHeader(end)) return frame;
            continue;
        }
        }
    }
}

std::optional<FrameReader::Frame> FrameReader::takeHeader(std::size_t end) {
    std::string_view header = std::string_view(pending_).substr(start_, end);
    start_ += end;
    std::optional<std::size_t> length;
    bool valid = true;
    while (!header.empty()) {
        const std::size_t feed = header.find('\n');
        const std::string_view line = header.substr(0, feed);
        header.remove_prefix(feed == std::string_view::npos ? header.size() : feed + 1);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        if (!equalsIgnoringCase(trimmed(line.substr(0, colon)), "Content-Length")) continue;
        const std::string_view digits = trimmed(line.substr(colon + 1));
        std::size_t value = 0;
        valid = !digits.empty() && digits.size() <= 15 &&
                std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
        for (char c : digits) value = value * 10 + static_cast<std::size_t>(c - '0');
        if (valid) length = value;
    }
    if (!valid || !length)
        return Frame{Frame::Kind::badHeader, "a header block without a valid Content-Length was dropped"};
    bodyBytes_ = *length;
    if (bodyBytes_ > maxBodyBytes_) {
        state_ = State::skipping;
        return Frame{Frame::Kind::tooLarge,
                     "a message of " + std::to_string(bodyBytes_) + " bytes is over the limit and was skipped"};
    }
    state_ = State::body;
    return std::nullopt;
}

void FrameReader::compact() {
    if (start_ == pending_.size()) {
        pending_.clear();
        start_ = 0;
    } else if (start_ > 65536 && start_ > pending_.size() / 2) {
        pending_.erase(0, start_);
        start_ = 0;
    }
}

}  // namespace lsp
