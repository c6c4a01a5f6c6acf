#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace perlan {

/// Perlan's exit statuses.
namespace exitStatus {
inline constexpr int success = 0;
inline constexpr int badCommandLine = -1;  ///< the usage text was printed
inline constexpr int errorReported = -2;   ///< an error while running, or an output that is the input
inline constexpr int inputNotOpened = -3;
inline constexpr int outputNotOpened = -4;
}  // namespace exitStatus

/// Runs Perlan on a command line (the program name first, then the input file
/// and an optional output file) and returns one of the exit statuses above.
/// Every message goes to errors.
int runPerlan(const std::vector<std::string>& arguments, std::ostream& errors);

/// The output name for an input given alone: "x.yt" becomes "x.y", any other
/// name gets ".y" appended.
std::string deriveOutputName(const std::string& inputName);

}  // namespace perlan
