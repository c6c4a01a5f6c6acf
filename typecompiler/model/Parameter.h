#pragma once

#include <string>

namespace vastor {

/// One formal parameter of a method: its type as written (one identifier)
/// and its name.
struct Parameter {
    std::string type;
    std::string name;
};

}  // namespace vastor
