#pragma once

#include <string>

namespace vastor {

/// Kinds of the tokens that the specification scanner returns. A punctuation
/// token's kind is the code of its character ('%', '(', ..., '}').
enum TokenKind : int {
    END_OF_INPUT = 0,
    IDENTIFIER = 328,
    TYPES = 329,
    CLASS = 330,
    METHOD_BODY = 331,
    CODE_START = 335,
    METHOD_START = 336,
    EMBEDDED_CODE = 337,
};

/// The name of a token kind: the enumerator's name, a punctuation character
/// in single quotes, or "token " and the number for a value that is no kind.
std::string tokenKindName(int kind);

}  // namespace vastor
