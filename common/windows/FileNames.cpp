#include "common/FileNames.h"

#include "common/windows/Utf16.h"

namespace common {

std::filesystem::path filePath(const std::string& name) { return windows::toUtf16(name); }

char pathSeparator() { return '\\'; }

const char* pathSeparators() { return "\\/"; }

}  // namespace common
