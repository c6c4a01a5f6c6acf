#include "preprocessor/RulesMode.h"

#include "preprocessor/Tokens.h"

namespace perlan {

int RulesMode::scan() {
    for (;;) {
        int token = nextToken();
        if (token == '{' || token == '}' || token == PERCENT_PERCENT || token == END_OF_INPUT)
            return token;
    }
}

}  // namespace perlan
