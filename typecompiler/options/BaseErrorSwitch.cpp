#include "typecompiler/options/BaseErrorSwitch.h"

#include "typecompiler/VastorMessages.h"
#include "typecompiler/options/ConfigurationException.h"
#include "typecompiler/options/SwitchTable.h"

namespace vastor {

void BaseErrorSwitch::validate(const SwitchTable& table) const {
    if (table.find(switchKey::api) == nullptr) throw ConfigurationException(messages::baseErrorWithoutApi);
}

}  // namespace vastor
