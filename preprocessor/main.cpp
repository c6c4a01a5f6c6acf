#include <iostream>

#include "common/CommandLine.h"
#include "preprocessor/PreprocessorDriver.h"

int main(int argc, char** argv) {
    common::useBinaryStandardStreams();
    return common::shellExitStatus(perlan::runPerlan(common::commandLineArguments(argc, argv), std::cerr));
}
