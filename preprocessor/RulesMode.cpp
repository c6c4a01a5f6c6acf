#include "preprocessor/RulesMode.h"

#include "common/StopSet.h"
#include "preprocessor/Tokens.h"

namespace perlan {

namespace {

// Quotes and comments must be seen, "%" may start a marker and braces are
// reported; every other byte is a blank or a token that this mode passes over.
constexpr common::StopSet rulesStops("\"'/%{}");

}  // namespace

int RulesMode::scan() {
    for (;;) {
        int token = nextToken(rulesStops);
        if (token == '{' || token == '}' || token == PERCENT_PERCENT || token == END_OF_INPUT) return token;
    }
}

}  // namespace perlan
