#pragma once

#include <ostream>

/// Writes Vastor's usage text on the given stream.
void printUsage(std::ostream& out);
