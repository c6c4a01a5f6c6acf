#pragma once

#include <string_view>

#include "typecompiler/parser/Method.h"

/// A public method with the name, result type and parameters of method whose
/// body forwards the call to the same method of target (e.g. "type."):
/// "\t\t[return ]" target name "(" parameter names ");\n".
/// Only a result type of exactly "void" omits the "return ".
Method makeDelegation(const Method& method, std::string_view target);
