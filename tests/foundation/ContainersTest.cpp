#include "foundation/CFifoQuene.h"
#include "foundation/CLifoQuene.h"
#include "foundation/CQuene.h"
#include "foundation/CSortedVector.h"
#include "foundation/CStringArray.h"
#include "foundation/CTextHolder.h"
#include "foundation/CXArray.h"
#include "foundation/CXFifoQuene.h"
#include "foundation/CXLifoQuene.h"
#include "foundation/CXPair.h"
#include "foundation/CXQuene.h"
#include "foundation/CXTriple.h"
#include "foundation/CXVector.h"

#include <gtest/gtest.h>

#include <memory>
#include <typeinfo>
#include <vector>

namespace {

// An element ordered by a number; `tag` tells equal numbers apart.
struct Numbered : CXObject {
    Numbered(int n, char t) : number(n), tag(t) {}
    int compare(const CXObject* other) const override
    {
        int theirs = static_cast<const Numbered*>(other)->number;
        return number > theirs ? 1 : (number < theirs ? -1 : 0);
    }
    int number;
    char tag;
};

struct TextValue : CXObject, CTextHolder {
    explicit TextValue(const char* t) : text(t) {}
    CXString getTextValue() const override { return text; }
    CXString text;
};

std::vector<std::unique_ptr<CXObject>> makeObjects(int count)
{
    std::vector<std::unique_ptr<CXObject>> objects;
    for (int i = 0; i < count; ++i)
        objects.push_back(std::make_unique<CXObject>());
    return objects;
}

TEST(CXVector, DoublesWhenTheCountPassesTheLoad)
{
    auto objects = makeObjects(152);
    CXVector vector(101, 0.75f);
    for (int i = 0; i < 152; ++i) {
        vector.add(objects[static_cast<size_t>(i)].get());
        int expected = i + 1 >= 152 ? 404 : (i + 1 >= 76 ? 202 : 101);
        ASSERT_EQ(vector.getCapacity(), expected) << "after add " << i + 1;
    }
    EXPECT_EQ(vector.getSize(), 152);
    for (int i = 0; i < 152; ++i)
        ASSERT_EQ(vector[i], objects[static_cast<size_t>(i)].get());
    EXPECT_EQ(vector[152], nullptr);
    EXPECT_EQ(vector.at(-1), nullptr);
}

TEST(CXVector, RemovalsReplaceAndInsert)
{
    auto objects = makeObjects(5);
    CXObject* a = objects[0].get();
    CXObject* b = objects[1].get();
    CXObject* c = objects[2].get();
    CXObject* absent = objects[3].get();
    CXVector vector(1, 0.75f);
    vector.add(a);
    vector.add(b);
    vector.add(c);
    vector.removeAt(3);
    vector.removeAt(-1);
    vector.remove(absent);
    EXPECT_EQ(vector.getSize(), 3);
    EXPECT_FALSE(vector.replace(absent, a));
    EXPECT_TRUE(vector.replace(b, absent));
    EXPECT_EQ(vector.find(absent), 1);
    EXPECT_EQ(vector.setAt(1, b), absent);
    EXPECT_EQ(vector.setAt(3, a), nullptr);
    vector.remove(a);
    EXPECT_EQ(vector[0], b);
    EXPECT_FALSE(vector.contains(a));
    vector.insertAt(0, a);
    vector.insertAt(99, objects[4].get()); // clamped to the end
    vector.insertAt(-5, absent);           // clamped to the front
    const CXObject* expected[] = {absent, a, b, c, objects[4].get()};
    ASSERT_EQ(vector.getSize(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(vector[i], expected[i]) << i;
    // Enough room is kept after inserts that later adds never run past the slots.
    for (int i = 0; i < 50; ++i)
        vector.insertAt(i % 3, a);
    vector.add(b);
    EXPECT_EQ(vector.getSize(), 56);
    vector.removeAll();
    EXPECT_TRUE(vector.isEmpty());
}

TEST(CXVector, AddAllCopyIntoAndClone)
{
    auto objects = makeObjects(3);
    CXVector vector(2, 0.75f);
    for (auto& object : objects)
        vector.add(object.get());
    vector.add(&vector); // its own elements, counted before appending
    ASSERT_EQ(vector.getSize(), 6);
    EXPECT_EQ(vector[5], objects[2].get());
    vector.add(static_cast<CXVector*>(nullptr));

    CXVector small(1, 0.75f);
    vector.copyInto(&small);
    ASSERT_EQ(small.getSize(), 6);
    EXPECT_EQ(small[3], objects[0].get());
    small.add(objects[0].get());
    EXPECT_EQ(small.getSize(), 7);

    CSortedVector sorted(10);
    sorted.add(objects[0].get());
    std::unique_ptr<CXObject> copy(sorted.clone());
    auto* plain = dynamic_cast<CXVector*>(copy.get());
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(typeid(*plain), typeid(CXVector));
    EXPECT_EQ(plain->getCapacity(), 10);
    EXPECT_EQ((*plain)[0], objects[0].get());
}

TEST(CXArray, SparseSlotsAndGrowthByIndex)
{
    int values[3] = {};
    CXArray array(101, 0.75f);
    EXPECT_EQ(array.setAt(200, &values[0]), nullptr);
    EXPECT_EQ(array.getCapacity(), 404);
    EXPECT_EQ(array.getSize(), 0);
    EXPECT_EQ(array[200], &values[0]);
    EXPECT_EQ(array.setAt(200, &values[1]), &values[0]);
    EXPECT_EQ(array.setAt(-1, &values[0]), nullptr);
    EXPECT_EQ(array.setAt(1 << 30, &values[0]), nullptr); // beyond what an index may grow to
    EXPECT_LE(array.getCapacity(), 1 << 25);
    EXPECT_EQ(array[404], nullptr);
    EXPECT_EQ(array[-1], nullptr);

    std::unique_ptr<CXObject> copy(array.clone());
    auto* cloned = dynamic_cast<CXArray*>(copy.get());
    ASSERT_NE(cloned, nullptr);
    EXPECT_EQ((*cloned)[200], &values[1]);
    EXPECT_EQ(cloned->getCapacity(), array.getCapacity());

    // A list never written has no slots yet: it reads, copies and grows as one with empty slots.
    CXArray fresh(4, 0.75f);
    EXPECT_EQ(fresh[2], nullptr);
    std::unique_ptr<CXObject> freshCopy(fresh.clone());
    EXPECT_EQ((*static_cast<CXArray*>(freshCopy.get()))[2], nullptr);
    CXVector none(1, 0.75f);
    none.add(&none);
    none.copyInto(&none);
    EXPECT_EQ(none.getSize(), 0);
    EXPECT_EQ(fresh.setAt(10, &values[2]), nullptr);
    EXPECT_EQ(fresh.getCapacity(), 16);
    EXPECT_EQ(fresh[10], &values[2]);
    EXPECT_EQ(fresh[9], nullptr);
}

TEST(CXArray, InsertRemoveAndStrings)
{
    int v[4] = {};
    CXArray array(1, 0.75f);
    array.add(&v[0]);
    array.add(&v[2]);
    array.insertAt(1, &v[1]);
    array.insertAt(-1, &v[3]);
    ASSERT_EQ(array.getSize(), 3);
    EXPECT_EQ(array[1], &v[1]);
    EXPECT_EQ(array.indexOf(&v[2]), 2);
    array.remove(&v[1]);
    EXPECT_EQ(array[1], &v[2]);
    EXPECT_TRUE(array.replace(&v[2], &v[3]));
    EXPECT_TRUE(array.contains(&v[3]));

    CXString first("first");
    CXArray strings(4, 0.75f);
    strings.add(&first);
    EXPECT_EQ(strings.stringAt(0), &first);
    EXPECT_EQ(strings.stringAt(1), nullptr);
    EXPECT_EQ(strings.stringAt(-1), nullptr);
}

TEST(CXArray, ContainsStringAsksTextHolders)
{
    TextValue alpha("Alpha");
    TextValue polish("\xA3\xF3" "d\x9F");
    CXObject plain;
    CXArray array(5, 0.75f);
    array.add(static_cast<CXObject*>(&plain));
    array.add(static_cast<void*>(nullptr));
    array.add(static_cast<CXObject*>(&alpha));
    array.add(static_cast<CXObject*>(&polish));
    EXPECT_TRUE(array.containsString("ALPHA"));
    EXPECT_TRUE(array.containsString("\xA3\xD3" "D\x8F"));
    EXPECT_FALSE(array.containsString("Alph"));
    EXPECT_FALSE(array.containsString(""));
}

TEST(CSortedVector, OrdersByCompareAndKeepsTiesInInsertionOrder)
{
    Numbered five(5, 'a');
    Numbered one(1, 'b');
    Numbered threeFirst(3, 'c');
    Numbered threeSecond(3, 'd');
    CSortedVector sorted(2);
    for (Numbered* n : {&five, &one, &threeFirst, &threeSecond})
        sorted.add(n);
    const Numbered* expected[] = {&one, &threeFirst, &threeSecond, &five};
    ASSERT_EQ(sorted.getSize(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(sorted[i], expected[i]) << i;

    std::unique_ptr<CSortedVector> reversed(sorted.reverse());
    const Numbered* expectedReversed[] = {&one, &threeSecond, &threeFirst, &five};
    ASSERT_EQ(reversed->getSize(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ((*reversed)[i], expectedReversed[i]) << i;
    std::unique_ptr<CSortedVector> emptyReversed(CSortedVector(1).reverse());
    EXPECT_TRUE(emptyReversed->isEmpty());
}

TEST(Queues, FifoAndLifoOfBothFamilies)
{
    int v[3] = {};
    CFifoQuene fifo;
    CLifoQuene lifo;
    CQuene plain;
    for (int& x : v) {
        fifo.push(&x);
        lifo.push(&x);
        plain.push(&x);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(fifo.pop(), &v[i]);
        EXPECT_EQ(lifo.pop(), &v[2 - i]);
        EXPECT_EQ(plain.pop(), &v[i]);
    }
    EXPECT_EQ(fifo.pop(), nullptr);
    EXPECT_EQ(lifo.pop(), nullptr);
    EXPECT_EQ(plain.pop(), nullptr);

    auto objects = makeObjects(3);
    CXFifoQuene xfifo;
    CXLifoQuene xlifo;
    for (auto& object : objects) {
        xfifo.push(object.get());
        xlifo.push(object.get());
    }
    EXPECT_EQ(xfifo.getCapacity(), 101);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(xfifo.pop(), objects[static_cast<size_t>(i)].get());
        EXPECT_EQ(xlifo.pop(), objects[static_cast<size_t>(2 - i)].get());
    }
    EXPECT_EQ(xfifo.pop(), nullptr);
    EXPECT_EQ(xlifo.pop(), nullptr);
}

TEST(PairsAndTriples, KeepPointersAndALowerCasedName)
{
    int a = 0;
    int b = 0;
    CXPair named("MyName\xA3", &a);
    EXPECT_EQ(named.getName(), "myname\xB3");
    EXPECT_EQ(named.getFirst(), &a);
    EXPECT_EQ(named.getSecond(), &a);
    named.setSecond(&b);
    std::unique_ptr<CXPair> copy(static_cast<CXPair*>(named.clone()));
    EXPECT_EQ(copy->getName(), "cloned");
    EXPECT_EQ(copy->getFirst(), &a);
    EXPECT_EQ(copy->getSecond(), &b);
    EXPECT_EQ(CXPair(&b, &a).getName(), "");

    CXTriple triple(&a, &b, nullptr);
    triple.setThird(&a);
    std::unique_ptr<CXTriple> tripleCopy(static_cast<CXTriple*>(triple.clone()));
    EXPECT_EQ(tripleCopy->getFirst(), &a);
    EXPECT_EQ(tripleCopy->getSecond(), &b);
    EXPECT_EQ(tripleCopy->getThird(), &a);
}

TEST(CStringArray, OwnsItsStringsAndComparesTexts)
{
    CStringArray unique(true);
    unique.add("ABC");
    unique.add("Abc");
    EXPECT_EQ(unique.getSize(), 1);
    unique.remove("abc"); // removal compares exactly
    EXPECT_EQ(unique.getSize(), 1);
    EXPECT_TRUE(unique.contains("aBc"));

    CStringArray list;
    list.add("x");
    list.add("y");
    list.add("x");
    EXPECT_EQ(list.getSize(), 3);
    list.remove("x");
    ASSERT_EQ(list.getSize(), 1);
    EXPECT_EQ(*list.getAt(0), "y");
    EXPECT_EQ(list.getAt(1), nullptr);
    list.add("z");
    list.removeAll();
    EXPECT_EQ(list.getSize(), 0);
    list.add("left for the destructor");
}

} // namespace
