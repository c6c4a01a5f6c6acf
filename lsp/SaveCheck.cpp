#include "lsp/SaveCheck.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/FileNames.h"
#include "lsp/Programs.h"
#include "lsp/SourceMap.h"
#include "lsp/ToolText.h"

namespace fs = std::filesystem;

namespace lsp {

namespace {

constexpr std::chrono::minutes programTimeout{2};

// A folder of its own below the system's temporary folder, removed with it.
class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<unsigned> counter{0};
        std::error_code error;
        const fs::path base = fs::temp_directory_path(error);
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
            fs::path candidate = base / ("typetools-lsp-" + std::to_string(stamp) + "-" + std::to_string(counter++));
            if (fs::create_directory(candidate, error)) path_ = std::move(candidate);
        }
    }
    ~ScratchFolder() {
        std::error_code error;
        if (!path_.empty()) fs::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool ready() const { return !path_.empty(); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

bool writeFile(const fs::path& path, std::string_view text) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return !out.fail();
}

std::string pathText(const fs::path& path) {
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> result;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        result.push_back(line);
        text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
    }
    return result;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// Whether a path names a file Type.java, in any folder.
bool isTypeJava(std::string_view path) {
    if (path.size() < 9 || path.substr(path.size() - 9) != "Type.java") return false;
    return path.size() == 9 || path[path.size() - 10] == '/' || path[path.size() - 10] == '\\';
}

long parseNumber(std::string_view digits) {
    long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9' || value > 100000000) return -1;
        value = value * 10 + (c - '0');
    }
    return digits.empty() ? -1 : value;
}

// The line of the first "%%" of a grammar: where messages about the whole grammar go.
long rulesLine(std::string_view grammar) {
    const std::size_t marker = grammar.find("%%");
    if (marker == std::string_view::npos) return 1;
    return 1 + static_cast<long>(std::count(grammar.begin(), grammar.begin() + static_cast<long>(marker), '\n'));
}

// The line of the first use of a name, as a whole word, after the first "%%".
long lineOfName(std::string_view grammar, std::string_view name) {
    const auto inName = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
    };
    std::size_t from = grammar.find("%%");
    if (from == std::string_view::npos || name.empty()) return 0;
    for (std::size_t at = grammar.find(name, from); at != std::string_view::npos; at = grammar.find(name, at + 1)) {
        const bool startsWord = at == 0 || !inName(grammar[at - 1]);
        const bool endsWord = at + name.size() == grammar.size() || !inName(grammar[at + name.size()]);
        if (startsWord && endsWord)
            return 1 + static_cast<long>(std::count(grammar.begin(), grammar.begin() + static_cast<long>(at), '\n'));
    }
    return 0;
}

}  // namespace

std::vector<LineMessage> javacMessages(std::string_view output, const SourceMap& map) {
    std::vector<LineMessage> messages;
    // After each message javac quotes the line and marks the column, then
    // gives details such as "  symbol:   method f()".
    enum class Next { quote, caret, details, none } next = Next::none;
    for (std::string_view line : lines(output)) {
        // <file>.java:<line>: error|warning: <message>
        const std::size_t java = line.find(".java:");
        if (java != std::string_view::npos) {
            const std::size_t digits = java + 6;
            const std::size_t colon = line.find(": ", digits);
            const long number = colon == std::string_view::npos ? -1 : parseNumber(line.substr(digits, colon - digits));
            std::string_view rest = colon == std::string_view::npos ? std::string_view() : line.substr(colon + 2);
            const bool error = startsWith(rest, "error: ");
            if (number > 0 && (error || startsWith(rest, "warning: "))) {
                rest.remove_prefix(error ? 7 : 9);
                const std::string_view file = line.substr(0, java + 5);
                LineMessage message{0, error ? Severity::error : Severity::warning, "javac", toolTextToUtf8(rest)};
                if (isTypeJava(file)) {
                    message.line = map.sourceLine(number);
                } else {
                    const std::size_t slash = file.find_last_of("/\\");
                    message.message = toolTextToUtf8(file.substr(slash == std::string_view::npos ? 0 : slash + 1)) +
                                      ':' + std::to_string(number) + ": " + message.message;
                }
                messages.push_back(std::move(message));
                next = Next::quote;
                continue;
            }
        }
        if (next == Next::quote || next == Next::caret) {
            next = next == Next::quote ? Next::caret : Next::details;
            continue;
        }
        if (next != Next::details) continue;
        const std::size_t colon = line.find(':');
        const std::size_t word = line.find_first_not_of(' ');
        if (startsWith(line, "  ") && word != std::string_view::npos && colon != std::string_view::npos &&
            line[word] >= 'a' && line[word] <= 'z' &&
            line.substr(word, colon - word).find(' ') == std::string_view::npos) {
            std::string_view value = line.substr(colon + 1);
            value.remove_prefix(std::min(value.size(), value.find_first_not_of(' ')));
            messages.back().message +=
                '\n' + toolTextToUtf8(line.substr(word, colon + 1 - word)) + ' ' + toolTextToUtf8(value);
        } else {
            next = Next::none;
        }
    }
    return messages;
}

std::vector<LineMessage> byaccjMessages(std::string_view output, std::string_view grammar) {
    std::vector<LineMessage> messages;
    for (std::string_view line : lines(output)) {
        // "byaccj: e - ...", the program named as it was started.
        constexpr std::string_view program = "byaccj: ";
        const std::size_t named = line.find(program);
        if (named == std::string_view::npos || line.substr(0, named).find(' ') != std::string_view::npos) continue;
        line.remove_prefix(named + program.size());
        LineMessage message{0, Severity::warning, "byaccj", {}};
        if (startsWith(line, "e - ") || startsWith(line, "f - ")) {
            message.severity = Severity::error;
            line.remove_prefix(4);
        } else if (startsWith(line, "w - ")) {
            line.remove_prefix(4);
        }
        // "line 12 of \"g.y\", unterminated action"
        if (startsWith(line, "line ")) {
            const std::size_t of = line.find(" of ");
            const long number = of == std::string_view::npos ? -1 : parseNumber(line.substr(5, of - 5));
            const std::size_t comma = line.find("\", ");
            if (number > 0 && comma != std::string_view::npos) {
                message.line = number;
                line.remove_prefix(comma + 3);
            }
        } else if (startsWith(line, "the symbol ")) {
            std::string_view name = line.substr(11);
            name = name.substr(0, name.find(' '));
            message.line = lineOfName(grammar, name);
        }
        if (message.line == 0) message.line = rulesLine(grammar);
        message.message = toolTextToUtf8(line);
        messages.push_back(std::move(message));
    }
    return messages;
}

SaveCheckResult runSaveCheck(const SaveCheckJob& job, const std::atomic<bool>* stop) {
    SaveCheckResult result{job.uri, job.version, {}, {}};
    ScratchFolder scratch;
    if (!scratch.ready()) {
        result.log = "check on save: no temporary folder could be made";
        return result;
    }
    const fs::path& folder = scratch.path();
    ProgramRun run;
    if (job.language == Language::specification) {
        const fs::path typeJava = folder / "Type.java";
        const fs::path sources = folder / "src";
        const fs::path typeException =
            sources / "es" / "corvena" / "dmq" / "typeChecking" / "errorHandling" / "TypeException.java";
        if (!writeFile(typeJava, job.generated) || !writeFile(typeException, job.typeException)) {
            result.log = "check on save: cannot write into " + pathText(folder);
            return result;
        }
#ifdef _WIN32
        const char separator = ';';
#else
        const char separator = ':';
#endif
        run = runProgram(
            {job.program, "-d", pathText(folder / "classes"), "-encoding", "UTF-8", "-proc:none", "-implicit:class",
             "-Xlint:none", "-nowarn", "-sourcepath", pathText(sources) + separator + job.apiSources,
             "-J-XX:TieredStopAtLevel=1", pathText(typeJava)},
            pathText(folder), programTimeout, stop);
        result.messages = javacMessages(run.output, SourceMap(job.lineMap));
    } else {
        if (!writeFile(folder / "grammar.y", job.generated)) {
            result.log = "check on save: cannot write into " + pathText(folder);
            return result;
        }
        run = runProgram({job.program, "-J", "grammar.y"}, pathText(folder), programTimeout, stop);
        result.messages = byaccjMessages(run.output, job.grammarText);
    }
    if (!run.started)
        result.log = "check on save: " + run.failure;
    else if (run.timedOut)
        result.log = "check on save: " + job.program + " was stopped (after two minutes, or at exit)";
    else if (run.exitCode != 0 && result.messages.empty())
        result.log = "check on save: " + job.program + " failed with status " + std::to_string(run.exitCode) + ": " +
                     toolTextToUtf8(run.output.substr(0, 2000));
    return result;
}

}  // namespace lsp
