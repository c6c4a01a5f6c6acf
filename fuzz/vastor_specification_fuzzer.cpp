// Feeds arbitrary bytes to Vastor's scanner, parser and class table as a
// specification, with Type.java going to memory and no -API (no file is
// written), twice: with a one-byte input buffer and with one whose size
// varies with the input, so that every token crosses buffer boundaries.
// Besides crashes and sanitizer reports it checks that
//  - both runs give the same Java text, notices and outcome;
//  - a run either succeeds with some Java text or raises a scanner, syntax or
//    semantic error, and nothing else;
//  - after an error no Java text was written;
//  - the error's line lies between 1 and 1 + the line feeds of the input.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "common/CompilerError.h"
#include "fuzz/FuzzCheck.h"
#include "typecompiler/options/SwitchTable.h"
#include "typecompiler/parser/MemoryOutputSink.h"
#include "typecompiler/parser/SpecificationParser.h"

namespace {

struct Outcome {
    std::string java;
    std::string notices;
    std::string error;  // empty when the specification was accepted
};

Outcome compile(const std::string& specification, std::size_t bufferBytes) {
    std::istringstream input(specification);
    vastor::MemoryOutputSink output;
    vastor::SwitchTable configuration(output.notices());
    Outcome outcome;
    try {
        vastor::SpecificationParser parser(input, configuration, output, bufferBytes);
        parser.parse();
    } catch (const common::CompilerError& error) {
        outcome.error = error.text();
        fuzzCheck(!outcome.error.empty(), "an error has a text");
    }
    outcome.java = output.typeJava();
    outcome.notices = output.noticeText();
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string specification(reinterpret_cast<const char*>(data), size);
    const Outcome outcome = compile(specification, 1);
    const Outcome other = compile(specification, 2 + size % 61);
    fuzzCheck(outcome.java == other.java && outcome.notices == other.notices && outcome.error == other.error,
              "the buffer size changes nothing", outcome.error + " / " + other.error);

    if (outcome.error.empty()) {
        fuzzCheck(!outcome.java.empty(), "an accepted specification gives Java text");
        return 0;
    }
    long line = errorLine(outcome.error, "Scanner error");
    if (line < 0) line = errorLine(outcome.error, "Syntax error");
    if (line < 0) line = errorLine(outcome.error, "Semantic error");
    fuzzCheck(line >= 0, "an error is a scanner, syntax or semantic error", outcome.error);
    const long lineFeeds = static_cast<long>(std::count(specification.begin(), specification.end(), '\n'));
    fuzzCheck(line >= 1 && line <= lineFeeds + 1, "the error's line lies within the input", outcome.error);
    fuzzCheck(outcome.java.empty(), "no Java text is written after an error", outcome.error);
    return 0;
}
