// Feeds arbitrary bytes to Perlan's parser as a grammar, with the output in
// memory, twice: with one-byte buffers and with buffers of a size that
// varies with the input, so that every construct crosses buffer boundaries.
// Besides crashes and sanitizer reports it checks that
//  - both runs give the same output and the same outcome;
//  - a run either succeeds or raises a scanner or syntax error, nothing else;
//  - the error's line lies between 1 and 2 + the line feeds of the input (a
//    line comment ended by the end of the input counts one more line);
//  - without "/*<" nothing is rewritten: the output is the input when it is
//    accepted, and a prefix of it (what was copied) after an error.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "common/CompilerError.h"
#include "fuzz/FuzzCheck.h"
#include "preprocessor/PreprocessorParser.h"

namespace {

struct Outcome {
    std::string output;
    std::string error;  // empty when the grammar was accepted
};

Outcome preprocess(const std::string& grammar, std::size_t bufferBytes) {
    std::istringstream input(grammar);
    std::ostringstream output;
    Outcome outcome;
    try {
        perlan::PreprocessorParser parser(input, output, bufferBytes);
        parser.parse();
    } catch (const common::CompilerError& error) {
        outcome.error = error.text();
        fuzzCheck(!outcome.error.empty(), "an error has a text");
    }
    outcome.output = output.str();
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string grammar(reinterpret_cast<const char*>(data), size);
    const Outcome outcome = preprocess(grammar, 1);
    const Outcome other = preprocess(grammar, 2 + size % 61);
    fuzzCheck(outcome.output == other.output && outcome.error == other.error, "the buffer size changes nothing",
              outcome.error + " / " + other.error);

    const bool mayRewrite = grammar.find("/*<") != std::string::npos;
    if (outcome.error.empty()) {
        if (!mayRewrite)
            fuzzCheck(outcome.output == grammar, "a grammar without typechecking blocks is copied unchanged");
        return 0;
    }
    long line = errorLine(outcome.error, "Scanner error");
    if (line < 0) line = errorLine(outcome.error, "Syntax error");
    fuzzCheck(line >= 0, "an error is a scanner or syntax error", outcome.error);
    const long lineFeeds = static_cast<long>(std::count(grammar.begin(), grammar.end(), '\n'));
    fuzzCheck(line >= 1 && line <= lineFeeds + 2, "the error's line lies within the input", outcome.error);
    if (!mayRewrite)
        fuzzCheck(
            outcome.output.size() <= grammar.size() && grammar.compare(0, outcome.output.size(), outcome.output) == 0,
            "after an error the output is a prefix of the input", outcome.error);
    return 0;
}
