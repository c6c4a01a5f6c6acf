#include "common/CommandLine.h"

// windows.h first: the other system headers build on its declarations.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "common/windows/Utf16.h"

namespace common {

// argv holds the arguments in the console's code page, where any letter
// outside it is already lost: read the UTF-16 command line instead.
std::vector<std::string> commandLineArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) arguments.push_back(windows::toUtf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

// Text mode would write "\r\n" for every "\n" of a message.
void useBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace common
