#include "lsp/SourceMap.h"

#include <algorithm>
#include <charconv>

namespace lsp {

namespace {

// Reads a number at the start of text; false when there is none.
bool number(std::string_view& text, long& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || value < 0) return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

bool skip(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

}  // namespace

SourceMap::SourceMap(std::string_view text) {
    bool inLines = false;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.substr(0, 1) == "*") {
            if (inLines) break;  // the end of the first lines section
            inLines = line == "*L";
            continue;
        }
        if (!inLines) continue;
        // InputStartLine[#FileId][,RepeatCount]:OutputStartLine[,OutputLineIncrement]
        Entry entry{0, 1, 0, 1};
        long fileId = 0;
        if (!number(line, entry.inputStart)) continue;
        if (skip(line, '#') && !number(line, fileId)) continue;
        if (skip(line, ',') && !number(line, entry.repeat)) continue;
        if (!skip(line, ':') || !number(line, entry.outputStart)) continue;
        if (skip(line, ',') && !number(line, entry.increment)) continue;
        // Counts beyond any Type.java would overflow the arithmetic below.
        constexpr long limit = 1L << 30;
        if (entry.repeat > 0 && entry.increment > 0 && entry.repeat < limit && entry.increment < limit &&
            entry.outputStart < limit && entry.inputStart < limit)
            entries_.push_back(entry);
    }
}

long SourceMap::sourceLine(long generatedLine) const {
    long best = 0;
    long bestStart = 0;
    for (const Entry& entry : entries_) {
        if (entry.outputStart > generatedLine) continue;
        const long offset = generatedLine - entry.outputStart;
        if (offset < entry.repeat * entry.increment) return entry.inputStart + offset / entry.increment;
        // Not mapped here: the entry's last line is a candidate for the nearest line before.
        const long lastOutput = entry.outputStart + entry.repeat * entry.increment - 1;
        if (lastOutput >= bestStart) {
            bestStart = lastOutput;
            best = entry.inputStart + entry.repeat - 1;
        }
    }
    return best;
}

}  // namespace lsp
