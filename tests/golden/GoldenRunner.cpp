// Runs one golden case: a directory holding
//   cmd        the command, run by bash in a scratch copy of in/, with the
//              tools' directory first on PATH
//   in/        the files the command starts with (optional)
//   expected/  every file that the run creates or changes, byte for byte
//   stderr     the expected standard error bytes (absent: empty)
//   stdout     the expected standard output bytes (absent: empty)
//   status     the expected exit status, a decimal number (absent: 0)
// Any other file created or changed in the scratch directory is a failure,
// so an input that is modified or an output that should not exist is caught;
// so is a file of in/ that is gone after the run.
//
// usage: GoldenRunner <tools-dir> <case-dir> [--update] [--scratch <dir>]
//                     [--launcher <program>] [--platform <name>]
// With --update the expectations are rewritten from the actual run.
// The run happens in <dir>/work (emptied first; default: a fresh folder in
// the system's temporary folder). The folder of a failed case is kept for a
// look and its path printed; that of a passed case is removed.
//
// With --launcher the tools are programs of another system or machine, which
// `<program> <tool> <arguments>` runs (Wine, qemu). The command still finds
// each program of <tools-dir> on PATH by its name (Name.exe as Name): there
// it finds a link to this runner, which, started under a tool's name, puts
// the launcher in its own place. No shell stands between the command and the
// tool to add messages of its own (as when the working folder is gone).
// With --platform, an expectation whose text differs there is read from a
// file beside the common one with the platform's name appended
// (stderr.windows, expected.windows/, ...); a case that cannot run there
// holds a file posix-only that says why.

#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::optional<std::string> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

// Shows a byte string with control and high bytes escaped, cut to a readable length.
std::string visible(const std::string& bytes, std::size_t from) {
    std::string shown;
    std::size_t start = from > 40 ? from - 40 : 0;
    for (std::size_t i = start; i < bytes.size() && i < start + 120; ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n')
            shown += "\\n";
        else if (c == '\t')
            shown += "\\t";
        else if (c == '\r')
            shown += "\\r";
        else if (c < 32 || c > 126) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            shown += hex;
        } else
            shown += static_cast<char>(c);
    }
    return shown;
}

bool sameBytes(const std::string& what, const std::string& expected, const std::string& actual) {
    if (expected == actual) return true;
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    std::cerr << "MISMATCH in " << what << " at byte " << at << " (expected " << expected.size() << " bytes, got "
              << actual.size() << ")\n"
              << "  expected: " << visible(expected, at) << "\n"
              << "  actual:   " << visible(actual, at) << "\n";
    return false;
}

std::vector<fs::path> regularFiles(const fs::path& root) {
    std::vector<fs::path> files;
    if (!fs::exists(root)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::error_code error;
        if (!entry.is_symlink(error) && entry.is_regular_file(error)) files.push_back(fs::relative(entry.path(), root));
    }
    return files;
}

// The expected exit status: a decimal number, blanks and line ends around it
// allowed. Anything else is a broken case, not status 0.
std::optional<int> parseStatus(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    const auto last = text.find_last_not_of(" \t\r\n");
    if (first == std::string::npos) return std::nullopt;
    int value = 0;
    const char* end = text.data() + last + 1;
    auto [stop, error] = std::from_chars(text.data() + first, end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// What a case's command finds under a tool's name, a link to this runner,
// learns from these variables of the command's environment.
constexpr const char* launcherVariable = "GOLDEN_LAUNCHER";
constexpr const char* toolsVariable = "GOLDEN_TOOLS";

// A link to this runner in `folder` for each program in `tools`, named as
// the command calls it: Name.exe as Name.
void linkTools(const fs::path& folder, const fs::path& tools) {
    fs::create_directories(folder);
    const fs::path runner = fs::read_symlink("/proc/self/exe");
    for (const auto& entry : fs::directory_iterator(tools)) {
        if (!entry.is_regular_file() || (entry.status().permissions() & fs::perms::owner_exec) == fs::perms::none)
            continue;
        fs::path name = entry.path().filename();
        if (name.extension() == ".exe") name = name.stem();
        fs::create_symlink(runner, folder / name);
    }
}

// Started under a tool's name: becomes `<launcher> <tool> <arguments>`.
int launchTool(const std::string& launcher, const fs::path& tools, int argc, char** argv) {
    fs::path tool = tools / fs::path(argv[0]).filename();
    if (!fs::exists(tool)) tool += ".exe";
    std::string launcherArgument = launcher;
    std::string toolArgument = tool.string();
    std::vector<char*> arguments{launcherArgument.data(), toolArgument.data()};
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    arguments.push_back(nullptr);
    execv(launcher.c_str(), arguments.data());
    std::perror(launcher.c_str());
    return 127;
}

fs::path makeScratch(const std::optional<fs::path>& requested) {
    if (requested) {
        fs::remove_all(*requested);
        fs::create_directories(*requested);
        return fs::absolute(*requested);
    }
    std::string pattern = (fs::temp_directory_path() / "golden-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch directory");
    return pattern;
}

}  // namespace

int main(int argc, char** argv) {
    if (const char* launcher = std::getenv(launcherVariable)) {
        const char* tools = std::getenv(toolsVariable);
        return launchTool(launcher, tools ? tools : ".", argc, argv);
    }
    std::vector<std::string> positional;
    bool update = false;
    std::optional<fs::path> scratchRequested;
    std::optional<fs::path> launcher;
    std::string platform;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--update")
            update = true;
        else if (argument == "--scratch" && i + 1 < argc)
            scratchRequested = argv[++i];
        else if (argument == "--launcher" && i + 1 < argc)
            launcher = fs::absolute(argv[++i]);
        else if (argument == "--platform" && i + 1 < argc)
            platform = argv[++i];
        else
            positional.push_back(argument);
    }
    if (positional.size() != 2 || (update && !platform.empty())) {
        std::cerr << "usage: GoldenRunner <tools-dir> <case-dir> [--update] [--scratch <dir>]\n"
                     "                    [--launcher <program>] [--platform <name>]\n"
                     "(--update rewrites the common expectations only: not with --platform)\n";
        return 2;
    }
    const fs::path tools = fs::absolute(positional[0]);
    const fs::path caseDir = fs::absolute(positional[1]);
    // The expectation `name`, or its variant for the platform when there is one.
    auto expectation = [&](const std::string& name) {
        const fs::path variant = caseDir / (name + "." + platform);
        return !platform.empty() && fs::exists(variant) ? variant : caseDir / name;
    };

    if (!platform.empty() && fs::exists(caseDir / "posix-only")) {
        std::cerr << "the case " << caseDir
                  << " runs on POSIX systems only: " << readFile(caseDir / "posix-only").value_or("") << "\n";
        return 2;
    }
    const fs::path commandFile = expectation("cmd");
    if (!fs::exists(commandFile)) {
        std::cerr << "no cmd file in " << caseDir << "\n";
        return 2;
    }

    std::optional<int> expectedStatus = 0;
    if (auto text = readFile(expectation("status")); text && !update) expectedStatus = parseStatus(*text);
    if (!expectedStatus) {
        std::cerr << "BROKEN CASE: the status file of " << caseDir << " does not hold a number\n";
        return 2;
    }

    const fs::path scratch = makeScratch(scratchRequested);
    const fs::path work = scratch / "work";
    fs::create_directories(work);
    if (fs::exists(caseDir / "in"))
        fs::copy(caseDir / "in", work, fs::copy_options::recursive | fs::copy_options::copy_symlinks);

    fs::path programs = tools;
    std::string environment;
    if (launcher) {
        programs = scratch / "bin";
        linkTools(programs, tools);
        environment = std::string(launcherVariable) + "=" + quote(launcher->string()) + " " + toolsVariable + "=" +
                      quote(tools.string()) + " ";
    }

    const fs::path outFile = scratch / "stdout";
    const fs::path errFile = scratch / "stderr";
    std::string shell = "cd " + quote(work.string()) + " && " + environment + "PATH=" + quote(programs.string()) +
                        ":\"$PATH\" bash " + quote(commandFile.string()) + " </dev/null >" + quote(outFile.string()) +
                        " 2>" + quote(errFile.string());
    int raw = std::system(shell.c_str());
    int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);

    std::string actualErr = readFile(errFile).value_or("");
    std::string actualOut = readFile(outFile).value_or("");

    // Files the run created or changed, relative to the working directory.
    std::vector<fs::path> produced;
    for (const auto& file : regularFiles(work)) {
        auto original = readFile(caseDir / "in" / file);
        if (!original || *original != readFile(work / file).value_or("")) produced.push_back(file);
    }

    bool ok = true;
    if (update) {
        writeFile(caseDir / "status", std::to_string(status) + "\n");
        writeFile(caseDir / "stderr", actualErr);
        if (actualOut.empty())
            fs::remove(caseDir / "stdout");
        else
            writeFile(caseDir / "stdout", actualOut);
        fs::remove_all(caseDir / "expected");
        for (const auto& file : produced) writeFile(caseDir / "expected" / file, readFile(work / file).value_or(""));
        std::cout << "updated " << caseDir.filename().string() << "\n";
    } else {
        if (status != *expectedStatus) {
            std::cerr << "MISMATCH in exit status: expected " << *expectedStatus << ", got " << status << "\n";
            ok = false;
        }
        for (const auto& file : regularFiles(caseDir / "in")) {
            if (!fs::is_regular_file(fs::symlink_status(work / file))) {
                std::cerr << "GONE: the input file " << file << " is no longer there after the run\n";
                ok = false;
            }
        }
        ok &= sameBytes("stderr", readFile(expectation("stderr")).value_or(""), actualErr);
        ok &= sameBytes("stdout", readFile(expectation("stdout")).value_or(""), actualOut);
        const fs::path expected = expectation("expected");
        for (const auto& file : regularFiles(expected)) {
            auto actual = readFile(work / file);
            if (!actual) {
                std::cerr << "MISSING file " << file << "\n";
                ok = false;
                continue;
            }
            ok &= sameBytes(file.string(), readFile(expected / file).value_or(""), *actual);
        }
        for (const auto& file : produced) {
            if (!fs::exists(expected / file)) {
                std::cerr << "UNEXPECTED file created or changed: " << file << "\n";
                ok = false;
            }
        }
    }
    if (!ok) {
        std::cerr << "scratch folder kept: " << scratch.string() << "\n";
        return 1;
    }
    fs::remove_all(scratch);
    return 0;
}
