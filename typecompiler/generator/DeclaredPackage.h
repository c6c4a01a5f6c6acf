#pragma once

#include <string>
#include <string_view>

namespace vastor {

/// The package that a preamble declares: the qualified name of a
/// `package a.b;` declaration that comes first in it, after blanks and
/// comments, written without the blanks or comments it may hold; empty when
/// the preamble declares none. Type.java then lives in that package, and its
/// builder must look the type classes up by their qualified names.
std::string declaredPackage(std::string_view preamble);

}  // namespace vastor
