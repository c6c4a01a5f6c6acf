#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lsp {

/// How a program run ended.
struct ProgramRun {
    bool started = false;
    bool timedOut = false;  ///< killed at the time-out or when told to stop
    int exitCode = -1;
    std::string output;   ///< standard output and standard error together, cut at maxOutput
    std::string failure;  ///< why it did not start
};

/// Runs a program (command[0], looked up on PATH when it names no folder)
/// with the other arguments, in workingDirectory, with no input; waits at
/// most `timeout`, then kills it. It is killed as well as soon as `stop` is
/// set, from any thread.
ProgramRun runProgram(const std::vector<std::string>& command, const std::string& workingDirectory,
                      std::chrono::milliseconds timeout, const std::atomic<bool>* stop = nullptr,
                      std::size_t maxOutput = std::size_t{1} << 22);

/// The path of an executable found on PATH (with ".exe" on Windows), or of
/// name itself when it names a folder and exists; empty when there is none.
std::string findProgram(const std::string& name);

/// The folder that holds this program.
std::string programDirectory();

}  // namespace lsp
