#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "typecompiler/model/Method.h"

namespace vastor {

/// The bytes of a file.
inline std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

/// The bytes of an expected text kept in the data folder of the test program.
inline std::string readDataFile(const std::string& name) { return readFile(std::string(TEST_DATA_DIR) + "/" + name); }

/// The bytes of a file that a golden case expects, e.g. "vastor/<case>/expected/Type.java".
inline std::string readGoldenFile(const std::string& path) {
    return readFile(std::string(GOLDEN_CASES_DIR) + "/" + path);
}

/// A method as the parser builds it (empty modifier).
inline Method parsed(const std::string& result, const std::string& name, std::vector<Parameter> parameters,
                     const std::string& body = "\t\treturn null;") {
    return Method(name, result, std::move(parameters), body);
}

}  // namespace vastor
