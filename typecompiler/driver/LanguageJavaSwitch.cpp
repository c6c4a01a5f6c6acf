#include "typecompiler/driver/LanguageJavaSwitch.h"

#include "common/ConfigurationException.h"
#include "typecompiler/driver/SwitchTable.h"

namespace vastor {

void LanguageJavaSwitch::validate(const SwitchTable& table) const {
    if (table.find("OUTHEADER") != nullptr) throw common::ConfigurationException("no header file with Language Java");

    // The driver always puts OUTIMPL and INPUTFILE in; should one be missing,
    // an unknown output is not Type.java and an unknown input is not Type.java.
    const Switch* output = table.find("OUTIMPL");
    if (output == nullptr || output->value() != "Type.java")
        throw common::ConfigurationException("with Java Languaje output must be Type.java");

    const Switch* input = table.find("INPUTFILE");
    if (input != nullptr && input->value() == "Type.java")
        throw common::ConfigurationException("with Java Languaje output must be Type.java cannot use Type.java as input");

    if (table.find("API") == nullptr) throw common::ConfigurationException("CLASSPATH or API flag not set");
}

}  // namespace vastor
