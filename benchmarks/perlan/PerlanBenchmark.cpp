// Builds grammars of about 50 MB in two shapes in a temporary directory, runs
// Perlan and cat on each several times, one right after the other (output to
// a new file in the same directory), and prints for each shape the
// throughputs by wall clock and by CPU time, Perlan's throughput as a share of
// cat's (median and spread of the runs, each run against the cat run next to
// it) against the target of one half, and Perlan's peak resident memory
// against the bound of 8 MB.
//
// Shapes: "mixed", a few rules with several actions, long lines and a long
// trailer; "dense", short rules, every action holding a string literal, a
// character literal, a comment and a typechecking block.
//
// usage: perlan_benchmark [megabytes] [runs] [path-to-Perlan]
//        perlan_benchmark --grammar <megabytes> <file> [dense]   (only writes one, for profiling)

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
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

constexpr double targetShareOfCat = 0.5;
constexpr double peakBoundMegabytes = 8;

struct RunResult {
    double seconds = 0;     // wall clock
    double cpuSeconds = 0;  // user and system time of the child
    long peakKilobytes = 0;
    int status = -1;
};

// clang-format off
// One rule with a few actions: literals with escapes and quotes, comments of
// both kinds, nested braces and a typechecking block spanning lines.
std::string mixedRule(long index) {
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

// Short alternatives, each action with all four kinds of unit the scanner
// must look into: the most stops per byte a realistic grammar has.
std::string denseRule(long index) {
    std::string n = std::to_string(index);
    return "e" + n + " : e" + n + " '+' t { $$ = \"+\"; char c = '+'; /* add */ /*< check($1, $3); >*/ }\n"
           "   | t { $$ = \"t\" + $1; char c = 't'; /* term */ /*< $$.type = $1.type; >*/ }\n"
           "   ;\n";
}
// clang-format on

std::string trailerLine(long index) {
    return "    private static final String MESSAGE_" + std::to_string(index) +
           " = \"{ unbalanced braces, %% markers and /* comment openers are ignored here\";\n";
}

void buildGrammar(const fs::path& path, std::size_t targetBytes, bool dense) {
    std::ofstream out(path, std::ios::binary);
    out << "%{\nimport java.util.*;\n// preamble with a %} in a comment\n%}\n"
           "%token NUM ID\n%left '+' '-'\n%%\n";
    std::size_t written = 0;
    // The dense shape is rules throughout; the mixed one has a long trailer.
    const std::size_t rulesBytes = dense ? targetBytes : targetBytes / 5 * 4;
    long index = 0;
    std::string chunk;
    while (written < rulesBytes) {
        chunk.clear();
        for (int i = 0; i < 100; ++i) chunk += dense ? denseRule(index++) : mixedRule(index++);
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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Spread {
    double median, low, high;
};

Spread spread(const std::vector<double>& values) {
    return {median(values), *std::min_element(values.begin(), values.end()),
            *std::max_element(values.begin(), values.end())};
}

// Measures one shape; false when Perlan fails.
bool measureShape(const std::string& perlan, const fs::path& dir, const char* shape, bool dense, std::size_t megabytes,
                  int runs) {
    const fs::path grammar = dir / "big.yt";
    buildGrammar(grammar, megabytes << 20, dense);
    const double bytes = static_cast<double>(fs::file_size(grammar));

    run({"cat", grammar.string()}, (dir / "warm.out").string());  // bring the input into the page cache
    std::vector<double> perlanWall, perlanCpu, catWall, catCpu, wallShare, cpuShare;
    long peakKilobytes = 0;
    for (int i = 0; i < runs; ++i) {
        fs::remove(dir / "big.y");
        fs::remove(dir / "cat.out");
        RunResult p = run({perlan, grammar.string(), (dir / "big.y").string()}, "");
        if (p.status != 0) {
            std::cerr << "Perlan failed with status " << p.status << "\n";
            return false;
        }
        RunResult c = run({"cat", grammar.string()}, (dir / "cat.out").string());
        perlanWall.push_back(bytes / p.seconds / 1e9);
        perlanCpu.push_back(bytes / p.cpuSeconds / 1e9);
        catWall.push_back(bytes / c.seconds / 1e9);
        catCpu.push_back(bytes / c.cpuSeconds / 1e9);
        wallShare.push_back(c.seconds / p.seconds);
        cpuShare.push_back(c.cpuSeconds / p.cpuSeconds);
        peakKilobytes = std::max(peakKilobytes, p.peakKilobytes);
    }
    const double outputBytes = static_cast<double>(fs::file_size(dir / "big.y"));

    const auto row = [](const char* name, const std::vector<double>& wall, const std::vector<double>& cpu) {
        const Spread w = spread(wall), c = spread(cpu);
        std::printf("  %-14s %5.2f GB/s (%5.2f-%5.2f)    %5.2f GB/s (%5.2f-%5.2f)\n", name, w.median, w.low, w.high,
                    c.median, c.low, c.high);
    };
    std::printf("%s shape: input %.1f MB (output %.1f MB), %d runs, median (lowest-highest)\n", shape, bytes / 1e6,
                outputBytes / 1e6, runs);
    std::printf("  %-14s %-30s %s\n", "", "wall clock", "CPU time");
    row("Perlan", perlanWall, perlanCpu);
    row("cat", catWall, catCpu);
    const Spread w = spread(wallShare), c = spread(cpuShare);
    std::printf("  %-14s %5.2f      (%5.2f-%5.2f)    %5.2f      (%5.2f-%5.2f)\n", "Perlan / cat", w.median, w.low,
                w.high, c.median, c.low, c.high);
    std::printf("  %-14s %5.2f                       %5.2f               (target >= %.2f: %s)\n", "to target",
                w.median / targetShareOfCat, c.median / targetShareOfCat, targetShareOfCat,
                w.median >= targetShareOfCat ? "met" : "NOT met");
    const double peak = static_cast<double>(peakKilobytes) / 1024;
    std::printf("  %-14s %5.2f MB (bound < %.0f MB: %s)\n\n", "peak RSS", peak, peakBoundMegabytes,
                peak < peakBoundMegabytes ? "met" : "NOT met");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if ((argc == 4 || argc == 5) && std::string(argv[1]) == "--grammar") {
        buildGrammar(argv[3], std::strtoul(argv[2], nullptr, 10) << 20, argc == 5 && std::string(argv[4]) == "dense");
        return fs::exists(argv[3]) ? 0 : 1;
    }
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 50;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    const std::string perlan = argc > 3 ? argv[3] : PERLAN_PATH;

    std::string pattern = (fs::temp_directory_path() / "perlan-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::cerr << "cannot make a temporary directory\n";
        return 1;
    }
    const fs::path dir = pattern;
    const bool ok = measureShape(perlan, dir, "mixed", false, megabytes, runs) &&
                    measureShape(perlan, dir, "dense", true, megabytes, runs);
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
