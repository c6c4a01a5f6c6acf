#include <iostream>
#include <string>
#include <vector>

#include "common/CommandLine.h"
#include "preprocessor/PreprocessorDriver.h"

int main(int argc, char** argv) {
    common::useBinaryStandardStreams();
    const std::vector<std::string> arguments = common::commandLineArguments(argc, argv);
    std::vector<const char*> argumentVector;
    for (const std::string& argument : arguments) argumentVector.push_back(argument.c_str());
    const int count = static_cast<int>(argumentVector.size());
    argumentVector.push_back(nullptr);
    return common::shellExitStatus(perlan::runPerlan(count, argumentVector.data(), std::cerr));
}
