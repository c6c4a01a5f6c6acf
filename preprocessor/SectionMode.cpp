#include "preprocessor/SectionMode.h"

#include "common/StopSet.h"
#include "preprocessor/Tokens.h"

namespace perlan {

namespace {

// Quotes and comments must be seen and "%" may start a marker; every other
// byte is a blank or a token that this mode passes over.
constexpr common::StopSet sectionStops("\"'/%");

}  // namespace

int SectionMode::scan() {
    for (;;) {
        int token = nextToken(sectionStops);
        if (token == PERCENT_LBRACE || token == PERCENT_RBRACE || token == PERCENT_PERCENT || token == END_OF_INPUT)
            return token;
    }
}

}  // namespace perlan
