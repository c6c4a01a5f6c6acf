#pragma once

namespace perlan {

/// Tokens of the grammar preprocessor. A single character is its own token
/// (its code, 0 to 255); the markers and the end of the input lie above that.
enum Token : int {
    PERCENT_LBRACE = 329,   ///< "%{", start of the preamble
    PERCENT_RBRACE = 330,   ///< "%}", end of the preamble
    PERCENT_PERCENT = 331,  ///< "%%", section separator
    END_OF_INPUT = 339,     ///< the input is exhausted
};

}  // namespace perlan
