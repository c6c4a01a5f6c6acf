#include "typecompiler/generator/KeySignatureSet.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "typecompiler/model/Method.h"

namespace vastor {

std::size_t KeySignatureSet::find(std::string_view key, std::uint64_t fullHash) const {
    if (slots_.empty()) return npos;
    const auto hash = static_cast<std::uint32_t>(fullHash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = static_cast<std::size_t>(hash) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t held = slots_[slot];
        if (held == 0) return npos;
        if (matches(held - 1, key, hash)) return held - 1;
    }
}

std::size_t KeySignatureSet::find(const Method& method) const { return find(method.keySignature(), method.keyHash()); }

KeySignatureSet::Insertion KeySignatureSet::insert(std::string_view key, std::uint64_t fullHash) {
    if (key.size() > std::numeric_limits<std::uint32_t>::max() ||
        entries_.size() >= std::numeric_limits<std::uint32_t>::max() / 2) {
        throw std::length_error("key signature set");
    }
    if (2 * (entries_.size() + 1) > slots_.size()) grow();
    const auto hash = static_cast<std::uint32_t>(fullHash);
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = static_cast<std::size_t>(hash) & mask;
    for (;; slot = (slot + 1) & mask) {
        const std::uint32_t held = slots_[slot];
        if (held == 0) break;
        if (matches(held - 1, key, hash)) return {held - 1, false};
    }
    const std::size_t index = entries_.size();
    entries_.push_back(Entry{hash, static_cast<std::uint32_t>(key.size()), keys_.size()});
    keys_.append(key);
    slots_[slot] = static_cast<std::uint32_t>(index + 1);
    return {index, true};
}

KeySignatureSet::Insertion KeySignatureSet::insert(const Method& method) {
    return insert(method.keySignature(), method.keyHash());
}

KeySignatureSet::Insertion KeySignatureSet::insert(std::string_view key) { return insert(key, Method::hashKey(key)); }

void KeySignatureSet::grow() {
    std::vector<std::uint32_t> slots(slots_.empty() ? 16 : 2 * slots_.size(), 0);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        std::size_t slot = static_cast<std::size_t>(entries_[index].hash) & mask;
        while (slots[slot] != 0) slot = (slot + 1) & mask;
        slots[slot] = static_cast<std::uint32_t>(index + 1);
    }
    slots_.swap(slots);
}

std::size_t KeySignatureSet::slotOf(std::size_t index) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = static_cast<std::size_t>(entries_[index].hash) & mask;
    while (slots_[slot] != index + 1) slot = (slot + 1) & mask;
    return slot;
}

void KeySignatureSet::clear() {
    if (8 * entries_.size() >= slots_.size()) {
        std::fill(slots_.begin(), slots_.end(), 0);
    } else {
        // slotOf passes over empty slots, so a key's slot is still found
        // after the slots of the keys before it have been emptied.
        for (std::size_t index = 0; index < entries_.size(); ++index) slots_[slotOf(index)] = 0;
    }
    entries_.clear();
    keys_.clear();
}

std::vector<std::size_t> KeySignatureSet::sortedIndices() const {
    std::vector<std::size_t> order(entries_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) { return key(a) < key(b); });
    return order;
}

}  // namespace vastor
