// Generates specifications of 100, 1,000 and 10,000 classes (about ten
// methods each), runs Vastor on each in a temporary directory a few times and
// prints, for the best run: wall-clock and CPU time, the size of Type.java and
// the rate at which it is produced, Vastor's peak resident memory against the
// size of Type.java, and how the time grows from one size to the next.
//
// usage: vastor_benchmark [runs] [path-to-Vastor]
//        vastor_benchmark --specification <classes> <file>   (only writes one, for profiling)

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

#include "SpecificationGenerator.h"

namespace fs = std::filesystem;

namespace {

struct RunResult {
    double seconds = 0;     // wall clock
    double cpuSeconds = 0;  // user and system time of the child
    long peakKilobytes = 0;
    int status = -1;
};

// Runs argv in directory dir with standard error discarded.
RunResult run(const std::vector<std::string>& argv, const fs::path& dir) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(dir.c_str()) != 0 || !std::freopen("/dev/null", "w", stderr)) _exit(127);
        std::vector<char*> args;
        for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    RunResult result;
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) < 0) return result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto toSeconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    result.cpuSeconds = toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
    result.peakKilobytes = usage.ru_maxrss;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

struct Measurement {
    long classes = 0;
    double specificationBytes = 0;
    double outputBytes = 0;
    RunResult best;  // least wall clock; CPU and memory are the least of all runs
};

bool measure(const std::string& vastor, const fs::path& dir, int runs, Measurement& m) {
    {
        std::ofstream spec(dir / "spec.txt", std::ios::binary);
        writeSpecification(spec, m.classes);
    }
    m.specificationBytes = static_cast<double>(fs::file_size(dir / "spec.txt"));
    m.best.seconds = m.best.cpuSeconds = 1e30;
    m.best.peakKilobytes = 0;
    for (int i = 0; i < runs; ++i) {
        fs::remove(dir / "Type.java");
        const RunResult r = run({vastor, "spec.txt"}, dir);
        if (r.status != 0) {
            std::cerr << "Vastor failed with status " << r.status << " on " << m.classes << " classes\n";
            return false;
        }
        m.best.seconds = std::min(m.best.seconds, r.seconds);
        m.best.cpuSeconds = std::min(m.best.cpuSeconds, r.cpuSeconds);
        if (m.best.peakKilobytes == 0 || r.peakKilobytes < m.best.peakKilobytes) m.best.peakKilobytes = r.peakKilobytes;
    }
    m.outputBytes = static_cast<double>(fs::file_size(dir / "Type.java"));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--specification") {
        std::ofstream spec(argv[3], std::ios::binary);
        writeSpecification(spec, std::atol(argv[2]));
        return spec ? 0 : 1;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string vastor = fs::absolute(argc > 2 ? argv[2] : VASTOR_PATH).string();

    std::string pattern = (fs::temp_directory_path() / "vastor-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::cerr << "cannot make a temporary directory\n";
        return 1;
    }
    const fs::path dir = pattern;

    std::vector<Measurement> results;
    for (long classes : {100L, 1000L, 10000L}) {
        Measurement m;
        m.classes = classes;
        if (!measure(vastor, dir, runs, m)) {
            fs::remove_all(dir);
            return 1;
        }
        results.push_back(m);
    }
    fs::remove_all(dir);

    const double megabyte = 1e6;
    std::printf("best of %d runs; rates are Type.java bytes per second of wall clock and of CPU time\n\n", runs);
    std::printf("%8s %8s %13s %8s %8s %9s %9s %8s %9s %12s %11s\n", "classes", "spec MB", "Type.java MB", "wall s",
                "CPU s", "wall MB/s", "CPU MB/s", "peak MB", "peak/out", "wall growth", "CPU growth");
    for (std::size_t i = 0; i < results.size(); ++i) {
        const Measurement& m = results[i];
        const double peakBytes = static_cast<double>(m.best.peakKilobytes) * 1024;
        std::printf("%8ld %8.2f %13.2f %8.4f %8.4f %9.1f %9.1f %8.2f %9.2f", m.classes, m.specificationBytes / megabyte,
                    m.outputBytes / megabyte, m.best.seconds, m.best.cpuSeconds, m.outputBytes / m.best.seconds / megabyte,
                    m.outputBytes / std::max(m.best.cpuSeconds, 1e-6) / megabyte, peakBytes / megabyte,
                    peakBytes / m.outputBytes);
        if (i == 0) {
            std::printf(" %12s %11s\n", "-", "-");
        } else {
            const Measurement& previous = results[i - 1];
            std::printf(" %12.2f %11.2f\n", m.best.seconds / previous.best.seconds,
                        m.best.cpuSeconds / std::max(previous.best.cpuSeconds, 1e-6));
        }
    }
    std::printf("\ntargets: growth <= 12 for ten times the classes; >= 100 MB/s on the largest;"
                " peak <= 3 x Type.java\n");
    return 0;
}
