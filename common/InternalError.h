#pragma once

#include <exception>
#include <string>

#include "common/ToString.h"

/// A state that the program's own logic cannot reach.
class InternalError : public std::exception {
public:
    InternalError(const std::string& file, int line, const std::string& text)
        : message_("Internal error (file " + file + ", line " + toString(line) + ") " + text) {}

    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};
