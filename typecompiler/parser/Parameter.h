#pragma once

#include <string>

/// One formal parameter of a method: its type as written (one identifier)
/// and its name.
struct Parameter {
    std::string type;
    std::string name;
};
