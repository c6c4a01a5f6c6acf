#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vastor {

/// Runs Vastor on a command line (the program name first, then the switches,
/// then the specification file) and returns the exit status: 0 on success,
/// -1 without arguments, -2 after a reported error, -3 when the
/// specification cannot be opened. Every message goes to errors.
int runVastor(const std::vector<std::string>& arguments, std::ostream& errors);

}  // namespace vastor
