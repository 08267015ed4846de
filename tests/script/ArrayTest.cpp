#include "DataScene.h"

#include "foundation/CXRandom.h"
#include "script/CMC_Integer.h"

#include <set>

using namespace scripttest;

namespace {

class Arrays : public DataScene {
protected:
    // Runs a method with the given argument objects (declared variables, other objects); none of
    // them is given back to a pool.
    CMC_Variable* callWithObjects(CMC_Object* target, const char* method, std::initializer_list<CXObject*> objects)
    {
        CXVector arguments(101, 0.75f);
        for (CXObject* argument : objects)
            arguments.add(argument);
        CMC_Runner* runner = CMC_RunnerFactory::getRunnerFor(target);
        return runner->run(method, target, scene, &arguments);
    }
};

TEST_F(Arrays, AddStoresCopiesThatKeepTheirOwnTypes)
{
    load("OBJECT=n\nn:TYPE=INTEGER\nn:VALUE=5\n");
    CMC_Array* arr = arrayOf({"1", "\"a\"", "TRUE", "2.5"});
    EXPECT_EQ(elementsOf(arr), "INTEGER:1|STRING:a|BOOL:TRUE|DOUBLE:2.50000");

    CMC_Variable* n = scene->getVariable("n");
    CMC_Object::flush(callWithObjects(arr, "ADD", {n}));
    CMC_Object::flush(call(n, "SET", {"9"}));
    CMC_Object::flush(call(n, "ADDTOARRAY", {"arr"}));
    EXPECT_EQ(elementsOf(arr), "INTEGER:1|STRING:a|BOOL:TRUE|DOUBLE:2.50000|INTEGER:5|INTEGER:9");
    for (int i = 0; i < arr->getSize(); ++i) {
        EXPECT_EQ(arr->get(i)->getId(), -1) << "a pooled temporary would change under the array";
        EXPECT_NE(arr->get(i), n);
    }
    // Pooled arguments are copied too: a turn later the pools lend their slots again.
    turn();
    for (int i = 0; i < 600; ++i)
        CMC_Object::flush(CMC_VariableFactory::makeInteger(-i));
    EXPECT_EQ(typed(arr->get(0)), "INTEGER:1");
    // Objects that are not values are not added.
    CMC_Object::flush(callWithObjects(arr, "ADD", {arr}));
    EXPECT_EQ(arr->getSize(), 6);
}

TEST_F(Arrays, ChangesRaiseTheSpecificSignalOfTheIndexElseThePlainOne)
{
    load("OBJECT=plain\nplain:TYPE=BEHAVIOUR\nOBJECT=first\nfirst:TYPE=BEHAVIOUR\n"
         "OBJECT=at0\nat0:TYPE=BEHAVIOUR\nOBJECT=at1\nat1:TYPE=BEHAVIOUR\nOBJECT=at2\nat2:TYPE=BEHAVIOUR\n");
    CMC_Array* arr = make<CMC_Array>("OBJECT=arr\narr:TYPE=ARRAY\narr:SENDONCHANGE=TRUE\narr:ONCHANGED=plain\n"
                                     "arr:ONCHANGED^-1=first\narr:ONCHANGED^0=at0\narr:ONCHANGED^1=at1\narr:ONCHANGED^2=at2\n",
                                     "arr");
    using Log = std::vector<std::string>;
    // An addition reports one less than the new element's index.
    EXPECT_EQ(signalsOf(arr, "ADD", {"1"}), (Log{"first(arr)"}));
    EXPECT_EQ(signalsOf(arr, "ADD", {"2"}), (Log{"at0(arr)"}));
    EXPECT_EQ(signalsOf(arr, "ADD", {"3"}), (Log{"at1(arr)"}));
    EXPECT_EQ(signalsOf(arr, "SWAP", {"0", "2"}), (Log{"at0(arr)", "at2(arr)"}));
    EXPECT_EQ(signalsOf(arr, "CHANGEAT", {"1", "5"}), (Log{"at1(arr)"}));
    EXPECT_EQ(signalsOf(arr, "INSERTAT", {"0", "7"}), (Log{"at0(arr)"}));
    EXPECT_EQ(signalsOf(arr, "ROTATELEFT"), (Log{"at0(arr)", "at1(arr)", "at2(arr)", "plain(arr)"}));
    EXPECT_EQ(signalsOf(arr, "SUM", {"1"}), (Log{"at0(arr)", "at1(arr)", "at2(arr)", "plain(arr)"}));
    EXPECT_EQ(signalsOf(arr, "ADDAT", {"2", "1"}), (Log{"at2(arr)"}));
    for (const char* quiet : {"SORT", "REVERSEFIND", "GET", "CLAMPAT", "REMOVEAT"})
        EXPECT_EQ(signalsOf(arr, quiet, {"0", "0", "1"}), Log{}) << quiet;

    // Switched off, nothing is raised; SENDONCHANGE() with no argument switches it on.
    CMC_Object::flush(call(arr, "SENDONCHANGE", {"FALSE"}));
    for (const char* method : {"ADD", "SUM", "SHIFTLEFT", "ADDAT", "FILL"})
        EXPECT_EQ(signalsOf(arr, method, {"1", "1"}), Log{}) << method;
    CMC_Object::flush(call(arr, "SENDONCHANGE"));
    EXPECT_TRUE(arr->isSendingOnChange());
    CMC_Object::flush(call(arr, "REMOVEALL"));
    EXPECT_EQ(signalsOf(arr, "ADD", {"1", "2"}), (Log{"first(arr)", "at0(arr)"}));
}

TEST_F(Arrays, WithoutAHandlerOrWithSendOnChangeOffNothingIsRaised)
{
    load("OBJECT=seen\nseen:TYPE=BEHAVIOUR\n");
    CMC_Array* quiet = make<CMC_Array>("OBJECT=quiet\nquiet:TYPE=ARRAY\nquiet:ONCHANGED=seen\n", "quiet");
    CMC_Array* unheard = make<CMC_Array>("OBJECT=unheard\nunheard:TYPE=ARRAY\nunheard:SENDONCHANGE=TRUE\n"
                                         "unheard:ONSIGNAL=seen\n",
                                         "unheard");
    for (CMC_Array* arr : {quiet, unheard}) {
        EXPECT_EQ(signalsOf(arr, "ADD", {"1", "2"}), std::vector<std::string>{});
        EXPECT_EQ(signalsOf(arr, "SHIFTRIGHT"), std::vector<std::string>{});
    }
}

TEST_F(Arrays, ElementAccessChecksEveryIndex)
{
    CMC_Array* arr = arrayOf({"10", "20", "30"});
    CMC_Variable* got = call(arr, "GET", {"1"});
    EXPECT_EQ(typed(got), "INTEGER:20");
    EXPECT_GE(got->getId(), 0);
    EXPECT_NE(got, arr->get(1));
    CMC_Object::flush(got);
    for (const char* outside : {"-1", "3", "2147483647", "-2147483648"})
        EXPECT_EQ(result(arr, "GET", {outside}), "STRING:NULL") << outside;

    struct Step {
        const char* method;
        std::initializer_list<const char*> arguments;
        const char* expected;
    };
    const Step steps[] = {
        {"INSERTAT", {"3", "5"}, "INTEGER:10|INTEGER:20|INTEGER:30"}, // never appends
        {"INSERTAT", {"-1", "5"}, "INTEGER:10|INTEGER:20|INTEGER:30"},
        {"INSERTAT", {"0", "5"}, "INTEGER:5|INTEGER:10|INTEGER:20|INTEGER:30"},
        {"REMOVEAT", {"4"}, "INTEGER:5|INTEGER:10|INTEGER:20|INTEGER:30"},
        {"REMOVEAT", {"0"}, "INTEGER:10|INTEGER:20|INTEGER:30"},
        {"CHANGEAT", {"3", "1"}, "INTEGER:10|INTEGER:20|INTEGER:30"},
        {"CHANGEAT", {"1", "\"x\""}, "INTEGER:10|STRING:x|INTEGER:30"},
        {"SWAP", {"0", "3"}, "INTEGER:10|STRING:x|INTEGER:30"},
        {"SWAP", {"-1", "0"}, "INTEGER:10|STRING:x|INTEGER:30"},
        {"SWAP", {"0", "2"}, "INTEGER:30|STRING:x|INTEGER:10"},
        {"ADD", {"30"}, "INTEGER:30|STRING:x|INTEGER:10|INTEGER:30"},
        {"REMOVE", {"30"}, "STRING:x|INTEGER:10|INTEGER:30"},
        {"REMOVE", {"99"}, "STRING:x|INTEGER:10|INTEGER:30"},
    };
    for (const Step& step : steps) {
        CMC_Object::flush(call(arr, step.method, step.arguments));
        EXPECT_EQ(elementsOf(arr), step.expected) << step.method;
    }
    CMC_Object::flush(call(arr, "ADD", {"\"X\""}));
    EXPECT_EQ(result(arr, "FIND", {"\"X\""}), "INTEGER:0"); // STRING equality ignores case
    EXPECT_EQ(result(arr, "REVERSEFIND", {"\"x\""}), "INTEGER:3");
    EXPECT_EQ(result(arr, "FIND", {"30"}), "INTEGER:2");
    EXPECT_EQ(result(arr, "FIND", {"31"}), "INTEGER:-1");
    EXPECT_EQ(result(arr, "CONTAINS", {"10"}), "BOOL:TRUE");
    EXPECT_EQ(result(arr, "CONTAINS", {"11"}), "BOOL:FALSE");
    EXPECT_EQ(result(arr, "GETSIZE"), "INTEGER:4");
    EXPECT_EQ(result(arr, "SORTMANY", {"1"}), "none");
    CMC_Object::flush(call(arr, "REMOVEALL"));
    EXPECT_EQ(result(arr, "GETSIZE"), "INTEGER:0");
}

TEST_F(Arrays, TheMarkerWrapsBothWaysAndIsClamped)
{
    CMC_Array* five = arrayOf({"0", "1", "2", "3", "4"});
    CMC_Object::flush(call(five, "RESETMARKER"));
    EXPECT_EQ(result(five, "PREV"), "INTEGER:3"); // -1 - 1 = -2 wraps to 3
    CMC_Object::flush(call(five, "RESETMARKER"));
    CMC_Variable* first = call(five, "NEXT");
    EXPECT_EQ(typed(first), "INTEGER:0");
    EXPECT_GE(first->getId(), 0); // a pooled copy: nothing to leak
    CMC_Object::flush(first);
    EXPECT_EQ(result(five, "NEXT", {"7"}), "INTEGER:2");
    EXPECT_EQ(result(five, "NEXT", {"-4"}), "INTEGER:3");
    EXPECT_EQ(result(five, "PREV", {"-2147483647"}), "INTEGER:0");
    EXPECT_EQ(result(five, "GETMARKERPOS"), "INTEGER:0");

    CMC_Array* two = arrayOf({"\"a\"", "\"b\""}, "two");
    EXPECT_EQ(result(two, "NEXT"), "STRING:a");
    EXPECT_EQ(result(two, "NEXT"), "STRING:b");
    EXPECT_EQ(result(two, "NEXT"), "STRING:a");

    CMC_Array* four = arrayOf({"1", "2", "3", "4"}, "four");
    CMC_Object::flush(call(four, "SETMARKERPOS", {"10"}));
    EXPECT_EQ(result(four, "GETMARKERPOS"), "INTEGER:3");
    CMC_Object::flush(call(four, "SETMARKERPOS", {"-5"}));
    EXPECT_EQ(result(four, "GETMARKERPOS"), "INTEGER:-1");

    // Nothing to move to: no value, and the marker stays.
    CMC_Array* empty = arrayOf({}, "empty");
    CMC_Object::flush(call(empty, "SETMARKERPOS", {"4"}));
    EXPECT_EQ(result(empty, "NEXT"), "none");
    EXPECT_EQ(result(empty, "PREV", {"3"}), "none");
    EXPECT_EQ(result(empty, "GETMARKERPOS"), "INTEGER:-1");
}

TEST_F(Arrays, ExtremesAndSumsReadOnlyTheirOwnType)
{
    struct Case {
        std::initializer_list<const char*> elements;
        const char* method;
        const char* expected;
    };
    const Case cases[] = {
        {{"5", "3000000"}, "MIN", "INTEGER:5"},
        {{"\"a\"", "\"b\""}, "MIN", "INTEGER:1000000"},
        {{"-3", "-7"}, "MAX", "INTEGER:0"},
        {{"-3", "9", "2.5", "40.5"}, "MAX", "INTEGER:9"},
        {{"2.5", "0.5"}, "MIND", "DOUBLE:0.50000"},
        {{"7", "2.5"}, "MAXD", "DOUBLE:2.50000"},
        {{"-1.5"}, "MAXD", "DOUBLE:0"},
        {{"1", "\"5\"", "2"}, "GETSUMVALUE", "INTEGER:3"},
        {{"2147483647", "1"}, "GETSUMVALUE", "INTEGER:-2147483648"},
        {{}, "GETSUMVALUE", "INTEGER:0"},
    };
    for (const Case& c : cases) {
        CMC_Array* arr = arrayOf(c.elements);
        EXPECT_EQ(result(arr, c.method), c.expected) << c.method;
    }
}

TEST_F(Arrays, SortIsStableAscendingAndReversedDescending)
{
    CMC_Array* arr = arrayOf({"3", "1", "2"});
    CMC_Object::flush(call(arr, "SORT", {"TRUE"}));
    EXPECT_EQ(elementsOf(arr), "INTEGER:1|INTEGER:2|INTEGER:3");
    CMC_Object::flush(call(arr, "SORT", {"FALSE"}));
    EXPECT_EQ(elementsOf(arr), "INTEGER:3|INTEGER:2|INTEGER:1");

    // A DOUBLE 1.0 and an INTEGER 1 compare equal.
    CMC_Array* equal = arrayOf({"2", "1.0", "1"}, "equal");
    CMC_Object::flush(call(equal, "SORT", {"TRUE"}));
    EXPECT_EQ(elementsOf(equal), "DOUBLE:1.00000|INTEGER:1|INTEGER:2");
    CMC_Object::flush(call(equal, "SORT", {"FALSE"}));
    EXPECT_EQ(elementsOf(equal), "INTEGER:2|INTEGER:1|DOUBLE:1.00000");

    // Texts by their bytes, and doubles of one array.
    CMC_Array* words = arrayOf({"\"b\"", "\"B\"", "\"a\"", "\"B\""}, "words");
    CMC_Object::flush(call(words, "SORT", {"TRUE"}));
    EXPECT_EQ(elementsOf(words), "STRING:B|STRING:B|STRING:a|STRING:b");
    CMC_Array* doubles = arrayOf({"2.5", "-1.5", "0.25"}, "doubles");
    CMC_Object::flush(call(doubles, "SORT", {"FALSE"}));
    EXPECT_EQ(elementsOf(doubles), "DOUBLE:2.50000|DOUBLE:0.25000|DOUBLE:-1.50000");
}

TEST_F(Arrays, ShiftsResetTheElementThatGoesRoundAndRotationsKeepIt)
{
    struct Case {
        std::initializer_list<const char*> elements;
        const char* method;
        const char* expected;
    };
    const Case cases[] = {
        {{"5", "6", "7"}, "SHIFTLEFT", "INTEGER:6|INTEGER:7|INTEGER:0"},
        {{"5", "6", "7"}, "ROTATELEFT", "INTEGER:6|INTEGER:7|INTEGER:5"},
        {{"\"a\"", "\"b\""}, "SHIFTRIGHT", "STRING:NULL|STRING:a"},
        {{"\"a\"", "\"b\""}, "ROTATERIGHT", "STRING:b|STRING:a"},
        {{"TRUE", "2.5"}, "SHIFTLEFT", "DOUBLE:2.50000|BOOL:FALSE"},
        {{"TRUE", "2.5"}, "SHIFTRIGHT", "DOUBLE:0|BOOL:TRUE"},
        {{"4"}, "ROTATELEFT", "INTEGER:4"},
        {{}, "SHIFTLEFT", ""},
        {{}, "ROTATERIGHT", ""},
    };
    for (const Case& c : cases) {
        CMC_Array* arr = arrayOf(c.elements);
        CMC_Object::flush(call(arr, c.method));
        EXPECT_EQ(elementsOf(arr), c.expected) << c.method;
    }
}

TEST_F(Arrays, ArithmeticKeepsEachElementsType)
{
    CMC_Array* arr = arrayOf({"2", "1.0", "\"a\""});
    CMC_Object::flush(call(arr, "SUM", {"1"}));
    EXPECT_EQ(elementsOf(arr), "INTEGER:3|DOUBLE:2.00000|STRING:a1");
    CMC_Object::flush(call(arr, "MUL", {"2"}));
    CMC_Object::flush(call(arr, "SUB", {"1"}));
    EXPECT_EQ(elementsOf(arr), "INTEGER:5|DOUBLE:3.00000|STRING:a1");
    CMC_Object::flush(call(arr, "DIV", {"0"})); // by zero as each type does it: no trap
    EXPECT_EQ(typed(arr->get(0)), "INTEGER:0");

    struct Step {
        const char* method;
        std::initializer_list<const char*> arguments;
        const char* expected;
    };
    CMC_Array* single = arrayOf({"7", "2.5"}, "single");
    const Step steps[] = {
        {"ADDAT", {"0", "5"}, "INTEGER:12|DOUBLE:2.50000"},
        {"SUBAT", {"1", "0.5"}, "INTEGER:12|DOUBLE:2.00000"},
        {"MULAT", {"0", "3"}, "INTEGER:36|DOUBLE:2.00000"},
        {"DIVAT", {"0", "5"}, "INTEGER:7|DOUBLE:2.00000"},
        {"MODAT", {"0", "4"}, "INTEGER:3|DOUBLE:2.00000"},
        {"MODAT", {"0", "0"}, "INTEGER:0|DOUBLE:2.00000"},
        {"ADDAT", {"2", "1"}, "INTEGER:0|DOUBLE:2.00000"},
        {"ADDAT", {"-1", "1"}, "INTEGER:0|DOUBLE:2.00000"},
        {"MULAT", {"2147483647", "1"}, "INTEGER:0|DOUBLE:2.00000"},
    };
    for (const Step& step : steps) {
        CMC_Object::flush(call(single, step.method, step.arguments));
        EXPECT_EQ(elementsOf(single), step.expected) << step.method;
    }
}

TEST_F(Arrays, RangedArithmeticTakesTheOperandByTheStringVariablesName)
{
    load("OBJECT=step\nstep:TYPE=STRING\nstep:VALUE=2\nOBJECT=count\ncount:TYPE=INTEGER\ncount:VALUE=10\n");
    CMC_Variable* step = scene->getVariable("step");
    CMC_Array* arr = arrayOf({"1", "2", "3", "4"});
    auto rangeWith = [&](const char* method, std::initializer_list<const char*> bounds) {
        CXVector arguments(101, 0.75f);
        arguments.add(step);
        for (const char* bound : bounds)
            arguments.add(CMC_Variable::resolve(bound));
        CMC_Object::flush(callWith(arr, method, &arguments));
        return elementsOf(arr);
    };
    EXPECT_EQ(rangeWith("SUMA", {"1", "2"}), "INTEGER:1|INTEGER:4|INTEGER:5|INTEGER:4");
    EXPECT_EQ(rangeWith("SUBA", {}), "INTEGER:-1|INTEGER:2|INTEGER:3|INTEGER:2");
    EXPECT_EQ(rangeWith("MULA", {"-1", "1"}), "INTEGER:-2|INTEGER:4|INTEGER:3|INTEGER:2");
    EXPECT_EQ(rangeWith("DIVA", {"2", "-1"}), "INTEGER:-2|INTEGER:4|INTEGER:1|INTEGER:1");
    EXPECT_EQ(rangeWith("SUMA", {"3", "1"}), "INTEGER:-2|INTEGER:4|INTEGER:1|INTEGER:1"); // first above last
    EXPECT_EQ(rangeWith("SUMA", {"3", "99"}), "INTEGER:-2|INTEGER:4|INTEGER:1|INTEGER:3"); // cut to the end
    EXPECT_EQ(rangeWith("SUMA", {"-7", "0"}), "INTEGER:0|INTEGER:4|INTEGER:1|INTEGER:3");

    // A text that is not a STRING variable names no object: a literal, or another type converted.
    CMC_Object::flush(call(arr, "SUMA", {"\"step\""}));
    CXVector byInteger(101, 0.75f);
    byInteger.add(scene->getVariable("count"));
    CMC_Object::flush(callWith(arr, "SUMA", &byInteger));
    EXPECT_EQ(elementsOf(arr), "INTEGER:0|INTEGER:4|INTEGER:1|INTEGER:3");
}

TEST_F(Arrays, ClampAtBoundsIntegersAndDoublesOnly)
{
    struct Case {
        const char* element;
        std::initializer_list<const char*> arguments;
        const char* expected;
    };
    const Case cases[] = {
        {"15", {"0", "1", "10"}, "INTEGER:10"},    {"-2", {"0", "1", "10"}, "INTEGER:1"},
        {"5", {"0", "1", "10"}, "INTEGER:5"},      {"5", {"0", "10", "1"}, "INTEGER:10"}, // low first
        {"0.5", {"0", "1.0", "2.0"}, "DOUBLE:1.00000"}, {"2.75", {"0", "1", "2.5"}, "DOUBLE:2.50000"},
        {"\"x\"", {"0", "1", "10"}, "STRING:x"},   {"TRUE", {"0", "3", "10"}, "BOOL:TRUE"},
        {"15", {"1", "1", "10"}, "INTEGER:15"},    {"15", {"-1", "1", "10"}, "INTEGER:15"},
        {"15", {"0", "1"}, "INTEGER:15"},
    };
    for (const Case& c : cases) {
        CMC_Array* arr = arrayOf({c.element});
        EXPECT_EQ(signalsOf(arr, "CLAMPAT", c.arguments), std::vector<std::string>{});
        EXPECT_EQ(elementsOf(arr), c.expected) << c.element;
    }
}

TEST_F(Arrays, FillingMethods)
{
    CMC_Array* arr = arrayOf({"1", "2"});
    CMC_Object::flush(call(arr, "FILL", {"3", "7"}));
    EXPECT_EQ(elementsOf(arr), "INTEGER:7|INTEGER:7|INTEGER:7");
    CMC_Object::flush(call(arr, "FILL", {"0", "7"}));
    EXPECT_EQ(arr->getSize(), 0);
    CMC_Object::flush(call(arr, "FILL", {"-5", "\"a\""}));
    EXPECT_EQ(arr->getSize(), 0);

    CXRandom::seed(7);
    CMC_Object::flush(call(arr, "RANDOMFILL", {"50", "5", "3", "FALSE"}));
    ASSERT_EQ(arr->getSize(), 50);
    for (int i = 0; i < arr->getSize(); ++i) {
        int value = static_cast<CMC_Integer*>(arr->get(i))->getValue();
        EXPECT_TRUE(value >= 5 && value < 8) << value;
    }
    CMC_Object::flush(call(arr, "RANDOMFILL", {"4", "10", "4", "TRUE"}));
    std::set<std::string> drawn;
    for (int i = 0; i < arr->getSize(); ++i)
        drawn.insert(typed(arr->get(i)));
    EXPECT_EQ(drawn, (std::set<std::string>{"INTEGER:10", "INTEGER:11", "INTEGER:12", "INTEGER:13"}));
    // The generator's table holds 10000 numbers: a larger count is cut to it.
    CMC_Object::flush(call(arr, "RANDOMFILL", {"20000", "0", "100", "FALSE"}));
    EXPECT_EQ(arr->getSize(), CXRandom::tableSize);
    CMC_Object::flush(call(arr, "RANDOMFILL", {"-3", "0", "100", "FALSE"}));
    EXPECT_EQ(arr->getSize(), 0);
}

TEST_F(Arrays, AddClonesAppendsTheNamesOfAnObjectsClones)
{
    load("OBJECT=door\ndoor:TYPE=TESTOBJECT\n");
    CMC_Object::flush(call("door", "CLONE", {"3"}));
    CMC_Array* arr = arrayOf({});
    CMC_Object::flush(call(arr, "ADDCLONES", {"\"door\""}));
    EXPECT_EQ(elementsOf(arr), "STRING:door_1|STRING:door_2|STRING:door_3");
    CMC_Object::flush(call(arr, "REMOVEALL"));
    CMC_Object::flush(call(arr, "ADDCLONES", {"\"door\"", "2", "5"}));
    EXPECT_EQ(elementsOf(arr), "STRING:door_2|STRING:door_3|STRING:door_4|STRING:door_5");
    CMC_Object::flush(call(arr, "ADDCLONES", {"\"ghost\""}));
    CMC_Object::flush(call(arr, "ADDCLONES", {"\"door\"", "3", "1"}));
    EXPECT_EQ(arr->getSize(), 4);
    // A count from a script is bounded.
    CMC_Object::flush(call(arr, "ADDCLONES", {"\"door\"", "-2147483647", "2147483647"}));
    EXPECT_EQ(arr->getSize(), 4 + CMC_Array::kMaxAppendPerCall);
}

TEST_F(Arrays, CopyToFindAllAndCompareReachOtherArraysByName)
{
    CMC_Array* arr = arrayOf({"1", "2", "1", "\"a\""});
    CMC_Array* other = arrayOf({"9"}, "other");
    CMC_Object::flush(call(arr, "COPYTO", {"\"other\""}));
    EXPECT_EQ(elementsOf(other), "INTEGER:9|INTEGER:1|INTEGER:2|INTEGER:1|STRING:a");
    CMC_Object::flush(call(arr, "COPYTO", {"\"missing\""}));
    CMC_Object::flush(call(other, "COPYTO", {"\"other\""})); // into itself: the elements it had
    EXPECT_EQ(other->getSize(), 10);

    CMC_Array* hits = arrayOf({}, "hits");
    EXPECT_EQ(result(arr, "FINDALL", {"\"hits\"", "1", "\"A\"", "5"}), "INTEGER:3");
    EXPECT_EQ(elementsOf(hits), "INTEGER:0|INTEGER:2|INTEGER:3");
    EXPECT_EQ(result(arr, "FINDALL", {"\"missing\"", "2"}), "INTEGER:1");
    EXPECT_EQ(result(arr, "FINDALL", {"\"hits\""}), "INTEGER:0");
    EXPECT_EQ(hits->getSize(), 3);

    CMC_Array* same = arrayOf({"\"1\"", "2", "\"1\"", "\"A\""}, "same");
    EXPECT_EQ(result(arr, "COMPARE", {"\"same\""}), "BOOL:TRUE");
    EXPECT_EQ(result(arr, "COMPARE", {"\"hits\""}), "BOOL:FALSE");
    EXPECT_EQ(result(arr, "COMPARE", {"\"missing\""}), "BOOL:FALSE");
    // A line passes an array it knew at parse time as the object itself.
    EXPECT_EQ(taken(callWithObjects(arr, "COMPARE", {same})), "BOOL:TRUE");
    CMC_Array* empty1 = arrayOf({}, "e1");
    arrayOf({}, "e2");
    EXPECT_EQ(result(empty1, "COMPARE", {"\"e2\""}), "BOOL:TRUE");
    // ADDTOARRAY takes its array the same way.
    load("OBJECT=n\nn:TYPE=INTEGER\nn:VALUE=4\n");
    CMC_Object::flush(callWithObjects(scene->getVariable("n"), "ADDTOARRAY", {empty1}));
    EXPECT_EQ(elementsOf(empty1), "INTEGER:4");
}

TEST_F(Arrays, HandlersThatDeleteTheArrayEndTheOperation)
{
    struct Case {
        const char* method;
        std::initializer_list<const char*> arguments;
    };
    const Case cases[] = {
        {"FILL", {"5", "1"}},        {"SUM", {"1"}},     {"SHIFTLEFT", {}},
        {"ADD", {"1", "2"}},         {"SWAP", {"0", "1"}}, {"RANDOMFILL", {"5", "0", "9"}},
        {"ADDCLONES", {"\"arr\"", "1", "3"}}, {"DIR", {"\"T:\\\"", "*"}},
    };
    folder.temp.write("a.txt", "");
    folder.temp.write("b.txt", "");
    for (const Case& c : cases) {
        load("OBJECT=killer\nkiller:TYPE=BEHAVIOUR\n"
             "OBJECT=arr\narr:TYPE=ARRAY\narr:SENDONCHANGE=TRUE\narr:ONCHANGED=killer\n");
        CMC_Array* arr = as<CMC_Array>("arr");
        arr->setSendOnChange(false);
        CMC_Object::flush(call(arr, "FILL", {"3", "0"}));
        arr->setSendOnChange(true);
        behaviour("killer")->action = [](CMC_Object* owner, CXArray*) {
            CMC_Object::destroy(owner);
            return false;
        };
        CMC_Object::flush(call(arr, c.method, c.arguments));
        EXPECT_EQ(object("arr"), nullptr) << c.method;
        EXPECT_EQ(behaviour("killer")->runs, 1) << c.method;
    }
}

} // namespace
