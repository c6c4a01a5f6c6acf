#include "preprocessor/TrailerMode.h"

#include "preprocessor/Tokens.h"

namespace perlan {

int TrailerMode::scan() {
    while (scanner_.readAndCopy() != PreprocessorScanner::endOfInput) {
    }
    return END_OF_INPUT;
}

}  // namespace perlan
