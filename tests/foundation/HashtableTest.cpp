#include "foundation/CHashtable.h"
#include "foundation/CInteger.h"
#include "foundation/CStringHashCode.h"
#include "foundation/CStringTokenizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// The values of the table's element list, as the CInteger numbers they are.
std::vector<int> elementNumbers(const CHashtable& table)
{
    std::vector<int> numbers;
    CXVector* elements = table.getElements();
    for (int i = 0; i < elements->getSize(); ++i)
        numbers.push_back(static_cast<CInteger*>(elements->at(i))->toInt());
    return numbers;
}

std::vector<std::unique_ptr<CInteger>> makeValues(int count)
{
    std::vector<std::unique_ptr<CInteger>> values;
    for (int i = 0; i < count; ++i)
        values.push_back(std::make_unique<CInteger>(i));
    return values;
}

// The key of value i, "V" and its number.
std::string keyOf(int i)
{
    std::string key = "V";
    key += std::to_string(i);
    return key;
}

TEST(CHashtable, GrowsAtThe76thPutOf101Buckets)
{
    auto values = makeValues(76);
    CHashtable table(101, 0.75, true);
    for (int i = 0; i < 75; ++i)
        table.put(new CInteger(i), values[static_cast<size_t>(i)].get());
    EXPECT_EQ(table.getBucketCount(), 101);
    table.put(new CInteger(75), values[75].get());
    EXPECT_EQ(table.getBucketCount(), 202);
    EXPECT_EQ(table.getSize(), 76);
    for (int i = 0; i < 76; ++i) {
        CInteger key(i);
        ASSERT_EQ(table.get(&key), values[static_cast<size_t>(i)].get());
    }
}

TEST(CHashtable, ElementsInPutOrderUntilGrowthThenInBucketOrder)
{
    auto values = makeValues(8);
    CHashtable table(4, 0.75, true);
    for (int key : {7, 2, 5}) // 4 buckets: 7 -> 3, 2 -> 2, 5 -> 1
        table.put(new CInteger(key), values[static_cast<size_t>(key)].get());
    EXPECT_EQ(elementNumbers(table), (std::vector<int>{7, 2, 5}));
    table.put(new CInteger(1), values[1].get()); // 3 < 4 entries: grows to 8 buckets first
    EXPECT_EQ(table.getBucketCount(), 8);
    EXPECT_EQ(elementNumbers(table), (std::vector<int>{5, 2, 7, 1}));

    std::unique_ptr<CXVector> keys(table.getKeys()); // bucket order of 8 buckets
    ASSERT_EQ(keys->getSize(), 4);
    const int expectedKeys[] = {1, 2, 5, 7};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(static_cast<CInteger*>(keys->at(i))->toInt(), expectedKeys[i]);
}

TEST(CHashtable, EqualKeysAreKeptAndTheFirstWins)
{
    auto values = makeValues(2);
    CHashtable table(101, 0.75, true);
    table.put(new CStringHashCode("ONCLICK"), values[0].get());
    table.put(new CStringHashCode("ONCLICK"), values[1].get());
    EXPECT_EQ(table.getSize(), 2);
    CStringHashCode query("ONCLICK"); // another object with the same text
    EXPECT_EQ(table.get(&query), values[0].get());
    table.remove(values[0].get());
    EXPECT_EQ(table.get(&query), values[1].get());
    EXPECT_FALSE(table.contains(values[0].get()));
    EXPECT_TRUE(table.contains(values[1].get()));
}

TEST(CHashtable, ThousandsOfTextsOfFewHashCodesAreFoundAndRemovedInListOrder)
{
    // "V0" ... "V2999" share a few hundred positional hash codes; one value is held under two keys.
    constexpr int kNames = 3000;
    auto values = makeValues(kNames);
    CHashtable table(101, 1.0, true);
    for (int i = 0; i < kNames; ++i)
        table.put(new CStringHashCode(keyOf(i).c_str()), values[static_cast<size_t>(i)].get());
    table.put(new CStringHashCode("again"), values[7].get());
    ASSERT_GT(table.getBucketCount(), 101);
    for (int i = 0; i < kNames; i += 7) {
        CStringHashCode query(keyOf(i).c_str());
        ASSERT_EQ(table.get(&query), values[static_cast<size_t>(i)].get()) << i;
    }
    // Each removal takes the value's first place in the list, whatever its bucket.
    for (int step = 0; step < kNames; ++step) {
        const int removed = (step * 1237) % kNames;
        std::vector<int> expected = elementNumbers(table);
        expected.erase(std::find(expected.begin(), expected.end(), removed));
        table.remove(values[static_cast<size_t>(removed)].get());
        if (step % 101 == 0 || removed == 7) {
            ASSERT_EQ(elementNumbers(table), expected) << step;
        }
        CStringHashCode query(keyOf(removed).c_str());
        ASSERT_EQ(table.get(&query), nullptr) << removed;
    }
    CStringHashCode again("again");
    EXPECT_EQ(table.get(&again), values[7].get());
    EXPECT_EQ(elementNumbers(table), std::vector<int>({7}));
}

TEST(CHashtable, CollisionsInOneBucket)
{
    auto values = makeValues(2);
    CHashtable table(101, 0.75, true);
    table.put(new CInteger(3), values[0].get());
    table.put(new CInteger(104), values[1].get()); // 104 % 101 == 3
    CInteger three(3);
    CInteger other(104);
    EXPECT_EQ(table.get(&three), values[0].get());
    EXPECT_EQ(table.get(&other), values[1].get());
    table.remove(values[0].get());
    EXPECT_EQ(table.get(&three), nullptr);
    EXPECT_EQ(table.get(&other), values[1].get());
    table.remove(values[1].get());
    table.remove(values[1].get()); // gone already: nothing happens
    EXPECT_EQ(table.getSize(), 0);
    EXPECT_EQ(table.getKeys(), nullptr);
    EXPECT_EQ(table.get(&other), nullptr);
}

TEST(CHashtable, NegativeHashCodesFindABucketBeforeAndAfterGrowth)
{
    const char polishL[] = "\xA3"; // Ł: a byte above 127 counts negative
    EXPECT_LT(CStringHashCode(polishL).getHashcode(), 0);
    auto values = makeValues(20);
    CHashtable table(3, 0.75, true);
    table.put(new CStringHashCode(polishL), values[0].get());
    for (int i = 1; i < 20; ++i)
        table.put(new CInteger(-i * 7919), values[static_cast<size_t>(i)].get());
    EXPECT_GT(table.getBucketCount(), 3);
    CStringHashCode polishKey(polishL);
    EXPECT_EQ(table.get(&polishKey), values[0].get());
    for (int i = 1; i < 20; ++i) {
        CInteger key(-i * 7919);
        ASSERT_EQ(table.get(&key), values[static_cast<size_t>(i)].get()) << i;
    }
}

TEST(CHashtable, OwnershipClearAndClone)
{
    auto values = makeValues(3);
    auto* table = new CHashtable(11, 0.75, true);
    auto* shared = new CInteger(1);
    table->put(shared, values[0].get());
    table->put(shared, values[1].get()); // the same key object twice is deleted once
    table->put(new CStringHashCode("x"), values[2].get());
    table->put(nullptr, values[2].get()); // refused
    EXPECT_EQ(table->getSize(), 3);

    std::unique_ptr<CHashtable> copy(static_cast<CHashtable*>(table->clone()));
    EXPECT_EQ(copy->getSize(), 3);
    EXPECT_EQ(copy->get(shared), values[0].get());
    copy->clear(); // does not own the keys: deletes none

    table->remove(values[0].get()); // the key is still held by the other entry
    EXPECT_EQ(table->get(shared), values[1].get());
    table->removeAll();
    EXPECT_EQ(table->getSize(), 0);
    EXPECT_TRUE(table->getElements()->isEmpty());
    table->put(new CInteger(9), values[0].get());
    delete table; // deletes the last key, never the values
    EXPECT_EQ(values[0]->toInt(), 0);
}

TEST(HashKeys, StringHashAndIntegerKeys)
{
    EXPECT_EQ(CStringHashCode("ON").getHashcode(), 238);
    EXPECT_EQ(CStringHashCode("").getHashcode(), 0);
    // Past 16 characters the shift starts again at 1.
    std::string seventeen(17, 'A');
    int expected = 0;
    for (int i = 0; i < 17; ++i)
        expected += (1 << (i % 16)) + (i + 1) * 'A';
    EXPECT_EQ(CStringHashCode(seventeen.c_str()).getHashcode(), expected);

    CStringHashCode key("short");
    std::string longText(100, 'q');
    key.set(longText.c_str());
    EXPECT_EQ(key.getString(), longText.c_str());
    EXPECT_EQ(key.getHashcode(), CStringHashCode(longText.c_str()).getHashcode());
    EXPECT_FALSE(key.equals(nullptr));
    CInteger notAString(5);
    EXPECT_FALSE(key.equals(&notAString));

    CInteger seven(7);
    CInteger alsoSeven(7);
    EXPECT_TRUE(seven.equals(&alsoSeven));
    EXPECT_FALSE(seven.equals(&key));
    EXPECT_EQ(CInteger(CXString("12abc")).toInt(), 12);
    CInteger counter(2147483647);
    counter.increment();
    EXPECT_EQ(counter.toInt(), -2147483647 - 1);
    counter.decrement();
    counter.parse("-3");
    EXPECT_EQ(counter.getHashcode(), -3);
    EXPECT_EQ(CInteger::toString(-3), "-3");
}

TEST(CStringTokenizer, RunsOfSeparatorsCountAsOne)
{
    struct Case {
        const char* text;
        const char* separators;
        std::vector<std::string> tokens;
    };
    const Case cases[] = {
        {",,a,,b,", ",", {"a", "b"}},
        {"a b\tc", " \t", {"a", "b", "c"}},
        {"", ",", {}},
        {",,,", ",", {}},
        {"whole text", "", {"whole text"}},
        {"10,20.30|40", ".|, ", {"10", "20", "30", "40"}},
    };
    for (const Case& c : cases) {
        CStringTokenizer tokens(c.text, c.separators);
        std::vector<std::string> read;
        while (tokens.hasMoreTokens())
            read.push_back(tokens.nextToken().c_str());
        EXPECT_EQ(read, c.tokens) << c.text;
        EXPECT_EQ(tokens.nextToken(), "");
    }
    CStringTokenizer tokens("x", ";,");
    EXPECT_TRUE(tokens.isSeparator(','));
    EXPECT_FALSE(tokens.isSeparator('x'));
    EXPECT_FALSE(tokens.isSeparator('\0'));
}

} // namespace
