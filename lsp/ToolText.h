#pragma once

#include <string>
#include <string_view>

namespace lsp {

/// A text the tools wrote, as UTF-8. Their fixed Spanish messages hold
/// Latin-1 bytes (0xED, 0xE9) while what they copy from the input is usually
/// UTF-8: every well-formed UTF-8 sequence stays as it is and every other
/// byte is read as Latin-1.
std::string toolTextToUtf8(std::string_view bytes);

/// The line an error text of the tools names ("Syntax error( line 12 ):..."),
/// or 0 when it names none.
long errorLineOf(std::string_view text);

}  // namespace lsp
