#pragma once

#include <string>

/// Every text that Perlan prints of its own: usage, file, scanner and syntax
/// errors. The texts that Vastor prints as well are in common/Messages.h.
namespace perlan::messages {

inline std::string usage(const std::string& program) { return "\n\tUsage: " + program + " input_file [output_file]\n"; }
/// Stands for the program name when the program was started without any argument vector.
inline constexpr const char* programName = "Perlan";
inline constexpr const char* cannotOpenOutputFile = "Can not open output file ";

// Scanner errors.

inline constexpr const char* endOfFileInLiteral = "end-of-file found in the middle of a literal";
inline constexpr const char* endOfFileInComment = "end-of-file found in the middle of a comment";
inline constexpr const char* endOfFileInTypechecking = "end-of-file found in while scanning typechecking";

// Syntax errors.

inline constexpr const char* endOfPreambleExpected = "end-of-preamble was expected";
inline constexpr const char* firstSectionExpected = "1st section was expected";
inline constexpr const char* endOfActionExpected = "end-of-action '}' was expected";
inline constexpr const char* secondSectionExpected = "2st section was expected";
inline constexpr const char* endOfFileExpected = "end-of-file was expected";

// Internal errors: states that Perlan's own logic cannot reach.

inline constexpr const char* unwriteTooFar = "cannot take back bytes already written out";
inline constexpr const char* advanceWithoutMode = "advance() before setMode()";

}  // namespace perlan::messages
