#include <iostream>
#include <string>
#include <vector>

#include "common/CommandLine.h"
#include "typecompiler/driver/VastorDriver.h"

int main(int argc, char** argv) {
    common::useBinaryStandardStreams();
    std::cerr << std::unitbuf;
    return common::shellExitStatus(vastor::runVastor(common::commandLineArguments(argc, argv), std::cerr));
}
