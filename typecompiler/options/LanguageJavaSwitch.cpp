#include "typecompiler/options/LanguageJavaSwitch.h"

#include "typecompiler/VastorMessages.h"
#include "typecompiler/options/ConfigurationException.h"
#include "typecompiler/options/SwitchTable.h"

namespace vastor {

void LanguageJavaSwitch::validate(const SwitchTable& table) const {
    if (table.find(switchKey::outHeader) != nullptr) throw ConfigurationException(messages::headerWithJava);

    // The driver always puts OUTIMPL and INPUTFILE in; should one be missing,
    // an unknown output is not Type.java and an unknown input is not Type.java.
    const Switch* output = table.find(switchKey::outImpl);
    if (output == nullptr || output->value() != typeJavaFile) throw ConfigurationException(messages::outputNotTypeJava);

    const Switch* input = table.find(switchKey::inputFile);
    if (input != nullptr && input->value() == typeJavaFile) throw ConfigurationException(messages::inputIsTypeJava);

    if (table.find(switchKey::api) == nullptr) throw ConfigurationException(messages::apiNotSet);
}

}  // namespace vastor
