#include "typecompiler/driver/BaseErrorSwitch.h"

#include "common/ConfigurationException.h"
#include "typecompiler/driver/SwitchTable.h"

namespace vastor {

void BaseErrorSwitch::validate(const SwitchTable& table) const {
    if (table.find("API") == nullptr)
        throw common::ConfigurationException("no API location especified with baseError Flag");
}

}  // namespace vastor
