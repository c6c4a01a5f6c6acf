#include <iostream>

#include "common/CommandLine.h"
#include "typecompiler/driver/VastorDriver.h"

int main(int argc, char** argv) {
    common::useBinaryStandardStreams();
    return common::shellExitStatus(vastor::runVastor(common::commandLineArguments(argc, argv), std::cerr));
}
