#pragma once

#include <string>
#include <string_view>

#include "common/CompilerError.h"
#include "common/ToString.h"

namespace common {

/// A state that the program's own logic cannot reach.
class InternalError : public CompilerError {
public:
    InternalError(std::string_view file, int line, std::string_view text)
        : CompilerError("Internal error (file " + std::string(file) + ", line " + toString(line) + ") " +
                        std::string(text)) {}
};

}  // namespace common
