#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vastor {

/// Vastor's exit statuses.
namespace exitStatus {
inline constexpr int success = 0;
inline constexpr int badCommandLine = -1;  ///< no arguments: the usage text was printed
inline constexpr int errorReported = -2;   ///< the run stopped at an error it reported
inline constexpr int inputNotOpened = -3;
}  // namespace exitStatus

/// Runs Vastor on a command line (the program name first, then the switches,
/// then the specification file) and returns one of the exit statuses above.
/// Every message goes to errors.
int runVastor(const std::vector<std::string>& arguments, std::ostream& errors);

}  // namespace vastor
