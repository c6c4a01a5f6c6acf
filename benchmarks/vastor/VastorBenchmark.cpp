// Generates specifications of 1,000 and 10,000 classes in two shapes, runs
// Vastor on each in a temporary directory several times and prints, per shape
// and size: the size of Type.java, the median (and lowest and highest) rate at
// which it is produced by wall clock and by CPU time, Vastor's peak resident
// memory against the size of Type.java, and how the time grows from 1,000 to
// 10,000 classes; then each figure against its target.
//
// Shapes: "mixed", about ten methods a class with bodies of several lines,
// eight drawn from a pool of two hundred signatures; "delegation", about ten
// methods a class with one-line bodies drawn from a pool of fifteen.
//
// usage: vastor_benchmark [runs] [path-to-Vastor]
//        vastor_benchmark --specification <classes> <file> [delegation]
//                         (only writes one, for profiling)

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

constexpr double targetRate = 250;     // MB of Type.java per second, on 10,000 classes
constexpr double targetGrowth = 11;    // time for ten times the classes
constexpr double targetPeakShare = 2;  // peak memory against the size of Type.java

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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Measurement {
    long classes = 0;
    double specificationBytes = 0;
    double outputBytes = 0;
    std::vector<double> seconds, cpuSeconds;
    long peakKilobytes = 0;  // the highest of all runs
};

bool measure(const std::string& vastor, const fs::path& dir, int runs, bool delegationHeavy, Measurement& m) {
    {
        std::ofstream spec(dir / "spec.txt", std::ios::binary);
        if (delegationHeavy)
            writeDelegationHeavySpecification(spec, m.classes);
        else
            writeSpecification(spec, m.classes);
    }
    m.specificationBytes = static_cast<double>(fs::file_size(dir / "spec.txt"));
    for (int i = 0; i < runs; ++i) {
        fs::remove(dir / "Type.java");
        const RunResult r = run({vastor, "spec.txt"}, dir);
        if (r.status != 0) {
            std::cerr << "Vastor failed with status " << r.status << " on " << m.classes << " classes\n";
            return false;
        }
        m.seconds.push_back(r.seconds);
        m.cpuSeconds.push_back(std::max(r.cpuSeconds, 1e-6));
        m.peakKilobytes = std::max(m.peakKilobytes, r.peakKilobytes);
    }
    m.outputBytes = static_cast<double>(fs::file_size(dir / "Type.java"));
    return true;
}

void report(const char* shape, const std::vector<Measurement>& results) {
    const double megabyte = 1e6;
    std::printf("%s shape; rates are MB of Type.java per second: median (lowest-highest)\n", shape);
    std::printf("%8s %8s %8s %24s %24s %8s %9s %8s %8s\n", "classes", "spec MB", "out MB", "by wall clock",
                "by CPU time", "peak MB", "peak/out", "growth", "CPU gr.");
    for (std::size_t i = 0; i < results.size(); ++i) {
        const Measurement& m = results[i];
        const auto rate = [&m, megabyte](const std::vector<double>& times) {
            const double low = *std::max_element(times.begin(), times.end());
            const double high = *std::min_element(times.begin(), times.end());
            char text[64];
            std::snprintf(text, sizeof text, "%6.1f (%6.1f-%6.1f)", m.outputBytes / median(times) / megabyte,
                          m.outputBytes / low / megabyte, m.outputBytes / high / megabyte);
            return std::string(text);
        };
        const double peakBytes = static_cast<double>(m.peakKilobytes) * 1024;
        std::printf("%8ld %8.2f %8.2f %24s %24s %8.2f %9.2f", m.classes, m.specificationBytes / megabyte,
                    m.outputBytes / megabyte, rate(m.seconds).c_str(), rate(m.cpuSeconds).c_str(), peakBytes / megabyte,
                    peakBytes / m.outputBytes);
        if (i == 0) {
            std::printf(" %8s %8s\n", "-", "-");
        } else {
            std::printf(" %8.2f %8.2f\n", median(m.seconds) / median(results[i - 1].seconds),
                        median(m.cpuSeconds) / median(results[i - 1].cpuSeconds));
        }
    }
    const Measurement& large = results.back();
    const double wallRate = large.outputBytes / median(large.seconds) / megabyte;
    const double cpuRate = large.outputBytes / median(large.cpuSeconds) / megabyte;
    const double growth = median(large.seconds) / median(results[results.size() - 2].seconds);
    const double cpuGrowth = median(large.cpuSeconds) / median(results[results.size() - 2].cpuSeconds);
    const double peakShare = static_cast<double>(large.peakKilobytes) * 1024 / large.outputBytes;
    const auto verdict = [](bool met) { return met ? "met" : "NOT met"; };
    std::printf("  rate on %ld classes: %.2f (wall) %.2f (CPU) of the target >= %.0f MB/s: %s\n", large.classes,
                wallRate / targetRate, cpuRate / targetRate, targetRate, verdict(wallRate >= targetRate));
    std::printf("  growth for ten times the classes: %.2f (wall) %.2f (CPU), target <= %.0f: %s\n", growth, cpuGrowth,
                targetGrowth, verdict(growth <= targetGrowth));
    std::printf("  peak memory: %.2f x Type.java, target <= %.0f: %s\n\n", peakShare, targetPeakShare,
                verdict(peakShare <= targetPeakShare));
}

}  // namespace

int main(int argc, char** argv) {
    if ((argc == 4 || argc == 5) && std::string(argv[1]) == "--specification") {
        std::ofstream spec(argv[3], std::ios::binary);
        if (argc == 5 && std::string(argv[4]) == "delegation")
            writeDelegationHeavySpecification(spec, std::atol(argv[2]));
        else
            writeSpecification(spec, std::atol(argv[2]));
        return spec ? 0 : 1;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::string vastor = fs::absolute(argc > 2 ? argv[2] : VASTOR_PATH).string();

    std::string pattern = (fs::temp_directory_path() / "vastor-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::cerr << "cannot make a temporary directory\n";
        return 1;
    }
    const fs::path dir = pattern;

    bool ok = true;
    for (const bool delegationHeavy : {false, true}) {
        std::vector<Measurement> results;
        for (long classes : {1000L, 10000L}) {
            Measurement m;
            m.classes = classes;
            ok = ok && measure(vastor, dir, runs, delegationHeavy, m);
            results.push_back(std::move(m));
        }
        if (!ok) break;
        report(delegationHeavy ? "delegation" : "mixed", results);
    }
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
