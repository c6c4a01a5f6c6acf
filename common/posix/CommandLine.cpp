#include "common/CommandLine.h"

namespace common {

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

// POSIX streams never translate line ends.
void useBinaryStandardStreams() {}

}  // namespace common
