#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "common/ConfigurationException.h"
#include "typecompiler/driver/BaseErrorSwitch.h"
#include "typecompiler/driver/LanguageJavaSwitch.h"
#include "typecompiler/driver/SwitchParsing.h"
#include "typecompiler/driver/SwitchTable.h"

namespace {

const std::string warningPrefix = "Vastor Switch Warning: Overriding existing switch ";
const std::string errorPrefix = "Vastor Configuration Error :";

// What building the configuration the way the tool does leaves behind.
struct Outcome {
    std::string warnings;
    std::string error;  // empty when the table validated
    std::unique_ptr<SwitchTable> table;
    std::unique_ptr<std::ostringstream> warningStream;
};

// Defaults, the switches left to right, INPUTFILE, TEParser, validation.
Outcome configure(const std::vector<std::string>& switches, const std::string& inputFile = "spec.txt") {
    Outcome outcome;
    outcome.warningStream = std::make_unique<std::ostringstream>();
    outcome.table = std::make_unique<SwitchTable>(*outcome.warningStream);
    try {
        SwitchTable& table = *outcome.table;
        addDefaultSwitches(table);
        for (const auto& argument : switches) parseSwitch(argument, table);
        table.add(std::make_unique<Switch>("INPUTFILE", inputFile));
        table.add(std::make_unique<Switch>("TEParser", "TEParser"));
        table.validate();
    } catch (const ConfigurationException& e) {
        outcome.error = e.what();
    }
    outcome.warnings = outcome.warningStream->str();
    return outcome;
}

std::string valueOf(const SwitchTable& table, const std::string& key) {
    const Switch* found = table.find(key);
    return found ? found->value() : "<absent>";
}

TEST(SwitchConfiguration, ErrorsAndWarningsOfWholeCommandLines) {
    struct Case {
        std::vector<std::string> switches;
        std::string inputFile;
        std::string error;  // without the prefix; empty when valid
        std::string warnings;
    };
    const Case cases[] = {
        // No switches: the defaults and the driver's own entries only.
        {{}, "spec.txt", "", ""},
        // A JAVA language of any case overrides the default; the Java rules do not run.
        {{"-language=java"}, "spec.txt", "", warningPrefix + "LANGUAGE\n"},
        {{"-LANGUAGE=jAvA", "-outHeader=h"}, "spec.txt", "", warningPrefix + "LANGUAGE\n"},
        // Any other language enables the Java rules under a key of its own.
        {{"-language=C"}, "spec.txt", "CLASSPATH or API flag not set", ""},
        {{"-language=C", "-API=lib"}, "spec.txt", "", ""},
        {{"-language=JAVA ", "-API=lib", "-outImpl=x"}, "spec.txt", "with Java Languaje output must be Type.java",
         warningPrefix + "OUTIMPL\n"},
        {{"-language=C", "-language=Cobol", "-API=lib"}, "spec.txt", "", warningPrefix + "LanguageJavaSwitch\n"},
        {{"-outImpl=Type.java"}, "spec.txt", "", warningPrefix + "OUTIMPL\n"},
        {{"-TEParser=MyParser"}, "spec.txt", "", warningPrefix + "TEParser\n"},
        // Java rules in their order.
        {{"-language=C", "-outHeader=h"}, "spec.txt", "no header file with Language Java", ""},
        {{"-language=C", "-outImpl=type.java", "-API=a"}, "spec.txt", "with Java Languaje output must be Type.java",
         warningPrefix + "OUTIMPL\n"},
        {{"-language=C", "-API=a"}, "Type.java", "with Java Languaje output must be Type.java cannot use Type.java as input",
         ""},
        {{"-language=C", "-API=a"}, "dir/Type.java", "", ""},
        {{"-language=C", "-API=a"}, "type.java", "", ""},
        // An empty API value counts as present.
        {{"-language=C", "-API="}, "spec.txt", "", ""},
        {{"-baseError=Base", "-API="}, "spec.txt", "", ""},
        {{"-baseError=Base"}, "spec.txt", "no API location especified with baseError Flag", ""},
        // Validation follows key order: BASEERROR sorts before LanguageJavaSwitch.
        {{"-language=C", "-outHeader=h", "-baseError=E"}, "spec.txt", "no API location especified with baseError Flag",
         ""},
        // Malformed arguments.
        {{"-Api"}, "spec.txt", "Bad format in switch: -Api flags must be joined by '='", ""},
        {{"API=x"}, "spec.txt", "Bad format in switch: API=x must begin with '-'", ""},
        {{""}, "spec.txt", "Bad format in switch:  must begin with '-'", ""},
        {{"-=x"}, "spec.txt", "unknown Switch: ", ""},
        {{"-INPUTFILE=a"}, "spec.txt", "unknown Switch: INPUTFILE", ""},
        {{"-LanguageJavaSwitch=a"}, "spec.txt", "unknown Switch: LanguageJavaSwitch", ""},
        {{"-ApIx=a"}, "spec.txt", "unknown Switch: ApIx", ""},
        // Only A to Z fold: a Latin-1 letter never matches an ASCII one.
        {{"-\xC1PI=a"}, "spec.txt", "unknown Switch: \xC1PI", ""},
        // The first fault ends the parsing of switches: no later warning.
        {{"-bad", "-outImpl=Type.java"}, "spec.txt", "Bad format in switch: -bad flags must be joined by '='", ""},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const auto& s : c.switches) line += s + ' ';
        SCOPED_TRACE(line + c.inputFile);
        const Outcome outcome = configure(c.switches, c.inputFile);
        EXPECT_EQ(outcome.error, c.error.empty() ? std::string() : errorPrefix + c.error);
        EXPECT_EQ(outcome.warnings, c.warnings);
    }
}

TEST(SwitchConfiguration, NamesOfAnyCaseGiveCanonicalKeysAndValuesAsTyped) {
    const Outcome outcome = configure({"-api=a=b", "-OUTHEADER=H", "-baseerror=My.Base", "-teparser=P", "-language=C"});
    // Validation fails (OUTHEADER with a non-Java language), but the table is built.
    EXPECT_EQ(outcome.error, errorPrefix + "no header file with Language Java");
    const SwitchTable& table = *outcome.table;
    EXPECT_EQ(valueOf(table, "API"), "a=b");
    EXPECT_EQ(valueOf(table, "OUTHEADER"), "H");
    EXPECT_EQ(valueOf(table, "BASEERROR"), "My.Base");
    EXPECT_NE(dynamic_cast<const BaseErrorSwitch*>(table.find("BASEERROR")), nullptr);
    EXPECT_EQ(valueOf(table, "TEParser"), "TEParser");  // the driver's entry replaces the user's
    EXPECT_EQ(valueOf(table, "LANGUAGE"), "JAVA");
    EXPECT_EQ(valueOf(table, "LanguageJavaSwitch"), "JAVA");  // the typed language is dropped
    EXPECT_NE(dynamic_cast<const LanguageJavaSwitch*>(table.find("LanguageJavaSwitch")), nullptr);
    EXPECT_EQ(valueOf(table, "OUTIMPL"), "Type.java");
    EXPECT_EQ(valueOf(table, "INPUTFILE"), "spec.txt");
    EXPECT_EQ(table.find("api"), nullptr);  // keys compare exactly
    EXPECT_EQ(outcome.warnings, warningPrefix + "TEParser\n");
}

TEST(SwitchConfiguration, MakeSwitchKnowsOnlyTheSwitchNames) {
    EXPECT_EQ(makeSwitch("INPUTFILE", "x"), nullptr);
    EXPECT_EQ(makeSwitch("", "x"), nullptr);
    EXPECT_EQ(makeSwitch("API ", "x"), nullptr);
    const auto java = makeSwitch("Language", "Java");
    ASSERT_NE(java, nullptr);
    EXPECT_EQ(java->key(), "LANGUAGE");
    EXPECT_EQ(java->value(), "Java");
}

// Records its destruction, so that replacement can be observed.
class TracedSwitch : public Switch {
public:
    TracedSwitch(const std::string& key, std::vector<std::string>& log) : Switch(key, ""), log_(log) {}
    ~TracedSwitch() override { log_.push_back("destroyed " + key()); }
    void validate(const SwitchTable&) const override { log_.push_back("validated " + key()); }

private:
    std::vector<std::string>& log_;
};

TEST(SwitchTable, ValidatesInByteOrderOfKeysAndDestroysReplacedSwitches) {
    std::vector<std::string> log;
    std::ostringstream warnings;
    {
        SwitchTable table(warnings);
        for (const char* key : {"TEParser", "OUTIMPL", "LanguageJavaSwitch", "API", "OUTHEADER", "LANGUAGE",
                                "INPUTFILE", "BASEERROR"})
            table.add(std::make_unique<TracedSwitch>(key, log));
        table.add(std::make_unique<TracedSwitch>("API", log));
        EXPECT_EQ(log, std::vector<std::string>{"destroyed API"});
        log.clear();
        table.validate();
        EXPECT_EQ(log, (std::vector<std::string>{"validated API", "validated BASEERROR", "validated INPUTFILE",
                                                 "validated LANGUAGE", "validated LanguageJavaSwitch",
                                                 "validated OUTHEADER", "validated OUTIMPL", "validated TEParser"}));
        log.clear();
    }
    EXPECT_EQ(log.size(), 8u);
    EXPECT_EQ(warnings.str(), warningPrefix + "API\n");
}

TEST(SwitchTable, JavaRulesDoNotRelyOnTheDriversEntries) {
    std::ostringstream warnings;
    SwitchTable table(warnings);
    table.add(std::make_unique<LanguageJavaSwitch>());
    table.add(std::make_unique<Switch>("API", "lib"));
    // Without OUTIMPL the output is not known to be Type.java.
    try {
        table.validate();
        FAIL() << "validation passed";
    } catch (const ConfigurationException& e) {
        EXPECT_EQ(std::string(e.what()), errorPrefix + "with Java Languaje output must be Type.java");
    }
    table.add(std::make_unique<Switch>("OUTIMPL", "Type.java"));
    EXPECT_NO_THROW(table.validate());  // no INPUTFILE: not Type.java
}

}  // namespace
