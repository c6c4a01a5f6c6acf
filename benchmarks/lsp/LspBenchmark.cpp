// Starts the language server, opens a generated specification of about 5,000
// lines and a generated grammar of about 1 MB, and changes each of them many
// times, one change at a time, at their last method body or action (so that
// every check reads the whole text). For each change it takes the time from
// writing the change to reading the diagnostics of its version, and prints
// the median and the worst of them against the target of 20 ms; also the time
// of the first diagnostics after opening.
//
// usage: lsp_benchmark [changes] [path-to-typetools-lsp]

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "SpecificationGenerator.h"

extern char** environ;

namespace {

using Json = nlohmann::json;
using Clock = std::chrono::steady_clock;

constexpr double targetMilliseconds = 20;

class Server {
public:
    explicit Server(const std::string& program) {
        int input[2], output[2], errors = open("/dev/null", O_WRONLY);
        if (pipe(input) != 0 || pipe(output) != 0) throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], 0);
        posix_spawn_file_actions_adddup2(&actions, output[1], 1);
        posix_spawn_file_actions_adddup2(&actions, errors, 2);
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) != 0)
            throw std::runtime_error("cannot start " + program);
        close(input[0]);
        close(output[1]);
        close(errors);
        in_ = input[1];
        out_ = output[0];
    }
    ~Server() {
        close(in_);
        close(out_);
        waitpid(pid_, nullptr, 0);
    }

    void send(const Json& message) {
        const std::string body = message.dump();
        const std::string framed = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
        for (std::size_t at = 0; at < framed.size();) {
            const ssize_t count = write(in_, framed.data() + at, framed.size() - at);
            if (count <= 0) throw std::runtime_error("the server's input is closed");
            at += static_cast<std::size_t>(count);
        }
    }

    Json receive() {
        for (;;) {
            const std::size_t end = buffer_.find("\r\n\r\n");
            if (end != std::string::npos) {
                const std::size_t length = std::stoul(buffer_.substr(buffer_.find(':') + 1, end));
                if (buffer_.size() >= end + 4 + length) {
                    Json message = Json::parse(buffer_.substr(end + 4, length));
                    buffer_.erase(0, end + 4 + length);
                    return message;
                }
            }
            char chunk[1 << 16];
            const ssize_t count = read(out_, chunk, sizeof chunk);
            if (count <= 0) throw std::runtime_error("the server's output ended");
            buffer_.append(chunk, static_cast<std::size_t>(count));
        }
    }

    // Reads until the diagnostics of a version of a document come.
    Json diagnostics(const std::string& uri, long version) {
        for (;;) {
            Json message = receive();
            if (message.value("method", "") == "textDocument/publishDiagnostics" && message["params"]["uri"] == uri &&
                message["params"].value("version", -1L) == version)
                return message;
        }
    }

private:
    pid_t pid_ = 0;
    int in_ = -1, out_ = -1;
    std::string buffer_;
};

std::string grammar(std::size_t bytes) {
    std::string text = "%{\nimport java.util.List;\n%}\n%token NUMBER NAME\n%%\n";
    for (long n = 0; text.size() < bytes; ++n) {
        const std::string i = std::to_string(n);
        text += "expr" + i + "\n    : expr" + i + " '+' term" + i + "   /* addition, \"quoted\" and '{' */\n" +
                "      {\n        Type left = $1.type; // the left operand's type {\n" +
                "        /*< left.check(\"+\", $3.type); if (left.isNumeric()) { $$.type = left; } >*/\n" +
                "        $$.text = \"sum of \" + $1.text + \" and '}' \";\n      }\n" + "    | term" + i +
                " { $$ = $1; /*<>*/ char c = '\\''; }\n    ;\n\n";
    }
    return text + "%%\nclass Trailer { }\n";
}

struct Figures {
    double open;
    std::vector<double> changes;
};

double milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Opens the text and changes it `count` times just before `anchor`, its last
// occurrence: a blank in, a blank out.
Figures measure(Server& server, const std::string& uri, const char* language, const std::string& text,
                const std::string& anchor, int count) {
    Figures figures{};
    auto start = Clock::now();
    server.send(
        {{"jsonrpc", "2.0"},
         {"method", "textDocument/didOpen"},
         {"params", {{"textDocument", {{"uri", uri}, {"languageId", language}, {"version", 1}, {"text", text}}}}}});
    server.diagnostics(uri, 1);
    figures.open = milliseconds(Clock::now() - start);
    const std::size_t at = text.rfind(anchor);
    const long line = static_cast<long>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
    const long character = static_cast<long>(at - text.rfind('\n', at) - 1);
    for (int version = 2; version < count + 2; ++version) {
        const bool insert = version % 2 == 0;
        const Json range = {{"start", {{"line", line}, {"character", character}}},
                            {"end", {{"line", line}, {"character", character + (insert ? 0 : 1)}}}};
        start = Clock::now();
        server.send({{"jsonrpc", "2.0"},
                     {"method", "textDocument/didChange"},
                     {"params",
                      {{"textDocument", {{"uri", uri}, {"version", version}}},
                       {"contentChanges", Json::array({{{"range", range}, {"text", insert ? " " : ""}}})}}}});
        server.diagnostics(uri, version);
        figures.changes.push_back(milliseconds(Clock::now() - start));
    }
    return figures;
}

void report(const char* what, const std::string& text, const Figures& figures) {
    std::vector<double> sorted = figures.changes;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2], worst = sorted.back();
    const long lines = static_cast<long>(std::count(text.begin(), text.end(), '\n'));
    std::printf("%s: %ld lines, %.0f KB\n", what, lines, text.size() / 1024.0);
    std::printf("  first diagnostics after opening: %.1f ms\n", figures.open);
    std::printf("  diagnostics after a change (%zu changes): median %.1f ms, worst %.1f ms\n", sorted.size(), median,
                worst);
    std::printf("  against the target of %.0f ms: median %s, worst %s\n", targetMilliseconds,
                median <= targetMilliseconds ? "within" : "OVER", worst <= targetMilliseconds ? "within" : "OVER");
}

}  // namespace

int main(int argc, char** argv) {
    const int changes = argc > 1 ? std::max(2, std::atoi(argv[1])) : 200;
    const std::string program = argc > 2 ? argv[2] : LSP_SERVER_PATH;
    try {
        // The fewest classes that make 5,000 lines.
        std::string specification;
        for (long classes = 10; std::count(specification.begin(), specification.end(), '\n') < 5000; classes += 2) {
            std::ostringstream out;
            writeSpecification(out, classes);
            specification = out.str();
        }
        const std::string grammarText = grammar(1 << 20);

        Server server(program);
        server.send(
            {{"jsonrpc", "2.0"},
             {"id", 1},
             {"method", "initialize"},
             {"params", {{"capabilities", Json::object()}, {"initializationOptions", {{"checkOnSave", false}}}}}});
        server.receive();
        const Figures spec = measure(server, "file:///bench/types.spec", "vastor", specification, "return", changes);
        const Figures gram = measure(server, "file:///bench/grammar.yt", "perlan", grammarText, "char c", changes);
        report("specification", specification, spec);
        report("grammar", grammarText, gram);
        server.send({{"jsonrpc", "2.0"}, {"id", 2}, {"method", "shutdown"}});
        server.receive();
        server.send({{"jsonrpc", "2.0"}, {"method", "exit"}});
    } catch (const std::exception& error) {
        std::cerr << "lsp_benchmark: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
