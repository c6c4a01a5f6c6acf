#pragma once

#include <string>
#include <utility>

#include "common/CompilerError.h"

namespace common {

/// Base of the errors of reading or writing a file, as opposed to faults in
/// what the file says.
class IoError : public CompilerError {
public:
    using CompilerError::CompilerError;
};

/// Raised when the input cannot be read (an I/O error, not its end): a tool
/// must never take a failed read for the end of the file and report success
/// on a truncated input.
class InputReadError : public IoError {
public:
    InputReadError() : IoError("input read failed") {}
};

/// Raised when an output file cannot be created or opened.
class OutputOpenError : public IoError {
public:
    using IoError::IoError;
};

/// Raised when an output stream refuses bytes, a flush or its closing.
class OutputWriteError : public IoError {
public:
    OutputWriteError() : IoError("output write failed") {}
    explicit OutputWriteError(std::string text) : IoError(std::move(text)) {}
};

}  // namespace common
