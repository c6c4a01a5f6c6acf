#pragma once

#include <string>

#include "common/CompilerError.h"

namespace vastor {

/// An error of Vastor's command line or of its switch validation.
class ConfigurationException : public common::CompilerError {
public:
    explicit ConfigurationException(const std::string& text) : CompilerError("Vastor Configuration Error :" + text) {}
};

}  // namespace vastor
