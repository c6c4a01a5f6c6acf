#pragma once

namespace vastor {

/// Kinds of the tokens that the specification scanner returns. A punctuation
/// token's kind is the code of its character ('%', '(', ..., '}').
inline constexpr int END_OF_INPUT = 0;
inline constexpr int IDENTIFIER = 328;
inline constexpr int TYPES = 329;
inline constexpr int CLASS = 330;
inline constexpr int METHOD_BODY = 331;
inline constexpr int CODE_START = 335;
inline constexpr int METHOD_START = 336;
inline constexpr int EMBEDDED_CODE = 337;

}  // namespace vastor
