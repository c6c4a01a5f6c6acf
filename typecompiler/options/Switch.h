#pragma once

#include <string>
#include <utility>

namespace vastor {

class SwitchTable;

/// One configuration entry of Vastor: a canonical key and the value typed
/// after the first '=' of its switch.
class Switch {
public:
    Switch(std::string key, std::string value) : value_(std::move(value)), key_(std::move(key)) {}
    virtual ~Switch() = default;

    Switch(const Switch&) = delete;
    Switch& operator=(const Switch&) = delete;

    /// Checks the rules that this switch imposes on the whole table; raises
    /// ConfigurationException when one fails. A plain switch has no rules.
    virtual void validate(const SwitchTable& table) const;

    const std::string& key() const { return key_; }
    const std::string& value() const { return value_; }

private:
    std::string value_;
    std::string key_;
};

}  // namespace vastor
