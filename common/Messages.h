#pragma once

#include <string_view>

/// The texts that both tools print. Each tool's own texts are in its messages header.
namespace common::messages {

inline constexpr std::string_view cannotOpenInputFile = "Can not open input file ";
inline constexpr std::string_view cannotReadInputFile = "Can not read input file ";
inline constexpr std::string_view cannotWriteInInputFile = "Can not write in the input file\n";
inline constexpr std::string_view cannotWriteOutputFile = "Can not write output file ";

}  // namespace common::messages
