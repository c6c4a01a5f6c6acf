#pragma once

#include <climits>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/StopSet.h"
#include "typecompiler/scanner/ScannerTokenizer.h"

namespace vastor {

/// One way of reading the next token: the specification mixes its own
/// structure with Java text, and the parser picks the state that fits.
class ScannerState {
public:
    /// The scanner must outlive the state.
    explicit ScannerState(ScannerTokenizer& scanner) : scanner_(scanner) {}
    virtual ~ScannerState() = default;

    ScannerState(const ScannerState&) = delete;
    ScannerState& operator=(const ScannerState&) = delete;

    /// Reads the next token and returns its kind; sets the token text where
    /// the token has one. Raises LexicalError on a lexical fault.
    virtual int nextToken() = 0;

protected:
    static constexpr int endOfInput = common::ByteReader::endOfInput;

    /// The next byte (0 to 255), or endOfInput at the end of the input.
    /// A line feed counts one line at the moment it is read.
    int read() {
        const int c = scanner_.input_.get();
        // Saturate rather than overflow on absurdly long inputs.
        if (c == '\n' && scanner_.line_ < INT_MAX) ++scanner_.line_;
        return c;
    }

    /// Gives back c, the byte that the last read() returned; a line feed is
    /// counted again when it is read again.
    void putBack(int c) {
        scanner_.input_.putBack();
        if (c == '\n') --scanner_.line_;
    }

    int line() const { return scanner_.line_; }

    /// Appends to text the buffered bytes before the first one in stops and
    /// marks them read, counting their line feeds: the same as reading them one
    /// by one, without a call per byte. May append nothing.
    void appendRun(std::string& text, const common::StopSet& stops) {
        const std::string_view run = scanner_.input_.buffered();
        std::size_t lineFeeds = 0;
        const char* stop = stops.find(run.data(), run.data() + run.size(), lineFeeds);
        const auto length = static_cast<std::size_t>(stop - run.data());
        if (length == 0) return;
        text.append(run.data(), length);
        const int room = INT_MAX - scanner_.line_;
        scanner_.line_ =
            lineFeeds > static_cast<std::size_t>(room) ? INT_MAX : scanner_.line_ + static_cast<int>(lineFeeds);
        scanner_.input_.skip(length);
    }

    void setText(std::string&& text) { scanner_.text_ = std::move(text); }
    /// The token text, for a state that builds it in place.
    std::string& text() { return scanner_.text_; }

    /// read(), appending the byte to text when text is given.
    int readInto(std::string* text) {
        const int c = read();
        if (text != nullptr && c != endOfInput) text->push_back(static_cast<char>(c));
        return c;
    }

    /// Reads what follows a slash: a block comment through its "*/", a line
    /// comment through its line feed, or else the one byte after the slash,
    /// unexamined. Appends all it reads to text when text is given. False
    /// when the input ends first; each state decides what that means.
    bool skipAfterSlash(std::string* text);

    /// Reads a literal whose opening quote has been read, through its closing
    /// quote; a backslash takes the byte after it into the literal. Appends
    /// all it reads to text. False when the input ends first.
    bool skipLiteral(std::string& text, char quote);

    /// Letters of the "C" locale, independent of the current locale.
    static bool isLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

private:
    ScannerTokenizer& scanner_;
};

}  // namespace vastor
