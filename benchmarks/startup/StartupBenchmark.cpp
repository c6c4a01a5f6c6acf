// Start-up cost: runs Vastor on the shipped example's type specification and
// Perlan on its grammar many times, each run next to a run of cat on the same
// file, and prints the CPU time (user and system) of one run of each, and the
// tool's CPU time as a multiple of cat's, against the target of 1.5. Runs come
// in batches; the figures are the median of the batches' means and the
// lowest and highest of them.
//
// usage: startup_benchmark [batches] [runs-per-batch] [path-to-Vastor] [path-to-Perlan]

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double targetMultipleOfCat = 1.5;

// Runs argv in dir with standard output and error sent to /dev/null and
// returns the child's CPU time in seconds, or a negative value on failure.
double cpuSecondsOf(const std::vector<std::string>& argv, const fs::path& dir) {
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (chdir(dir.c_str()) != 0 || null < 0 || dup2(null, STDOUT_FILENO) < 0 || dup2(null, STDERR_FILENO) < 0)
            _exit(127);
        std::vector<char*> args;
        for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) < 0) return -1;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    const auto toSeconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string range(const std::vector<double>& values, double scale, const char* format) {
    char text[96];
    const std::string f = std::string(format) + " (" + format + "-" + format + ")";
    std::snprintf(text, sizeof text, f.c_str(), median(values) * scale,
                  *std::min_element(values.begin(), values.end()) * scale,
                  *std::max_element(values.begin(), values.end()) * scale);
    return text;
}

// Measures one tool; false when a run fails.
bool measure(const char* name, const std::vector<std::string>& tool, const std::string& input, const fs::path& dir,
             int batches, int runs) {
    std::vector<double> toolMeans, catMeans, multiples;
    for (int b = 0; b < batches; ++b) {
        double toolTotal = 0, catTotal = 0;
        for (int r = 0; r < runs; ++r) {
            const double t = cpuSecondsOf(tool, dir);
            const double c = cpuSecondsOf({"cat", input}, dir);
            if (t < 0 || c < 0) {
                std::cerr << name << " or cat failed\n";
                return false;
            }
            toolTotal += t;
            catTotal += c;
        }
        toolMeans.push_back(toolTotal / runs);
        catMeans.push_back(catTotal / runs);
        multiples.push_back(toolTotal / std::max(catTotal, 1e-9));
    }
    const double multiple = median(multiples);
    std::printf("  %-7s %s ms   cat %s ms   %s x cat's, target <= %.1f: %s\n", name,
                range(toolMeans, 1e3, "%.3f").c_str(), range(catMeans, 1e3, "%.3f").c_str(),
                range(multiples, 1, "%.2f").c_str(), targetMultipleOfCat,
                multiple <= targetMultipleOfCat ? "met" : "NOT met");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int batches = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 40;
    const std::string vastor = fs::absolute(argc > 3 ? argv[3] : VASTOR_PATH).string();
    const std::string perlan = fs::absolute(argc > 4 ? argv[4] : PERLAN_PATH).string();
    const fs::path example = EXAMPLE_DIR;
    const std::string specification = (example / "types.spec").string();
    const std::string grammar = (example / "exprlang.yt").string();

    std::string pattern = (fs::temp_directory_path() / "startup-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::cerr << "cannot make a temporary directory\n";
        return 1;
    }
    const fs::path dir = pattern;
    std::printf(
        "CPU time of one run on the shipped example, %d batches of %d runs:"
        " median of the batch means (lowest-highest)\n",
        batches, runs);
    const bool ok = measure("Vastor", {vastor, specification}, specification, dir, batches, runs) &&
                    measure("Perlan", {perlan, grammar, (dir / "exprlang.y").string()}, grammar, dir, batches, runs);
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
