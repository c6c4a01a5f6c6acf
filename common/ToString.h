#pragma once

#include <sstream>
#include <string>

namespace common {

/// A text, integer or character turned into a string with default stream
/// formatting (integers in plain decimal, a character as itself).
template <typename T>
std::string toString(const T& value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

}  // namespace common
