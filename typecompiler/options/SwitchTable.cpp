#include "typecompiler/options/SwitchTable.h"

#include "typecompiler/VastorMessages.h"

namespace vastor {

void SwitchTable::add(std::unique_ptr<Switch> entry) {
    const std::string& key = entry->key();
    auto found = switches_.find(key);
    if (found == switches_.end()) {
        switches_.emplace(key, std::move(entry));
        return;
    }
    warnings_ << messages::overridingSwitch(key) << std::flush;
    found->second = std::move(entry);
}

const Switch* SwitchTable::find(const std::string& key) const {
    auto found = switches_.find(key);
    return found == switches_.end() ? nullptr : found->second.get();
}

void SwitchTable::validate() const {
    for (const auto& [key, entry] : switches_) entry->validate(*this);
}

}  // namespace vastor
