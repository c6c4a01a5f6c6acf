#pragma once

#include <memory>
#include <string>

#include "typecompiler/options/Switch.h"
#include "typecompiler/options/SwitchTable.h"

namespace vastor {

/// Parses one command-line argument of the form -name=value and adds the
/// switch made from it to the table. Raises ConfigurationException when the
/// argument does not begin with '-', has no '=' or names no known switch.
void parseSwitch(const std::string& argument, SwitchTable& table);

/// Makes the switch for a name and value typed on the command line, or
/// returns null for an unknown name. Names and the LANGUAGE value are
/// compared ignoring the case of A to Z; the key is always canonical.
std::unique_ptr<Switch> makeSwitch(const std::string& name, const std::string& value);

/// Adds the defaults LANGUAGE=JAVA and then OUTIMPL=Type.java.
void addDefaultSwitches(SwitchTable& table);

}  // namespace vastor
