// Builds a grammar of about 50 MB in a temporary directory, runs Perlan and
// cat on it a few times each (output to a new file in the same directory),
// and prints both throughputs by wall clock and by CPU time, their ratios and
// Perlan's peak resident memory. The best run of each counts, so that other
// load on the machine disturbs the figures as little as possible.
//
// usage: perlan_benchmark [megabytes] [runs] [path-to-Perlan]

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct RunResult {
    double seconds = 0;     // wall clock
    double cpuSeconds = 0;  // user and system time of the child
    long peakKilobytes = 0;
    int status = -1;
};

// One rule with a few actions: literals with escapes and quotes, comments of
// both kinds, nested braces and a typechecking block spanning lines.
std::string rule(long index) {
    std::string n = std::to_string(index);
    return "expr" + n + "\n"
           "    : expr" + n + " '+' term" + n + "   /* addition, \"quoted\" and '{' */\n"
           "      {\n"
           "        Type left = $1.type; // the left operand's type {\n"
           "        String text = \"sum of \\\"\" + $1.text + \"\\\" and '}' \" + " + n + ";\n"
           "        /*< left.check(\"+\", $3.type); if (left.isNumeric()) { $$.type = left; } >*/\n"
           "        if (text.length() > 0) { $$.text = text; } else { $$.text = \"\"; }\n"
           "      }\n"
           "    | term" + n + " ';' { $$ = $1; /*<>*/ char c = '\\''; /* plain comment */ }\n"
           "    | '(' expr" + n + " ')'\n"
           "      { /*< $$.type = $2.type.promote(\n"
           "              TypeFactory.get(\"int\")); >*/ $$.text = \"(\" + $2.text + \")\"; }\n"
           "    ;\n\n";
}

std::string trailerLine(long index) {
    return "    private static final String MESSAGE_" + std::to_string(index) +
           " = \"{ unbalanced braces, %% markers and /* comment openers are ignored here\";\n";
}

void buildGrammar(const fs::path& path, std::size_t targetBytes) {
    std::ofstream out(path, std::ios::binary);
    out << "%{\nimport java.util.*;\n// preamble with a %} in a comment\n%}\n"
           "%token NUM ID\n%left '+' '-'\n%%\n";
    std::size_t written = 0;
    const std::size_t rulesBytes = targetBytes / 5 * 4;
    long index = 0;
    std::string chunk;
    while (written < rulesBytes) {
        chunk.clear();
        for (int i = 0; i < 100; ++i) chunk += rule(index++);
        out << chunk;
        written += chunk.size();
    }
    out << "%%\nclass Trailer {\n";
    while (written < targetBytes) {
        chunk.clear();
        for (int i = 0; i < 1000; ++i) chunk += trailerLine(index++);
        out << chunk;
        written += chunk.size();
    }
    out << "}\n";
}

// Runs `argv` with standard output sent to `stdoutPath` (or inherited when empty).
RunResult run(const std::vector<std::string>& argv, const std::string& stdoutPath) {
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        if (!stdoutPath.empty()) {
            int fd = open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0) _exit(127);
            close(fd);
        }
        std::vector<char*> args;
        for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    RunResult result;
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) < 0) return result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    auto toSeconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    result.cpuSeconds = toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
    result.peakKilobytes = usage.ru_maxrss;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 50;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const std::string perlan = argc > 3 ? argv[3] : PERLAN_PATH;

    std::string pattern = (fs::temp_directory_path() / "perlan-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::cerr << "cannot make a temporary directory\n";
        return 1;
    }
    const fs::path dir = pattern;
    const fs::path grammar = dir / "big.yt";
    buildGrammar(grammar, megabytes << 20);
    const double bytes = static_cast<double>(fs::file_size(grammar));

    run({"cat", grammar.string()}, (dir / "warm.out").string());  // bring the input into the page cache
    double bestPerlan = 1e30, bestCat = 1e30, bestPerlanCpu = 1e30, bestCatCpu = 1e30;
    long peakKilobytes = 0;
    for (int i = 0; i < runs; ++i) {
        fs::remove(dir / "big.y");
        fs::remove(dir / "cat.out");
        RunResult p = run({perlan, grammar.string(), (dir / "big.y").string()}, "");
        if (p.status != 0) {
            std::cerr << "Perlan failed with status " << p.status << "\n";
            fs::remove_all(dir);
            return 1;
        }
        bestPerlan = std::min(bestPerlan, p.seconds);
        bestPerlanCpu = std::min(bestPerlanCpu, p.cpuSeconds);
        peakKilobytes = std::max(peakKilobytes, p.peakKilobytes);
        RunResult c = run({"cat", grammar.string()}, (dir / "cat.out").string());
        bestCat = std::min(bestCat, c.seconds);
        bestCatCpu = std::min(bestCatCpu, c.cpuSeconds);
    }
    const double outputBytes = static_cast<double>(fs::file_size(dir / "big.y"));
    fs::remove_all(dir);

    const double gigabyte = 1e9;
    std::printf("input            %.1f MB (output %.1f MB), best of %d runs\n", bytes / 1e6,
                outputBytes / 1e6, runs);
    std::printf("                 wall clock          CPU time\n");
    std::printf("Perlan           %.3f s %5.2f GB/s  %.3f s %5.2f GB/s\n", bestPerlan,
                bytes / bestPerlan / gigabyte, bestPerlanCpu, bytes / bestPerlanCpu / gigabyte);
    std::printf("cat              %.3f s %5.2f GB/s  %.3f s %5.2f GB/s\n", bestCat,
                bytes / bestCat / gigabyte, bestCatCpu, bytes / bestCatCpu / gigabyte);
    std::printf("Perlan / cat     %.2f                %.2f\n", bestCat / bestPerlan,
                bestCatCpu / bestPerlanCpu);
    std::printf("Perlan peak RSS  %.2f MB\n", static_cast<double>(peakKilobytes) / 1024);
    return 0;
}
