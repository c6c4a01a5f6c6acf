#include <iostream>
#include <string>
#include <vector>

#include "typecompiler/driver/VastorDriver.h"

int main(int argc, char** argv) {
    std::cerr << std::unitbuf;
    return vastor::runVastor(std::vector<std::string>(argv, argv + argc), std::cerr);
}
