// typetools-lsp: the language server for Vastor's type specifications and
// Perlan's grammars, on standard input and output.
#include <iostream>
#include <string_view>

#include "lsp/Log.h"
#include "lsp/ServerLoop.h"
#include "lsp/StandardStreams.h"

int main(int argc, char** argv) {
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--verbose") {
            verbose = true;
        } else if (argument == "--version") {
            std::cout << "typetools-lsp " << TYPETOOLS_VERSION << '\n';
            return 0;
        } else if (argument != "--stdio") {
            std::cerr << "usage: typetools-lsp [--stdio] [--verbose] [--version]\n"
                         "Speaks the Language Server Protocol on standard input and output; logs on standard error.\n";
            return argument == "--help" ? 0 : 2;
        }
    }
    lsp::useBinaryStandardStreams();
    lsp::Log log(std::cerr, verbose);
    lsp::ServerLoop loop(lsp::readStandardInput, lsp::writeStandardOutput, log);
    return loop.run();
}
