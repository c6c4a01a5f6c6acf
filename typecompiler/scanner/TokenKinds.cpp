#include "typecompiler/scanner/TokenKinds.h"

namespace vastor {

std::string tokenKindName(int kind) {
    switch (kind) {
    case END_OF_INPUT: return "END_OF_INPUT";
    case IDENTIFIER: return "IDENTIFIER";
    case TYPES: return "TYPES";
    case CLASS: return "CLASS";
    case METHOD_BODY: return "METHOD_BODY";
    case CODE_START: return "CODE_START";
    case METHOD_START: return "METHOD_START";
    case EMBEDDED_CODE: return "EMBEDDED_CODE";
    default: break;
    }
    if (kind > 0 && kind < 256) return std::string{'\'', static_cast<char>(kind), '\''};
    return "token " + std::to_string(kind);
}

}  // namespace vastor
