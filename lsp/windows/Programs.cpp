#include <windows.h>

#include <thread>

#include "common/windows/Utf16.h"
#include "lsp/Programs.h"

namespace lsp {

namespace {

using common::windows::toUtf16;
using common::windows::toUtf8;

// One argument quoted so that the program's C runtime reads it back as it is.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(backslashes * 2, L'\\');
    return text + L'"';
}

bool isFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

struct Handle {
    HANDLE value = nullptr;
    ~Handle() {
        if (value && value != INVALID_HANDLE_VALUE) CloseHandle(value);
    }
    void close() {
        if (value && value != INVALID_HANDLE_VALUE) CloseHandle(value);
        value = nullptr;
    }
};

}  // namespace

ProgramRun runProgram(const std::vector<std::string>& command, const std::string& workingDirectory,
                      std::chrono::milliseconds timeout, const std::atomic<bool>* stop, std::size_t maxOutput) {
    ProgramRun run;
    if (command.empty()) {
        run.failure = "no program named";
        return run;
    }
    const std::string program = findProgram(command[0]);
    if (program.empty()) {
        run.failure = command[0] + ": not found";
        return run;
    }
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle reader, writer, input;
    if (!CreatePipe(&reader.value, &writer.value, &inherited, 0)) {
        run.failure = "CreatePipe failed";
        return run;
    }
    SetHandleInformation(reader.value, HANDLE_FLAG_INHERIT, 0);
    input.value =
        CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);

    std::wstring commandLine = quoted(toUtf16(program));
    for (std::size_t i = 1; i < command.size(); ++i) commandLine += L' ' + quoted(toUtf16(command[i]));
    const std::wstring folder = toUtf16(workingDirectory);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.value;
    startup.hStdOutput = writer.value;
    startup.hStdError = writer.value;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        run.failure = command[0] + ": CreateProcess failed with error " + std::to_string(GetLastError());
        return run;
    }
    Handle processHandle{process.hProcess}, threadHandle{process.hThread};
    writer.close();
    run.started = true;

    std::thread collector([&] {
        char buffer[65536];
        DWORD count = 0;
        while (ReadFile(reader.value, buffer, sizeof buffer, &count, nullptr) && count > 0) {
            const std::size_t room = maxOutput - std::min(maxOutput, run.output.size());
            run.output.append(buffer, std::min<std::size_t>(room, count));
        }
    });
    // A tenth of a second at a time, to see a stop in time.
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (WaitForSingleObject(processHandle.value, 100) == WAIT_TIMEOUT) {
        if (std::chrono::steady_clock::now() < deadline && !(stop && stop->load())) continue;
        run.timedOut = true;
        TerminateProcess(processHandle.value, 1);
        WaitForSingleObject(processHandle.value, INFINITE);
        break;
    }
    collector.join();
    DWORD exitCode = 0;
    GetExitCodeProcess(processHandle.value, &exitCode);
    run.exitCode = static_cast<int>(exitCode);
    return run;
}

std::string findProgram(const std::string& name) {
    if (name.empty()) return {};
    const std::wstring wide = toUtf16(name);
    const bool hasExtension = wide.size() > 4 && _wcsicmp(wide.c_str() + wide.size() - 4, L".exe") == 0;
    if (wide.find_first_of(L"/\\:") != std::wstring::npos) {
        if (isFile(wide)) return name;
        return !hasExtension && isFile(wide + L".exe") ? name + ".exe" : std::string();
    }
    const DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
    std::wstring path(size, L'\0');
    path.resize(GetEnvironmentVariableW(L"PATH", path.data(), size));
    std::wstring_view folders = path;
    while (!folders.empty()) {
        const std::size_t semicolon = folders.find(L';');
        std::wstring folder(folders.substr(0, semicolon));
        folders.remove_prefix(semicolon == std::wstring_view::npos ? folders.size() : semicolon + 1);
        if (folder.empty()) continue;
        const std::wstring candidate = folder + L'\\' + wide;
        if (!hasExtension && isFile(candidate + L".exe")) return toUtf8(candidate + L".exe");
        if (isFile(candidate)) return toUtf8(candidate);
    }
    return {};
}

std::string programDirectory() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    const std::size_t slash = path.find_last_of(L"\\/");
    return toUtf8(slash == std::wstring::npos ? path : path.substr(0, slash));
}

}  // namespace lsp
