#pragma once

#include <string_view>
#include <vector>

#include "lsp/LineIndex.h"

namespace lsp {

/// The double-quoted string literals of a stretch of Java code (span of
/// text): for each, what lies between its quotes. Comments, character
/// literals and text blocks are passed over; a literal left open ends at its
/// line's end and is not counted.
std::vector<Span> stringLiterals(std::string_view text, Span span);

}  // namespace lsp
