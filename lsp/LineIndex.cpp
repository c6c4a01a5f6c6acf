#include "lsp/LineIndex.h"

#include <algorithm>
#include <cstring>

namespace lsp {

namespace {

// The length of the UTF-8 sequence that starts with this byte; 1 for a byte
// that starts none (each such byte then counts as one character).
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

}  // namespace

LineIndex::LineIndex(std::string_view text, PositionEncoding encoding) : text_(text), encoding_(encoding) {
    starts_.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            starts_.push_back(i + 1);
        } else if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            starts_.push_back(i + 1);
        }
    }
}

std::size_t LineIndex::lineStart(long line) const {
    if (line < 0) return 0;
    if (static_cast<std::size_t>(line) >= starts_.size()) return text_.size();
    return starts_[static_cast<std::size_t>(line)];
}

std::size_t LineIndex::lineEnd(long line) const {
    if (line < 0) line = 0;
    if (static_cast<std::size_t>(line) >= starts_.size()) return text_.size();
    std::size_t end = static_cast<std::size_t>(line) + 1 < starts_.size() ? starts_[line + 1] : text_.size();
    if (end > starts_[line] && text_[end - 1] == '\n') --end;
    if (end > starts_[line] && text_[end - 1] == '\r') --end;
    return end;
}

Position LineIndex::position(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const auto line = static_cast<std::size_t>(after - starts_.begin()) - 1;
    const std::size_t end = std::max(lineEnd(static_cast<long>(line)), starts_[line]);
    offset = std::min(offset, end);
    long character = 0;
    std::size_t at = starts_[line];
    while (at < offset) {
        const std::size_t length = std::min(sequenceLength(static_cast<unsigned char>(text_[at])), end - at);
        if (at + length > offset) break;
        character += encoding_ == PositionEncoding::utf8 ? static_cast<long>(length) : (length == 4 ? 2 : 1);
        at += length;
    }
    return {static_cast<long>(line), character};
}

std::size_t LineIndex::offset(Position position) const {
    if (position.line < 0) return 0;
    if (static_cast<std::size_t>(position.line) >= starts_.size()) return text_.size();
    const std::size_t end = lineEnd(position.line);
    std::size_t at = starts_[position.line];
    long remaining = std::max(position.character, 0L);
    while (at < end && remaining > 0) {
        const std::size_t length = std::min(sequenceLength(static_cast<unsigned char>(text_[at])), end - at);
        const long units = encoding_ == PositionEncoding::utf8 ? static_cast<long>(length) : (length == 4 ? 2 : 1);
        // A position inside a character (half a surrogate pair, a byte of a
        // sequence) goes to the character's start.
        if (units > remaining) break;
        remaining -= units;
        at += length;
    }
    return at;
}

std::size_t toolLineStart(std::string_view text, long line) {
    std::size_t at = 0;
    for (long current = 1; current < line; ++current) {
        const void* feed = std::memchr(text.data() + at, '\n', text.size() - at);
        if (feed == nullptr) break;
        at = static_cast<std::size_t>(static_cast<const char*>(feed) - text.data()) + 1;
    }
    return at;
}

long toolLineOf(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 + static_cast<long>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

}  // namespace lsp
