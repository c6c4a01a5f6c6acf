#include "preprocessor/ActionMode.h"

#include "common/StopSet.h"
#include "preprocessor/Tokens.h"

namespace perlan {

namespace {

// The bytes that an action looks at; all others are only copied.
constexpr common::StopSet codeStops("\"'/{}");

}  // namespace

int ActionMode::scan() {
    int depth = 1;  // the action's opening brace has been copied
    for (;;) {
        int ch = scanner_.copyThrough(codeStops);
        switch (ch) {
        case PreprocessorScanner::endOfInput: return END_OF_INPUT;
        case '"':
        case '\'': skipLiteral(ch); break;
        case '/': skipAfterSlash(true); break;
        case '{': ++depth; break;
        case '}':
            if (--depth == 0) return '}';
            break;
        default: break;
        }
    }
}

}  // namespace perlan
