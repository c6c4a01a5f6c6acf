#include <iostream>

#include "preprocessor/PreprocessorDriver.h"

int main(int argc, char** argv) { return perlan::runPerlan(argc, argv, std::cerr); }
