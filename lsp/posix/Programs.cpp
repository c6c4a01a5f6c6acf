#include "lsp/Programs.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace lsp {

namespace {

bool isExecutable(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

ProgramRun runProgram(const std::vector<std::string>& command, const std::string& workingDirectory,
                      std::chrono::milliseconds timeout, const std::atomic<bool>* stop, std::size_t maxOutput) {
    ProgramRun run;
    if (command.empty()) {
        run.failure = "no program named";
        return run;
    }
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        run.failure = std::string("pipe: ") + std::strerror(errno);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], 2);
    if (!workingDirectory.empty()) posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
    std::vector<char*> arguments;
    for (const std::string& argument : command) arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    pid_t child = 0;
    const int spawned = ::posix_spawnp(&child, arguments[0], &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    if (spawned != 0) {
        ::close(pipe[0]);
        run.failure = command[0] + ": " + std::strerror(spawned);
        return run;
    }
    run.started = true;

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const auto mustEnd = [&] { return std::chrono::steady_clock::now() >= deadline || (stop && stop->load()); };
    char buffer[65536];
    for (;;) {
        if (mustEnd()) {
            run.timedOut = true;
            ::kill(child, SIGKILL);
            break;
        }
        // A tenth of a second at most, to see a stop in time.
        pollfd ready{pipe[0], POLLIN, 0};
        const int polled = ::poll(&ready, 1, 100);
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) continue;
        const ssize_t count = ::read(pipe[0], buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;
        const std::size_t room = maxOutput - std::min(maxOutput, run.output.size());
        run.output.append(buffer, std::min(room, static_cast<std::size_t>(count)));
    }
    ::close(pipe[0]);
    // A program may close its output and go on: it gets until the deadline.
    int status = 0;
    for (;;) {
        const pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child || (ended < 0 && errno != EINTR)) break;
        if (mustEnd()) {
            run.timedOut = true;
            ::kill(child, SIGKILL);
            while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
            break;
        }
        ::usleep(5000);
    }
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    return run;
}

std::string findProgram(const std::string& name) {
    if (name.empty()) return {};
    if (name.find('/') != std::string::npos) return isExecutable(name) ? name : std::string();
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "/usr/bin:/bin";
    while (!folders.empty()) {
        const std::size_t colon = folders.find(':');
        const std::string_view folder = colon == 0 ? std::string_view(".") : folders.substr(0, colon);
        folders.remove_prefix(colon == std::string_view::npos ? folders.size() : colon + 1);
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on folder + '/' + name.
        std::string candidate(folder);
        candidate += '/';
        candidate += name;
        if (isExecutable(candidate)) return candidate;
    }
    return {};
}

std::string programDirectory() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return {};
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/'));
}

}  // namespace lsp
