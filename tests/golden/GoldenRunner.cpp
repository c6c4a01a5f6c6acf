// Runs one golden case: a directory holding
//   cmd        the command, run by bash in a scratch copy of in/, with the
//              tools' directory first on PATH
//   in/        the files the command starts with (optional)
//   expected/  every file that the run creates or changes, byte for byte
//   stderr     the expected standard error bytes (absent: empty)
//   stdout     the expected standard output bytes (absent: empty)
//   status     the expected exit status (absent: 0)
// Any other file created or changed in the scratch directory is a failure,
// so an input that is modified or an output that should not exist is caught.
//
// usage: GoldenRunner <tools-dir> <case-dir> [--update]
// With --update the expectations are rewritten from the actual run.

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
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
        if (c == '\'') quoted += "'\\''";
        else quoted += c;
    }
    return quoted + "'";
}

// Shows a byte string with control and high bytes escaped, cut to a readable length.
std::string visible(const std::string& bytes, std::size_t from) {
    std::string shown;
    std::size_t start = from > 40 ? from - 40 : 0;
    for (std::size_t i = start; i < bytes.size() && i < start + 120; ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n') shown += "\\n";
        else if (c == '\t') shown += "\\t";
        else if (c == '\r') shown += "\\r";
        else if (c < 32 || c > 126) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            shown += hex;
        } else shown += static_cast<char>(c);
    }
    return shown;
}

bool sameBytes(const std::string& what, const std::string& expected, const std::string& actual) {
    if (expected == actual) return true;
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    std::cerr << "MISMATCH in " << what << " at byte " << at << " (expected " << expected.size()
              << " bytes, got " << actual.size() << ")\n"
              << "  expected: " << visible(expected, at) << "\n"
              << "  actual:   " << visible(actual, at) << "\n";
    return false;
}

std::vector<fs::path> regularFiles(const fs::path& root) {
    std::vector<fs::path> files;
    if (!fs::exists(root)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::error_code error;
        if (!entry.is_symlink(error) && entry.is_regular_file(error))
            files.push_back(fs::relative(entry.path(), root));
    }
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: GoldenRunner <tools-dir> <case-dir> [--update]\n";
        return 2;
    }
    const fs::path tools = fs::absolute(argv[1]);
    const fs::path caseDir = fs::absolute(argv[2]);
    const bool update = argc > 3 && std::string(argv[3]) == "--update";

    auto command = readFile(caseDir / "cmd");
    if (!command) {
        std::cerr << "no cmd file in " << caseDir << "\n";
        return 2;
    }

    std::string pattern = (fs::temp_directory_path() / "golden-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::cerr << "cannot make a scratch directory\n";
        return 2;
    }
    const fs::path scratch = pattern;
    const fs::path work = scratch / "work";
    fs::create_directories(work);
    if (fs::exists(caseDir / "in"))
        fs::copy(caseDir / "in", work, fs::copy_options::recursive | fs::copy_options::copy_symlinks);

    const fs::path outFile = scratch / "stdout";
    const fs::path errFile = scratch / "stderr";
    std::string shell = "cd " + quote(work.string()) + " && PATH=" + quote(tools.string()) +
                        ":\"$PATH\" bash " + quote((caseDir / "cmd").string()) + " </dev/null >" +
                        quote(outFile.string()) + " 2>" + quote(errFile.string());
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
        if (actualOut.empty()) fs::remove(caseDir / "stdout");
        else writeFile(caseDir / "stdout", actualOut);
        fs::remove_all(caseDir / "expected");
        for (const auto& file : produced)
            writeFile(caseDir / "expected" / file, readFile(work / file).value_or(""));
        std::cout << "updated " << caseDir.filename().string() << "\n";
    } else {
        int expectedStatus = 0;
        if (auto text = readFile(caseDir / "status")) expectedStatus = std::atoi(text->c_str());
        if (status != expectedStatus) {
            std::cerr << "MISMATCH in exit status: expected " << expectedStatus << ", got " << status
                      << "\n";
            ok = false;
        }
        ok &= sameBytes("stderr", readFile(caseDir / "stderr").value_or(""), actualErr);
        ok &= sameBytes("stdout", readFile(caseDir / "stdout").value_or(""), actualOut);
        for (const auto& file : regularFiles(caseDir / "expected")) {
            auto actual = readFile(work / file);
            if (!actual) {
                std::cerr << "MISSING file " << file << "\n";
                ok = false;
                continue;
            }
            ok &= sameBytes(file.string(), readFile(caseDir / "expected" / file).value_or(""), *actual);
        }
        for (const auto& file : produced) {
            if (!fs::exists(caseDir / "expected" / file)) {
                std::cerr << "UNEXPECTED file created or changed: " << file << "\n";
                ok = false;
            }
        }
    }
    fs::remove_all(scratch);
    return ok ? 0 : 1;
}
