#include "common/FileIdentity.h"

#include <windows.h>

#include <optional>
#include <tuple>

#include "common/windows/Utf16.h"

namespace common {

namespace {

// A file is identified by the serial number of its volume and its index on
// that volume, whatever name, link or spelling leads to it.
using Identity = std::tuple<DWORD, DWORD, DWORD>;

std::optional<Identity> identityOf(const std::string& name) {
    const HANDLE file = CreateFileW(windows::toUtf16(name).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information;
    const bool known = GetFileInformationByHandle(file, &information);
    CloseHandle(file);
    if (!known) return std::nullopt;
    return Identity{information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
}

}  // namespace

bool isSameExistingFile(const std::string& first, const std::string& second) {
    const auto firstIdentity = identityOf(first);
    return firstIdentity && firstIdentity == identityOf(second);
}

bool isDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(windows::toUtf16(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace common
