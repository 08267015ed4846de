#include "BehaviourScene.h"

#include "foundation/CXRandom.h"
#include "script/CMC_Array.h"
#include "script/CMC_Integer.h"
#include "script/CValueList.h"

#include <algorithm>

using namespace scripttest;

namespace {

// An array double: keeps the values it is given as numbers.
class TestArray : public CMC_Object, public CValueList {
public:
    explicit TestArray(const CXString& name) : CMC_Object(name, script::TYPE_ARRAY) {}
    ~TestArray() override { beginDestruction(); }
    void add(CMC_Variable* value) override { values.push_back(value->toString().toNumber()); }
    std::vector<int> values;
};

class Random : public ScriptScene {
protected:
    void SetUp() override
    {
        ScriptScene::SetUp();
        CXRandom::seed(12345);
        scene->addObject(new CMC_Object("RANDOM", script::TYPE_RANDOM));
        array = new TestArray("A");
        scene->addObject(array);
    }

    int get(std::initializer_list<const char*> literals)
    {
        CMC_Variable* value = call("RANDOM", "GET", literals);
        EXPECT_NE(value, nullptr);
        int number = value != nullptr ? static_cast<CMC_Integer*>(value)->getValue() : -1;
        CMC_Object::flush(value);
        return number;
    }

    std::vector<int> plenty(std::initializer_list<const char*> literals)
    {
        array->values.clear();
        EXPECT_EQ(call("RANDOM", "GETPLENTY", literals), nullptr);
        return array->values;
    }

    TestArray* array = nullptr;
};

TEST_F(Random, GetDrawsWithinItsRange)
{
    EXPECT_EQ(get({}), 0);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(get({"1"}), 0);
        EXPECT_EQ(get({"0"}), 0);
        int below = get({"7"});
        EXPECT_TRUE(below >= 0 && below < 7) << below;
        int ranged = get({"10", "5"});
        EXPECT_TRUE(ranged >= 10 && ranged <= 14) << ranged;
        EXPECT_EQ(get({"-3", "0"}), -3);
        turn(7); // the tick count is part of each draw
    }
}

TEST_F(Random, GetPlentyAppendsCountValuesAndDistinctOnesOnce)
{
    std::vector<int> distinct = plenty({"A", "5", "1", "5", "TRUE"});
    std::sort(distinct.begin(), distinct.end());
    EXPECT_EQ(distinct, (std::vector<int>{1, 2, 3, 4, 5}));

    std::vector<int> repeated = plenty({"A", "50", "3", "2", "FALSE"});
    ASSERT_EQ(repeated.size(), 50u);
    for (int value : repeated)
        EXPECT_TRUE(value == 3 || value == 4) << value;
}

TEST_F(Random, GetPlentyRefusesWhatItCannotDraw)
{
    struct Case {
        std::vector<const char*> arguments;
        const char* why;
    };
    const Case cases[] = {
        {{"A", "0", "1", "5", "FALSE"}, "count 0 appends nothing"},
        {{"A", "-4", "1", "5", "FALSE"}, "a negative count appends nothing"},
        {{"A", "6", "1", "5", "TRUE"}, "six distinct values from five"},
        {{"A", "2", "1", "0", "TRUE"}, "an empty range holds one value"},
        {{"A", "10001", "0", "5", "FALSE"}, "more than one call's table"},
        {{"NOBODY", "3", "0", "5", "FALSE"}, "no such array"},
        {{"A", "3", "0"}, "too few arguments"},
    };
    for (const Case& c : cases) {
        array->values.clear();
        CXVector arguments(101, 0.75f);
        for (const char* literal : c.arguments)
            arguments.add(CMC_Variable::resolve(literal));
        EXPECT_EQ(callWith(object("RANDOM"), "GETPLENTY", &arguments), nullptr);
        EXPECT_TRUE(array->values.empty()) << c.why;
    }
    // One value from a single-valued range is still fine.
    EXPECT_EQ(plenty({"A", "1", "9", "0", "TRUE"}), (std::vector<int>{9}));
}

TEST_F(Random, ObjectsOfOtherTypesAreNotArrays)
{
    scene->addObject(new CMC_Integer("n"));
    array->values.clear();
    EXPECT_EQ(call("RANDOM", "GETPLENTY", {"n", "3", "0", "5", "FALSE"}), nullptr);
    CMC_Variable* name = call("RANDOM", "GETNAME");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->toString(), "RANDOM");
    CMC_Object::flush(name);
}

class RandomLines : public BehaviourScene {};

TEST_F(RandomLines, BehaviourCodeFillsAnArrayAndDraws)
{
    CXRandom::seed(7);
    load(declared("ARR", "ARRAY") + declared("N", "INTEGER"));
    scene->addObject(new CMC_Object("RANDOM", script::TYPE_RANDOM));
    addBehaviour("DRAW", "{RANDOM^GETPLENTY(ARR,5,1,5,TRUE);N^SET(RANDOM^GET(10,5));}");
    runBehaviour("DRAW");
    auto* array = dynamic_cast<CMC_Array*>(object("ARR"));
    ASSERT_NE(array, nullptr);
    std::vector<int> values;
    for (int i = 0; i < array->getSize(); ++i)
        values.push_back(array->get(i)->toString().toNumber());
    std::sort(values.begin(), values.end());
    EXPECT_EQ(values, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_GE(intOf("N"), 10);
    EXPECT_LE(intOf("N"), 14);
    turn();
}

} // namespace
