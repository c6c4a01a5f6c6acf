#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vastor {

class Method;

/// A set of key signatures that numbers them in the order they were first
/// added (0, 1, 2, ...), so that a writer can keep what belongs to a key in a
/// plain vector. Looks keys up by hash, with the hash a Method computes once
/// for its key signature: a look-up costs one hash probe and, on a hit, one
/// comparison of the key's bytes. The keys' texts live in one shared string.
/// Ordered sets of strings spent far more comparing keys
/// (benchmarks/RESULTS.md).
class KeySignatureSet {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    /// The number of the key, or npos when it is not in the set.
    std::size_t find(std::string_view key, std::uint64_t hash) const;
    std::size_t find(const Method& method) const;
    bool contains(const Method& method) const { return find(method) != npos; }

    /// Adds the key unless present; its number, and whether it was added.
    struct Insertion {
        std::size_t index;
        bool inserted;
    };
    Insertion insert(std::string_view key, std::uint64_t hash);
    Insertion insert(const Method& method);
    Insertion insert(std::string_view key);

    /// The text of key number index.
    std::string_view key(std::size_t index) const {
        const Entry& entry = entries_[index];
        return {keys_.data() + entry.offset, entry.length};
    }
    std::size_t size() const { return entries_.size(); }

    /// Forgets every key, in time proportional to their number.
    void clear();

    /// The numbers of the keys in ascending byte order of their texts.
    std::vector<std::size_t> sortedIndices() const;

private:
    // Sixteen bytes: a table's slots are numbered below 2^32 anyway, so the
    // low half of the hash chooses them as well as the whole would.
    struct Entry {
        std::uint32_t hash;
        std::uint32_t length;
        std::size_t offset;
    };

    bool matches(std::size_t index, std::string_view key, std::uint32_t hash) const {
        return entries_[index].hash == hash && this->key(index) == key;
    }
    /// The slot that holds key number index: the probe from its hash goes on
    /// past empty slots until it meets the key.
    std::size_t slotOf(std::size_t index) const;
    void grow();

    std::vector<Entry> entries_;
    /// Each slot holds 0 (empty) or 1 + the number of a key; open addressing
    /// with linear probing, at most half full.
    std::vector<std::uint32_t> slots_;
    std::string keys_;
};

}  // namespace vastor
