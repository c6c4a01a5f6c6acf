#include "typecompiler/generator/LineMap.h"

#include <charconv>
#include <cstddef>
#include <cstring>

#include "common/LineFeeds.h"

namespace vastor {

namespace {

// Gathers the mapped lines of Type.java into the fewest line entries: a run
// of lines that all map to one line, or a run that maps to consecutive lines.
class LineEntries {
public:
    explicit LineEntries(std::string& out) : out_(out) {}

    void add(long outputLine, long sourceLine) {
        if (sourceLine <= 0) return flush();
        if (count_ > 0 && outputLine == outputStart_ + count_) {
            if (count_ == 1 && (sourceLine == sourceStart_ || sourceLine == sourceStart_ + 1)) {
                step_ = sourceLine != sourceStart_;
                ++count_;
                return;
            }
            if (count_ > 1 && sourceLine == (step_ ? sourceStart_ + count_ : sourceStart_)) {
                ++count_;
                return;
            }
        }
        flush();
        outputStart_ = outputLine;
        sourceStart_ = sourceLine;
        count_ = 1;
        step_ = false;
    }

    // InputStartLine#FileId[,RepeatCount]:OutputStartLine[,OutputLineIncrement]
    void flush() {
        if (count_ == 0) return;
        append(sourceStart_);
        out_ += "#1";
        if (step_) append(',', count_);
        append(':', outputStart_);
        if (!step_ && count_ > 1) append(',', count_);
        out_ += '\n';
        count_ = 0;
    }

private:
    void append(long number) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        out_.append(digits, end);
    }
    void append(char separator, long number) {
        out_ += separator;
        append(number);
    }

    std::string& out_;
    long outputStart_ = 0;
    long sourceStart_ = 0;
    long count_ = 0;
    bool step_ = false;
};

}  // namespace

std::string lineMap(std::span<const MarkedText> stretches, std::string_view sourceName, std::string_view sourcePath) {
    std::string map = "SMAP\nType.java\nVastor\n*S Vastor\n*F\n+ 1 ";
    map += sourceName;
    map += '\n';
    map += sourcePath;
    map += "\n*L\n";
    LineEntries entries(map);

    long outputLine = 1;
    bool atLineStart = true;
    for (const MarkedText& stretch : stretches) {
        const std::string& text = stretch.text;
        const auto& marks = stretch.marks.marks();
        std::size_t nextMark = 0;
        LineMarks::Mark current{0, 0, false};
        long copiedLine = 0;  // the source line of the current line, under a copying mark
        std::size_t at = 0;
        while (at < text.size()) {
            // The marks up to this point decide how this line maps.
            while (nextMark < marks.size() && marks[nextMark].offset <= at) {
                current = marks[nextMark++];
                if (current.copies)
                    copiedLine = current.line + static_cast<long>(common::countLineFeeds(text.data() + current.offset,
                                                                                         text.data() + at));
            }
            const void* feed = std::memchr(text.data() + at, '\n', text.size() - at);
            const std::size_t end =
                feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - text.data()) + 1 : text.size();
            if (atLineStart) entries.add(outputLine, current.copies ? copiedLine : current.line);
            if (feed) {
                ++outputLine;
                ++copiedLine;
            }
            atLineStart = feed != nullptr;
            at = end;
        }
    }
    entries.flush();
    map += "*E\n";
    return map;
}

}  // namespace vastor
