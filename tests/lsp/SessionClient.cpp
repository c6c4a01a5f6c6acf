// A scripted client of the language server: starts the server with pipes for
// its standard input and output, plays one session file and compares every
// message the server sends with the one the session expects, as JSON values.
//
//   SessionClient [--record] <session> <samples folder> <API sources> <server program> [argument...]
//
// A session file holds, one per line (a JSON value may go on over the lines
// that follow):
//   > <message>     sent to the server
//   < <message>     the next message from the server, exactly
//   = exit <n>      the server ends with status n
//   = close         the client closes the server's input
//   # ...           a comment
// In messages, $TEXT(name) stands for the text of a file of the samples
// folder (else of the session's folder) as a JSON string, $URI(name) for a
// made-up file URI of that name, $API for the folder of the API sources.
// The server's log messages (window/logMessage) are passed over. With
// --record, a step "< ?" takes whatever message comes, and the session is
// printed with those messages in place: the way to write a new session's
// expectations, to be checked by eye.
//
// Built for the build machine, even in a cross build: there the server
// program is the launcher that runs the Windows server under Wine.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Json = nlohmann::json;

constexpr int timeoutMilliseconds = 60000;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Step {
    char kind;  // '>', '<', '=', or '#' for a comment or blank line
    std::string text;
    int line;
};

class Server {
public:
    explicit Server(const std::vector<std::string>& command) {
        int input[2], output[2];
        if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], 0);
        posix_spawn_file_actions_adddup2(&actions, output[1], 1);
        std::vector<char*> arguments;
        for (const std::string& argument : command) arguments.push_back(const_cast<char*>(argument.c_str()));
        arguments.push_back(nullptr);
        if (posix_spawnp(&pid_, arguments[0], &actions, nullptr, arguments.data(), environ) != 0)
            throw std::runtime_error("cannot start " + command[0]);
        posix_spawn_file_actions_destroy(&actions);
        close(input[0]);
        close(output[1]);
        in_ = input[1];
        out_ = output[0];
    }

    ~Server() {
        closeInput();
        if (out_ >= 0) close(out_);
        if (pid_ > 0 && !waited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    void send(const std::string& body) {
        const std::string message = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
        std::string_view rest = message;
        while (!rest.empty()) {
            const ssize_t count = write(in_, rest.data(), rest.size());
            if (count <= 0) throw std::runtime_error("the server's input is closed");
            rest.remove_prefix(static_cast<std::size_t>(count));
        }
    }

    void closeInput() {
        if (in_ >= 0) close(in_);
        in_ = -1;
    }

    // The next message, or nothing when the server's output ends or times out.
    std::optional<Json> receive() {
        for (;;) {
            const std::size_t headerEnd = buffer_.find("\r\n\r\n");
            if (headerEnd != std::string::npos) {
                const std::size_t field = buffer_.find("Content-Length:");
                if (field == std::string::npos || field > headerEnd)
                    throw std::runtime_error("a header without length");
                const std::size_t length = std::stoul(buffer_.substr(field + 15, headerEnd - field - 15));
                if (buffer_.size() >= headerEnd + 4 + length) {
                    Json message = Json::parse(buffer_.substr(headerEnd + 4, length));
                    buffer_.erase(0, headerEnd + 4 + length);
                    return message;
                }
            }
            if (!fill()) return std::nullopt;
        }
    }

    int wait() {
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) return -1;
            usleep(10000);
        }
        waited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    bool fill() {
        pollfd ready{out_, POLLIN, 0};
        if (poll(&ready, 1, timeoutMilliseconds) <= 0) return false;
        char chunk[65536];
        const ssize_t count = read(out_, chunk, sizeof chunk);
        if (count <= 0) return false;
        buffer_.append(chunk, static_cast<std::size_t>(count));
        return true;
    }

    pid_t pid_ = 0;
    int in_ = -1;
    int out_ = -1;
    bool waited_ = false;
    std::string buffer_;
};

std::vector<Step> readSession(const std::string& path) {
    std::vector<Step> steps;
    std::istringstream lines(readFile(path));
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (line.empty() || line[0] == '#') {
            steps.push_back({'#', line, number});
            continue;
        }
        if (line.size() >= 2 && (line[0] == '>' || line[0] == '<' || line[0] == '=') && line[1] == ' ')
            steps.push_back({line[0], line.substr(2), number});
        else if (!steps.empty() && steps.back().kind != '=' && steps.back().kind != '#')
            steps.back().text += "\n" + line;
        else
            throw std::runtime_error(path + ":" + std::to_string(number) + ": not a step");
    }
    return steps;
}

// Replaces the session's macros in a message.
std::string expand(std::string text, const std::string& samples, const std::string& sessionFolder,
                   const std::string& api) {
    for (std::size_t at = text.find('$'); at != std::string::npos; at = text.find('$', at)) {
        std::string replacement;
        std::size_t length = 0;
        if (text.compare(at, 4, "$API") == 0) {
            replacement = Json(api).dump();
            length = 4;
        } else if (text.compare(at, 6, "$TEXT(") == 0 || text.compare(at, 5, "$URI(") == 0) {
            const bool isText = text[at + 1] == 'T';
            const std::size_t open = text.find('(', at), close = text.find(')', at);
            const std::string name = text.substr(open + 1, close - open - 1);
            length = close + 1 - at;
            if (isText) {
                std::ifstream sample(samples + "/" + name, std::ios::binary);
                replacement = Json(readFile(sample ? samples + "/" + name : sessionFolder + "/" + name)).dump();
            } else {
                replacement = Json("file:///samples/" + name).dump();
            }
        } else {
            ++at;
            continue;
        }
        text.replace(at, length, replacement);
        at += replacement.size();
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const bool record = argc > 1 && std::string(argv[1]) == "--record";
    if (record) {
        --argc;
        ++argv;
    }
    if (argc < 5) {
        std::cerr
            << "usage: SessionClient [--record] <session> <samples folder> <API sources> <server> [argument...]\n";
        return 2;
    }
    signal(SIGPIPE, SIG_IGN);
    const std::string session = argv[1], samples = argv[2], api = argv[3];
    const std::string sessionFolder = session.substr(0, session.find_last_of('/'));
    try {
        const std::vector<Step> steps = readSession(session);
        Server server(std::vector<std::string>(argv + 4, argv + argc));
        int failures = 0;
        for (const Step& step : steps) {
            const std::string where = session + ":" + std::to_string(step.line) + ": ";
            if (step.kind == '#') {
                if (record) std::cout << step.text << "\n";
                continue;
            }
            if (record) std::cout << step.kind << ' ' << (step.kind == '<' && step.text == "?" ? "" : step.text);
            if (record && step.kind == '<' && step.text == "?") {
                std::optional<Json> actual;
                do actual = server.receive();
                while (actual && actual->value("method", "") == "window/logMessage");
                std::cout << (actual ? actual->dump() : "(nothing came)") << "\n";
                continue;
            }
            if (record) std::cout << "\n";
            if (step.kind == '>') {
                const Json message = Json::parse(expand(step.text, samples, sessionFolder, api));
                server.send(message.dump());
            } else if (step.kind == '<') {
                const Json expected = Json::parse(expand(step.text, samples, sessionFolder, api));
                std::optional<Json> actual;
                do actual = server.receive();
                while (actual && actual->value("method", "") == "window/logMessage");
                if (!actual) {
                    std::cerr << where << "no message came; expected\n" << expected.dump(2) << "\n";
                    return 1;
                }
                if (*actual != expected) {
                    std::cerr << where << "expected\n"
                              << expected.dump(2) << "\nbut the server sent\n"
                              << actual->dump(2) << "\n";
                    ++failures;
                }
            } else if (step.text == "close") {
                server.closeInput();
            } else if (step.text.rfind("exit ", 0) == 0) {
                const int status = server.wait();
                if (status != std::stoi(step.text.substr(5))) {
                    std::cerr << where << "the server ended with status " << status << "\n";
                    ++failures;
                }
            } else {
                throw std::runtime_error(where + "unknown step " + step.text);
            }
        }
        if (failures > 0) return 1;
        if (record) return 0;
        const auto played =
            std::count_if(steps.begin(), steps.end(), [](const Step& step) { return step.kind != '#'; });
        std::cout << session.substr(session.find_last_of('/') + 1) << ": " << played << " steps as expected\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << session << ": " << error.what() << "\n";
        return 1;
    }
}
