#pragma once

#include <ostream>

namespace vastor {

/// Writes Vastor's usage text on the given stream.
void printUsage(std::ostream& out);

}  // namespace vastor
