#pragma once

#include <cstddef>
#include <vector>

namespace vastor {

/// Where the lines of one writer's text come from in the specification, kept
/// only when a line map is asked for. Each mark sits at a byte offset of the
/// text and tells how the lines that start there or later map, up to the next
/// mark: a line that begins in the middle of a piece of text belongs to the
/// mark its first byte falls under.
class LineMarks {
public:
    struct Mark {
        std::size_t offset;
        /// The specification line; 0 when the lines come from nowhere.
        int line;
        /// True for a copy of the specification: each line feed after the
        /// mark moves one line on. False: every line maps to `line`.
        bool copies;
    };

    void enable() { enabled_ = true; }
    bool enabled() const { return enabled_; }

    /// The lines from offset on map to no line.
    void none(std::size_t offset) { add({offset, 0, false}); }
    /// The lines from offset on all map to line (to none when line is 0).
    void fixed(std::size_t offset, int line) { add({offset, line, false}); }
    /// The text from offset on copies the specification from line on.
    void copy(std::size_t offset, int line) { add({offset, line, line > 0}); }

    /// In the order they were added: offsets never decrease.
    const std::vector<Mark>& marks() const { return marks_; }

private:
    void add(Mark mark) {
        if (!enabled_) return;
        // A later mark at the same place replaces the earlier one.
        if (!marks_.empty() && marks_.back().offset == mark.offset) marks_.pop_back();
        marks_.push_back(mark);
    }

    bool enabled_ = false;
    std::vector<Mark> marks_;
};

}  // namespace vastor
