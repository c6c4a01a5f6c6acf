// Builds and validates Vastor's configuration from an arbitrary argument
// list, in the driver's order: the defaults, a switch for every argument but
// the last, INPUTFILE (the last argument), TEParser, then validation. The
// input is split into arguments at every NUL byte and line feed. Nothing is
// opened. Besides crashes and sanitizer reports it checks that
//  - the only error raised is a configuration error, with its prefix;
//  - the warnings are whole lines "Vastor Switch Warning: Overriding existing
//    switch <key>" naming a key that a switch can have.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "typecompiler/options/ConfigurationException.h"
#include "typecompiler/options/Switch.h"
#include "typecompiler/options/SwitchParsing.h"
#include "typecompiler/options/SwitchTable.h"

namespace {

std::vector<std::string> splitArguments(const std::string& bytes) {
    std::vector<std::string> arguments(1);
    for (char byte : bytes) {
        if (byte == '\0' || byte == '\n')
            arguments.emplace_back();
        else
            arguments.back().push_back(byte);
    }
    return arguments;
}

void checkWarnings(const std::string& warnings) {
    static const std::set<std::string> keys = {"API",     "BASEERROR", "INPUTFILE", "LANGUAGE", "LanguageJavaSwitch",
                                               "LINEMAP", "OUTHEADER", "OUTIMPL",   "TEParser"};
    const std::string prefix = "Vastor Switch Warning: Overriding existing switch ";
    std::istringstream lines(warnings);
    std::string line;
    while (std::getline(lines, line)) {
        fuzzCheck(line.compare(0, prefix.size(), prefix) == 0 && keys.count(line.substr(prefix.size())) == 1,
                  "a warning names a known key", line);
    }
    fuzzCheck(warnings.empty() || warnings.back() == '\n', "warnings are whole lines", warnings);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> arguments = splitArguments(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream warnings;
    try {
        vastor::SwitchTable table(warnings);
        vastor::addDefaultSwitches(table);
        for (std::size_t i = 0; i + 1 < arguments.size(); ++i) vastor::parseSwitch(arguments[i], table);
        table.add(std::make_unique<vastor::Switch>("INPUTFILE", arguments.back()));
        table.add(std::make_unique<vastor::Switch>("TEParser", "TEParser"));
        table.validate();
        fuzzCheck(table.find("INPUTFILE") && table.find("INPUTFILE")->value() == arguments.back(),
                  "the input file is the last argument");
    } catch (const vastor::ConfigurationException& error) {
        const std::string prefix = "Vastor Configuration Error :";
        fuzzCheck(error.text().compare(0, prefix.size(), prefix) == 0, "a configuration error has its prefix",
                  error.text());
    }
    checkWarnings(warnings.str());
    return 0;
}
