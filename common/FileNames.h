#pragma once

#include <filesystem>
#include <string>

namespace common {

/// The path to open for a file name as the tools hold it (the bytes the user
/// gave; UTF-8 on Windows, where files are opened by their UTF-16 names).
std::filesystem::path filePath(const std::string& name);

/// The separator the tools put into the paths they build: '\\' on Windows,
/// '/' elsewhere.
char pathSeparator();

/// Every character that separates the components of a path the user gives:
/// "/" elsewhere, both slashes on Windows.
const char* pathSeparators();

}  // namespace common
