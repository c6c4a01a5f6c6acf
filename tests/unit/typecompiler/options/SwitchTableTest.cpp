#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "typecompiler/options/ConfigurationException.h"
#include "typecompiler/options/LanguageJavaSwitch.h"
#include "typecompiler/options/SwitchParsing.h"
#include "typecompiler/options/SwitchTable.h"

namespace vastor {
namespace {

const std::string warning = "Vastor Switch Warning: Overriding existing switch ";

// Builds the configuration as the tool does: defaults, the switches left to
// right, INPUTFILE, TEParser, validation. Returns the error text ("" if valid).
std::string configure(SwitchTable& table, const std::vector<std::string>& switches,
                      const std::string& inputFile = "spec.txt") {
    try {
        addDefaultSwitches(table);
        for (const auto& argument : switches) parseSwitch(argument, table);
        table.add(std::make_unique<Switch>("INPUTFILE", inputFile));
        table.add(std::make_unique<Switch>("TEParser", "TEParser"));
        table.validate();
    } catch (const ConfigurationException& e) {
        return e.what();
    }
    return "";
}

TEST(ConfigurationException, TheTextIsThePrefixThenTheMessage) {
    EXPECT_STREQ(ConfigurationException("unknown Switch: ").what(), "Vastor Configuration Error :unknown Switch: ");
}

TEST(Switches, ErrorsAndWarningsOfWholeCommandLines) {
    struct Case {
        std::vector<std::string> switches;
        std::string inputFile, error, warnings;  // error without its prefix
    };
    const Case cases[] = {
        {{}, "spec.txt", "", ""},
        // JAVA in any case overrides the default; the Java rules do not run.
        {{"-LaNgUaGe=jAvA", "-outHeader=h"}, "spec.txt", "", warning + "LANGUAGE\n"},
        // Any other language brings the Java rules under a key of its own.
        {{"-language=C"}, "spec.txt", "CLASSPATH or API flag not set", ""},
        {{"-language=C", "-language=JAVA ", "-API=lib"}, "spec.txt", "", warning + "LanguageJavaSwitch\n"},
        {{"-outImpl=Type.java"}, "spec.txt", "", warning + "OUTIMPL\n"},
        {{"-teparser=MyParser"}, "spec.txt", "", warning + "TEParser\n"},
        // The Java rules in their order; exact, case-sensitive file names.
        {{"-language=C", "-outHeader=h"}, "spec.txt", "no header file with Language Java", ""},
        {{"-language=C", "-outImpl=type.java", "-API=a"},
         "spec.txt",
         "with Java Languaje output must be Type.java",
         warning + "OUTIMPL\n"},
        {{"-language=C", "-API=a"},
         "Type.java",
         "with Java Languaje output must be Type.java cannot use Type.java as input",
         ""},
        {{"-language=C", "-API=a"}, "dir/Type.java", "", ""},
        {{"-language=C", "-API=a"}, "type.java", "", ""},
        // An empty API value counts as present.
        {{"-baseError=Base", "-language=C", "-api="}, "spec.txt", "", ""},
        {{"-baseError=Base"}, "spec.txt", "no API location especified with baseError Flag", ""},
        // Validation follows key order: BASEERROR sorts before LanguageJavaSwitch.
        {{"-language=C", "-outHeader=h", "-baseError=E"},
         "spec.txt",
         "no API location especified with baseError Flag",
         ""},
        // Malformed and unknown switches; the first fault ends the parsing.
        {{"-Api", "-outImpl=Type.java"}, "spec.txt", "Bad format in switch: -Api flags must be joined by '='", ""},
        {{"API=x"}, "spec.txt", "Bad format in switch: API=x must begin with '-'", ""},
        {{""}, "spec.txt", "Bad format in switch:  must begin with '-'", ""},
        {{"-=x"}, "spec.txt", "unknown Switch: ", ""},
        {{"-INPUTFILE=a"}, "spec.txt", "unknown Switch: INPUTFILE", ""},
        {{"-LanguageJavaSwitch=a"}, "spec.txt", "unknown Switch: LanguageJavaSwitch", ""},
        {{"-\xC1PI=a"}, "spec.txt", "unknown Switch: \xC1PI", ""},  // only A to Z fold
    };
    for (const auto& c : cases) {
        std::string line;
        for (const auto& s : c.switches) line += s + ' ';
        SCOPED_TRACE(line + c.inputFile);
        std::ostringstream warnings;
        SwitchTable table(warnings);
        EXPECT_EQ(configure(table, c.switches, c.inputFile),
                  c.error.empty() ? "" : "Vastor Configuration Error :" + c.error);
        EXPECT_EQ(warnings.str(), c.warnings);
    }
}

TEST(Switches, NamesOfAnyCaseGiveCanonicalKeysAndValuesAsTyped) {
    std::ostringstream warnings;
    SwitchTable table(warnings);
    configure(table,
              {"-api=a=b", "-OUTHEADER=H", "-baseerror=My.Base", "-TEPARSER=P", "-language=C", "-LineMap=m.smap"});
    const std::pair<const char*, const char*> expected[] = {
        {"API", "a=b"},           {"OUTHEADER", "H"},        {"BASEERROR", "My.Base"},
        {"TEParser", "TEParser"}, {"LANGUAGE", "JAVA"},      {"LanguageJavaSwitch", "JAVA"},
        {"OUTIMPL", "Type.java"}, {"INPUTFILE", "spec.txt"}, {"LINEMAP", "m.smap"},
    };
    for (const auto& [key, value] : expected) {
        ASSERT_NE(table.find(key), nullptr) << key;
        EXPECT_EQ(table.find(key)->value(), value) << key;
    }
    EXPECT_EQ(table.find("api"), nullptr);  // keys compare exactly
    EXPECT_NE(dynamic_cast<const LanguageJavaSwitch*>(table.find("LanguageJavaSwitch")), nullptr);
}

TEST(Switches, JavaRulesDoNotNeedTheDriversEntries) {
    std::ostringstream warnings;
    SwitchTable table(warnings);
    table.add(std::make_unique<LanguageJavaSwitch>());
    table.add(std::make_unique<Switch>("API", "lib"));
    // Without OUTIMPL the output is not known to be Type.java.
    EXPECT_THROW(table.validate(), ConfigurationException);
    table.add(std::make_unique<Switch>("OUTIMPL", "Type.java"));
    EXPECT_NO_THROW(table.validate());
}

}  // namespace
}  // namespace vastor
