#include "preprocessor/SectionMode.h"

#include "preprocessor/Tokens.h"

namespace perlan {

int SectionMode::scan() {
    for (;;) {
        int token = nextToken();
        if (token == PERCENT_LBRACE || token == PERCENT_RBRACE || token == PERCENT_PERCENT ||
            token == END_OF_INPUT)
            return token;
    }
}

}  // namespace perlan
