#pragma once

#include "typecompiler/options/Switch.h"
#include "typecompiler/options/SwitchKeys.h"

namespace vastor {

/// The -baseError switch: names the base class of the generated
/// TypeException and therefore needs the API location.
class BaseErrorSwitch : public Switch {
public:
    explicit BaseErrorSwitch(std::string value) : Switch(switchKey::baseError, std::move(value)) {}

    /// Raises when the table has no "API" entry.
    void validate(const SwitchTable& table) const override;
};

}  // namespace vastor
