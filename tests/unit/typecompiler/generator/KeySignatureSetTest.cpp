#include "typecompiler/generator/KeySignatureSet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "typecompiler/model/Method.h"

namespace vastor {
namespace {

std::vector<std::string> keys(const std::string& prefix, std::size_t count) {
    std::vector<std::string> made;
    for (std::size_t i = 0; i < count; ++i) made.push_back(prefix + std::to_string(i) + " (int)");
    return made;
}

// One use of a set: keys added, looked up, listed in order, then cleared and
// filled again, round after round, as a writer does class after class.
struct Case {
    const char* name;
    std::vector<std::string> first;
    /// Each round clears the set, then adds these keys.
    std::vector<std::vector<std::string>> rounds;
    /// The hash the set is given for a key; the real one when empty.
    std::function<std::uint64_t(std::string_view)> hash;
};

std::vector<std::vector<std::string>> repeat(std::size_t times, const std::vector<std::string>& round) {
    return std::vector<std::vector<std::string>>(times, round);
}

std::vector<std::vector<std::string>> oneNewKeyPerRound(std::size_t rounds) {
    std::vector<std::vector<std::string>> made;
    for (std::size_t i = 0; i < rounds; ++i) made.push_back({"round" + std::to_string(i) + " ()"});
    return made;
}

// Adds the keys to an empty set: each is numbered in the order added, is
// found under its number and, added again, is not added twice.
void fill(KeySignatureSet& set, const std::vector<std::string>& added, const Case& c, const std::string& where) {
    ASSERT_EQ(set.size(), 0u) << where;
    for (std::size_t i = 0; i < added.size(); ++i) {
        const auto [index, inserted] = set.insert(added[i], c.hash(added[i]));
        ASSERT_TRUE(inserted) << where << ": " << added[i];
        ASSERT_EQ(index, i) << where << ": " << added[i];
    }
    for (std::size_t i = 0; i < added.size(); ++i) {
        ASSERT_EQ(set.find(added[i], c.hash(added[i])), i) << where << ": " << added[i];
        ASSERT_EQ(set.key(i), added[i]) << where;
        const auto [index, inserted] = set.insert(added[i], c.hash(added[i]));
        ASSERT_FALSE(inserted) << where << ": " << added[i];
        ASSERT_EQ(index, i) << where << ": " << added[i];
    }
    ASSERT_EQ(set.size(), added.size()) << where;
    ASSERT_EQ(set.find("absent ()", c.hash("absent ()")), KeySignatureSet::npos) << where;
}

// A slot left filled by clear() shows here: an old key is found, or a new one
// is refused, or (with every slot taken) the next insert never ends; the cases
// come in an order that fails on the first two before the third can happen.
TEST(KeySignatureSet, NumbersFindsAndForgetsKeysThroughGrowthAndEveryClear) {
    const auto realHash = [](std::string_view key) { return Method::hashKey(key); };
    const Case cases[] = {
        {"one key, cleared and added again", {"f ()"}, repeat(3, {"f ()"}), {}},
        {"the same keys again in another order",
         keys("m", 12),
         {{"m11 (int)", "m3 (int)", "m0 (int)", "m7 (int)"}},
         {}},
        {"growth from 16 slots past 1,000 keys", keys("g", 1000), {keys("h", 1000)}, {}},
        {"every key on one hash: one probe chain",
         keys("c", 40),
         {keys("c", 3), keys("d", 40)},
         [](std::string_view) { return std::uint64_t{7}; }},
        {"two hashes, chains that run into each other",
         keys("t", 30),
         {keys("t", 30)},
         [](std::string_view key) { return std::uint64_t{key.size() % 2 == 0 ? 15u : 0u}; }},
        // The empty key is the one whose text a cleared set no longer spells.
        {"the empty key", keys("e", 20), repeat(3, {"", "g ()"}), {}},
        {"a large set, then small ones of its own keys", keys("big", 20), repeat(80, keys("big", 3)), {}},
        // A class of 20 methods, then 80 classes of one method each: the first
        // clear empties a table of 64 slots at once, each later one slot by slot.
        {"a large set, then many small ones", keys("big", 20), oneNewKeyPerRound(80), {}},
        {"cleared while empty", {}, repeat(2, {}), {}},
    };
    for (Case c : cases) {
        if (!c.hash) c.hash = realHash;
        KeySignatureSet set;
        ASSERT_NO_FATAL_FAILURE(fill(set, c.first, c, c.name));
        std::vector<std::string> previous = c.first;
        for (std::size_t round = 0; round < c.rounds.size(); ++round) {
            const std::string where = std::string(c.name) + ", round " + std::to_string(round + 1);
            set.clear();
            for (const std::string& key : previous)
                ASSERT_EQ(set.find(key, c.hash(key)), KeySignatureSet::npos) << where << ": " << key;
            ASSERT_NO_FATAL_FAILURE(fill(set, c.rounds[round], c, where));
            previous = c.rounds[round];
        }
    }
}

TEST(KeySignatureSet, MethodsAndTextsAreTheSameKeysAndListInUnsignedByteOrder) {
    KeySignatureSet set;
    const Method f("f", "void", {{"int", "a"}}, "");
    EXPECT_TRUE(set.insert("f (int)").inserted);
    EXPECT_TRUE(set.contains(Method("f", "boolean", {{"int", "other"}}, "")));
    EXPECT_EQ(set.insert(f).index, 0u);
    EXPECT_FALSE(set.contains(Method("f", "void", {{"Int", "a"}}, "")));
    for (const char* key : {"\xE9 ()", "g ()", "F (int)", "f ()", "f (int, int)"}) set.insert(key);
    std::vector<std::string> sorted;
    for (const std::size_t i : set.sortedIndices()) sorted.emplace_back(set.key(i));
    EXPECT_EQ(sorted, (std::vector<std::string>{"F (int)", "f ()", "f (int)", "f (int, int)", "g ()", "\xE9 ()"}));
}

}  // namespace
}  // namespace vastor
