#pragma once

#include <string>
#include <string_view>

/// Every text that Perlan prints of its own: usage, file, scanner and syntax
/// errors. The texts that Vastor prints as well are in common/Messages.h.
namespace perlan::messages {

inline std::string usage(const std::string& program) { return "\n\tUsage: " + program + " input_file [output_file]\n"; }
/// Stands for the program name when the program was started without any argument vector.
inline constexpr std::string_view programName = "Perlan";
inline constexpr std::string_view cannotOpenOutputFile = "Can not open output file ";

// Scanner errors.

inline constexpr std::string_view endOfFileInLiteral = "end-of-file found in the middle of a literal";
inline constexpr std::string_view endOfFileInComment = "end-of-file found in the middle of a comment";
inline constexpr std::string_view endOfFileInTypechecking = "end-of-file found in while scanning typechecking";

// Syntax errors.

inline constexpr std::string_view endOfPreambleExpected = "end-of-preamble was expected";
inline constexpr std::string_view firstSectionExpected = "1st section was expected";
inline constexpr std::string_view endOfActionExpected = "end-of-action '}' was expected";
inline constexpr std::string_view secondSectionExpected = "2st section was expected";
inline constexpr std::string_view endOfFileExpected = "end-of-file was expected";

// Internal errors: states that Perlan's own logic cannot reach.

inline constexpr std::string_view unwriteTooFar = "cannot take back bytes already written out";
inline constexpr std::string_view advanceWithoutMode = "advance() before setMode()";

}  // namespace perlan::messages
