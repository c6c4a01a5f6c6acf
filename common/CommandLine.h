#pragma once

#include <string>
#include <vector>

namespace common {

/// The program's arguments, its own name first, as the user typed them. On
/// Windows they are read from the UTF-16 command line and given in UTF-8, so
/// that a name such as gramática.yt survives whatever the console's code
/// page; elsewhere they are argv's bytes unchanged.
std::vector<std::string> commandLineArguments(int argc, char** argv);

/// Makes the standard streams binary: no line end is ever translated, so a
/// message ends with "\n" on every system.
void useBinaryStandardStreams();

/// The exit status a shell sees for `status`: its lowest byte, so that -1 to
/// -4 are 255 to 252 on every system.
constexpr int shellExitStatus(int status) { return status & 0xFF; }

}  // namespace common
