#pragma once

#include <string_view>
#include <vector>

namespace lsp {

/// A line map from generated lines to source lines, read from a source map
/// of the JVM's debugging format (the lines section of its first stratum;
/// Vastor writes one stratum over one file).
class SourceMap {
public:
    /// Reads the map; a text that is no such map gives an empty one.
    explicit SourceMap(std::string_view text);

    /// The source line of a generated line: its own when it has one, else
    /// that of the nearest line before it that has one; 0 when none has.
    long sourceLine(long generatedLine) const;

    bool empty() const { return entries_.empty(); }

private:
    // Generated lines [outputStart, outputStart + repeat * increment) map to
    // source lines inputStart, inputStart + 1, ..., each to `increment` lines.
    struct Entry {
        long inputStart;
        long repeat;
        long outputStart;
        long increment;
    };
    std::vector<Entry> entries_;
};

}  // namespace lsp
