#include "preprocessor/TrailerMode.h"

#include "preprocessor/Tokens.h"

namespace perlan {

int TrailerMode::scan() {
    scanner_.copyRest();
    return END_OF_INPUT;
}

}  // namespace perlan
