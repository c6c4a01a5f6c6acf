#pragma once

#include <string>

namespace common {

/// True when both paths name one existing file (the same file-system object,
/// whatever the spelling: ./a, a symbolic link or a hard link to it).
bool isSameExistingFile(const std::string& first, const std::string& second);

/// True when the path names an existing directory.
bool isDirectory(const std::string& path);

}  // namespace common
