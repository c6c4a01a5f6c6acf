#pragma once

#include <string>
#include <string_view>

namespace common::windows {

/// UTF-8 to UTF-16 and back, for the wide-character calls of Windows. A
/// sequence that is not valid becomes U+FFFD.
std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

}  // namespace common::windows
