#include "common/FileNames.h"

namespace common {

std::filesystem::path filePath(const std::string& name) { return name; }

char pathSeparator() { return '/'; }

const char* pathSeparators() { return "/"; }

}  // namespace common
