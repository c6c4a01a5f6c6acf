#pragma once

#include "typecompiler/options/Switch.h"
#include "typecompiler/options/SwitchKeys.h"

namespace vastor {

/// Made for a -language switch that names anything but JAVA. Java is the
/// only output language, so this switch enforces the Java output rules.
class LanguageJavaSwitch : public Switch {
public:
    LanguageJavaSwitch() : Switch(switchKey::languageJava, javaLanguage) {}

    /// Raises on the first broken rule, in this order: no OUTHEADER, OUTIMPL
    /// exactly "Type.java", INPUTFILE not exactly "Type.java", API present.
    void validate(const SwitchTable& table) const override;
};

}  // namespace vastor
