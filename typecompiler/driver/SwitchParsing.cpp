#include "typecompiler/driver/SwitchParsing.h"

#include <algorithm>

#include "common/ConfigurationException.h"
#include "typecompiler/driver/BaseErrorSwitch.h"
#include "typecompiler/driver/LanguageJavaSwitch.h"

namespace vastor {

namespace {

// Only A to Z fold: the result must not depend on the locale.
char foldAsciiLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldAsciiLetter(x) == foldAsciiLetter(y);
           });
}

// The order of comparison; each entry is also the key of the switch made.
constexpr const char* canonicalNames[] = {"LANGUAGE", "OUTHEADER", "OUTIMPL", "BASEERROR", "API", "TEParser"};

}  // namespace

void parseSwitch(const std::string& argument, SwitchTable& table) {
    if (argument.empty() || argument.front() != '-')
        throw common::ConfigurationException("Bad format in switch: " + argument + " must begin with '-'");
    const auto equals = argument.find('=');
    if (equals == std::string::npos)
        throw common::ConfigurationException("Bad format in switch: " + argument + " flags must be joined by '='");

    const std::string name = argument.substr(1, equals - 1);
    std::unique_ptr<Switch> made = makeSwitch(name, argument.substr(equals + 1));
    if (!made) throw common::ConfigurationException("unknown Switch: " + name);
    table.add(std::move(made));
}

std::unique_ptr<Switch> makeSwitch(const std::string& name, const std::string& value) {
    if (equalsIgnoringCase(name, "LANGUAGE") && !equalsIgnoringCase(value, "JAVA"))
        return std::make_unique<LanguageJavaSwitch>();
    if (equalsIgnoringCase(name, "BASEERROR")) return std::make_unique<BaseErrorSwitch>(value);
    for (const char* canonical : canonicalNames)
        if (equalsIgnoringCase(name, canonical)) return std::make_unique<Switch>(canonical, value);
    return nullptr;
}

void addDefaultSwitches(SwitchTable& table) {
    table.add(makeSwitch("LANGUAGE", "JAVA"));
    table.add(makeSwitch("OUTIMPL", "Type.java"));
}

}  // namespace vastor
