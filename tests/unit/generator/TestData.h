#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "typecompiler/parser/Method.h"

namespace vastor {

/// The bytes of an expected text kept in the data folder.
inline std::string readDataFile(const std::string& name) {
    std::ifstream file(std::string(GENERATOR_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

/// A method as the parser builds it (empty modifier).
inline Method parsed(const std::string& result, const std::string& name, std::vector<Parameter> parameters,
                     const std::string& body = "\t\treturn null;") {
    return Method(name, result, std::move(parameters), body);
}

}  // namespace vastor
