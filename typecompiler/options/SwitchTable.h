#pragma once

#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "typecompiler/options/Switch.h"

namespace vastor {

/// Vastor's configuration: switches by canonical key, in byte order of the
/// keys ("API" < "BASEERROR" < ... < "LanguageJavaSwitch" < ... < "TEParser").
class SwitchTable {
public:
    /// Override warnings go to the given stream (standard error in the tool).
    explicit SwitchTable(std::ostream& warnings) : warnings_(warnings) {}

    SwitchTable(const SwitchTable&) = delete;
    SwitchTable& operator=(const SwitchTable&) = delete;

    /// Stores the switch under its key and takes ownership of it. A switch
    /// already under that key is replaced (and destroyed) after the warning
    /// "Vastor Switch Warning: Overriding existing switch <key>" and a newline.
    /// The switch must not be null.
    void add(std::unique_ptr<Switch> entry);

    /// The switch stored under exactly this key, or null.
    const Switch* find(const std::string& key) const;

    /// Validates every switch in ascending key order; the first failing rule
    /// raises ConfigurationException.
    void validate() const;

private:
    std::ostream& warnings_;
    std::map<std::string, std::unique_ptr<Switch>> switches_;
};

}  // namespace vastor
