#pragma once

#include <string>

#include "common/CompilerError.h"
#include "common/ToString.h"

namespace common {

/// A state that the program's own logic cannot reach.
class InternalError : public CompilerError {
public:
    InternalError(const std::string& file, int line, const std::string& text)
        : CompilerError("Internal error (file " + file + ", line " + toString(line) + ") " + text) {}
};

}  // namespace common
