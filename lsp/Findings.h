#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lsp/LineIndex.h"

namespace lsp {

enum class Severity { error = 1, warning = 2, information = 3 };

/// One thing a tool says about a document, placed by byte offsets.
struct Finding {
    Span span;
    Severity severity = Severity::error;
    std::string source;   ///< the tool: "Vastor", "Perlan", "javac", "byaccj"
    std::string message;  ///< UTF-8
    bool operator==(const Finding&) const = default;
};

/// What a tool says about a line of the document (counted from 1 as the
/// tools count, one more after every LF; 0 for no line).
struct LineMessage {
    long line = 0;
    Severity severity = Severity::error;
    std::string source;
    std::string message;
};

/// The span of a tool's line: from its first non-blank character to its end;
/// a line past the end of the text is its last line.
Span toolLineSpan(std::string_view text, long line);

Finding placeOnLine(std::string_view text, const LineMessage& message);

/// What Vastor says about a specification: its first error, if any, at its
/// line, and each "Definition of" note as information at the method it names.
std::vector<Finding> checkSpecification(std::string_view text);

/// What Perlan says about a grammar: its first error, if any, at its line.
std::vector<Finding> checkGrammar(std::string_view text);

}  // namespace lsp
