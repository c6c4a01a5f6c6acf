#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace lsp {

/// How the client counts characters within a line: UTF-16 code units (the
/// protocol's default) or bytes of UTF-8.
enum class PositionEncoding { utf16, utf8 };

/// A place in a document as the protocol names it: zero-based line and
/// character within the line.
struct Position {
    long line = 0;
    long character = 0;
    bool operator==(const Position&) const = default;
};

/// Byte offsets [begin, end) in a document's text.
struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
    /// Whether offset lies within the span or right at its end (where a
    /// cursor after the last character stands).
    bool touches(std::size_t offset) const { return begin <= offset && offset <= end; }
    bool operator==(const Span&) const = default;
};

/// The lines of a text, for turning byte offsets into protocol positions and
/// back. Lines end, as the protocol has it, at LF, CR LF or a lone CR. The
/// text must outlive the index and stay unchanged.
class LineIndex {
public:
    LineIndex(std::string_view text, PositionEncoding encoding);

    std::size_t lineCount() const { return starts_.size(); }

    /// The position of a byte offset (clamped to the text); an offset inside a
    /// multi-byte character counts as the start of that character.
    Position position(std::size_t offset) const;

    /// The byte offset of a position. A line past the end gives the end of
    /// the text; a character past the end of its line gives the end of the
    /// line (before its line break), as the protocol asks.
    std::size_t offset(Position position) const;

    /// The offset where a line starts, and where its text ends (before the
    /// line break); lines past the end give the end of the text.
    std::size_t lineStart(long line) const;
    std::size_t lineEnd(long line) const;

private:
    std::string_view text_;
    PositionEncoding encoding_;
    std::vector<std::size_t> starts_;
};

/// The offset where line `line` (counted from 1, as the tools count it: one
/// more after every LF) starts in text; the start of the last line when the
/// text has fewer lines.
std::size_t toolLineStart(std::string_view text, long line);

/// The tool's line number (from 1) of a byte offset: 1 plus the LFs before it.
long toolLineOf(std::string_view text, std::size_t offset);

}  // namespace lsp
