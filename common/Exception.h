#pragma once

#include <string>
#include <string_view>

#include "common/CompilerError.h"
#include "common/ToString.h"

namespace common {

/// Category texts of the tools' errors. An error class is selected by the
/// address of one of these objects: Exception<&lexical>, Exception<&sintax>,
/// Exception<&semantical>.
inline constexpr const char* lexical = "Scanner error";
inline constexpr const char* sintax = "Syntax error";
inline constexpr const char* semantical = "Semantic error";

/// An error found in the input at a given line. Its text is the category,
/// "( line ", the line, " ):" and the message, with nothing in between.
template <const char* const* Category>
class Exception : public CompilerError {
public:
    Exception(int line, std::string_view text)
        : CompilerError(std::string(*Category) + "( line " + toString(line) + " ):" + std::string(text)) {}
};

using LexicalError = Exception<&lexical>;
using SyntaxError = Exception<&sintax>;
using SemanticError = Exception<&semantical>;

}  // namespace common
