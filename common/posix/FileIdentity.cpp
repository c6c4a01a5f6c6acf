#include "common/FileIdentity.h"

#include <filesystem>
#include <system_error>

namespace common {

// Device and inode number, through std::filesystem.
bool isSameExistingFile(const std::string& first, const std::string& second) {
    std::error_code error;
    bool same = std::filesystem::equivalent(first, second, error);
    return !error && same;
}

bool isDirectory(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

}  // namespace common
