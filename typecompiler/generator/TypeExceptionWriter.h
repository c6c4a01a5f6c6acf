#pragma once

#include <optional>
#include <string>

namespace vastor {

/// The Java source of the API's error class TypeException. With baseError
/// the class extends that class and takes its line from a linked
/// antlr.CharScanner; without it the class extends Exception.
std::string typeExceptionText(const std::optional<std::string>& baseError);

/// Where TypeException.java belongs below the API directory:
/// apiDirectory + "/errorHandling/TypeException.java" (nothing trimmed),
/// with backslashes for the two separators on Windows.
std::string typeExceptionPath(const std::string& apiDirectory);

}  // namespace vastor
