#include "typecompiler/options/SwitchParsing.h"

#include <algorithm>

#include "typecompiler/VastorMessages.h"
#include "typecompiler/options/BaseErrorSwitch.h"
#include "typecompiler/options/ConfigurationException.h"
#include "typecompiler/options/LanguageJavaSwitch.h"
#include "typecompiler/options/SwitchKeys.h"

namespace vastor {

namespace {

// Only A to Z fold: the result must not depend on the locale.
char foldAsciiLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return foldAsciiLetter(x) == foldAsciiLetter(y); });
}

// The order of comparison; each entry is also the key of the switch made.
constexpr const char* canonicalNames[] = {switchKey::language,  switchKey::outHeader, switchKey::outImpl,
                                          switchKey::baseError, switchKey::api,       switchKey::teParser,
                                          switchKey::lineMap};

}  // namespace

void parseSwitch(const std::string& argument, SwitchTable& table) {
    if (argument.empty() || argument.front() != '-')
        throw ConfigurationException(messages::switchWithoutMinus(argument));
    const auto equals = argument.find('=');
    if (equals == std::string::npos) throw ConfigurationException(messages::switchWithoutEquals(argument));

    const std::string name = argument.substr(1, equals - 1);
    std::unique_ptr<Switch> made = makeSwitch(name, argument.substr(equals + 1));
    if (!made) throw ConfigurationException(messages::unknownSwitch(name));
    table.add(std::move(made));
}

std::unique_ptr<Switch> makeSwitch(const std::string& name, const std::string& value) {
    if (equalsIgnoringCase(name, switchKey::language) && !equalsIgnoringCase(value, javaLanguage))
        return std::make_unique<LanguageJavaSwitch>();
    if (equalsIgnoringCase(name, switchKey::baseError)) return std::make_unique<BaseErrorSwitch>(value);
    for (const char* canonical : canonicalNames)
        if (equalsIgnoringCase(name, canonical)) return std::make_unique<Switch>(canonical, value);
    return nullptr;
}

void addDefaultSwitches(SwitchTable& table) {
    table.add(makeSwitch(switchKey::language, javaLanguage));
    table.add(makeSwitch(switchKey::outImpl, typeJavaFile));
}

}  // namespace vastor
