#pragma once

#include <string>
#include <string_view>

#include "typecompiler/model/Method.h"

namespace vastor {

/// Appends the body of a method that forwards the call to the same method
/// of target (e.g. "type."): "\t\t[return ]" target name "(" parameter
/// names ");\n". Only a result type of exactly "void" omits the "return ".
void appendDelegationBody(std::string& body, const Method& method, std::string_view target);

/// Appends a delegation: a public method with the name, result type and
/// parameters of method whose body is appendDelegationBody(method, target).
void writeDelegation(std::string& out, const Method& method, std::string_view target);

}  // namespace vastor
