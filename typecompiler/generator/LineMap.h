#pragma once

#include <span>
#include <string>
#include <string_view>

#include "typecompiler/generator/LineMarks.h"

namespace vastor {

/// One stretch of Type.java with the marks of where its lines come from.
struct MarkedText {
    const std::string& text;
    const LineMarks& marks;
};

/// The line map of Type.java, made of the stretches in the order they are
/// written: a source map of the JVM's debugging format (stratum Vastor, one
/// source file), from the lines of Type.java to the lines of the
/// specification sourcePath (named sourceName). The last line of Type.java,
/// the empty line after the stretches, maps nowhere.
std::string lineMap(std::span<const MarkedText> stretches, std::string_view sourceName, std::string_view sourcePath);

}  // namespace vastor
