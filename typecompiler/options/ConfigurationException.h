#pragma once

#include <string>
#include <string_view>

#include "common/CompilerError.h"

namespace vastor {

/// An error of Vastor's command line or of its switch validation.
class ConfigurationException : public common::CompilerError {
public:
    explicit ConfigurationException(std::string_view text)
        : CompilerError("Vastor Configuration Error :" + std::string(text)) {}
};

}  // namespace vastor
