#pragma once

#include <string>

#include "common/CompilerError.h"

namespace common {

/// An error of Vastor's command line or of its switch validation.
class ConfigurationException : public CompilerError {
public:
    explicit ConfigurationException(const std::string& text) : CompilerError("Vastor Configuration Error :" + text) {}
};

}  // namespace common
