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

/// Creates or truncates TypeException.java below apiDirectory and writes
/// typeExceptionText(baseError) into it. Folders are not created.
/// Throws OutputOpenError "Can not open API TypeException.java file: " + path
/// when the file cannot be opened, and OutputWriteError "Can not write API
/// TypeException.java file: " + path when writing, flushing or closing it fails.
void writeTypeExceptionFile(const std::string& apiDirectory, const std::optional<std::string>& baseError);

}  // namespace vastor
