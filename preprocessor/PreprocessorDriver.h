#pragma once

#include <ostream>
#include <string>

namespace perlan {

/// Runs Perlan on its command line (`argv[0]` the program name, then the input
/// file and an optional output file) and returns its exit status: 0 on
/// success, -1 for a bad command line, -2 for an error while running or an
/// output that is the input, -3 when the input cannot be opened, -4 when the
/// output cannot be opened. Every message goes to `err`.
int runPerlan(int argc, const char* const* argv, std::ostream& err);

/// The output name for an input given alone: "x.yt" becomes "x.y", any other
/// name gets ".y" appended.
std::string deriveOutputName(const std::string& inputName);

}  // namespace perlan
