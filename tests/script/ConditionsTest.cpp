// Conditions and expressions from definition elements and from text: operators, conversions,
// the CHECK signals, short-circuits, and behaviours guarded by a condition.
#include "BehaviourScene.h"

#include "script/CMC_ComplexCondition.h"
#include "script/CMC_Condition.h"
#include "script/CMC_Expression.h"

using namespace scripttest;

namespace {

std::string condition(const std::string& name, const std::string& op, const std::string& operand1, const std::string& operand2)
{
    return declared(name, "CONDITION", {"OPERATOR=" + op, "OPERAND1=" + operand1, "OPERAND2=" + operand2});
}

std::string complex(const std::string& name, const std::string& op, const std::string& first, const std::string& second)
{
    return declared(name, "COMPLEXCONDITION", {"OPERATOR=" + op, "CONDITION1=" + first, "CONDITION2=" + second});
}

// Handlers that log which signal a condition raised.
std::string signalled(const std::string& name)
{
    return name + ":ONRUNTIMESUCCESS={REC^YES(" + name + ");}\n" + name + ":ONRUNTIMEFAILED={REC^NO(" + name + ");}\n";
}

const std::string kValues = declared("A", "INTEGER", {"VALUE=5"}) + declared("S7", "STRING", {"VALUE=7"}) +
                            declared("REC", "RECORDER");

} // namespace

class Conditions : public BehaviourScene {
protected:
    bool test(const char* name, bool raise = false)
    {
        auto* tested = dynamic_cast<CMC_BasicCondition*>(object(name));
        EXPECT_NE(tested, nullptr) << name;
        return tested != nullptr && tested->valid(raise);
    }
    std::string check(const char* name, std::initializer_list<const char*> arguments = {})
    {
        CMC_Variable* result = call(name, "CHECK", arguments);
        std::string shown = textOf(result);
        CMC_Object::flush(result);
        return shown;
    }
};

TEST_F(Conditions, OperatorsCompareTheOperandsOfADefinition)
{
    struct Case {
        const char* op;
        const char* operand1;
        const char* operand2;
        bool holds;
    };
    const Case cases[] = {
        {"GREATER", "A", "3", true},       {"GREATER", "A", "5", false},      {"GREATEREQUAL", "A", "5", true},
        {"LESS", "A", "6", true},          {"LESSEQUAL", "A", "5", true},     {"LESSEQUAL", "A", "4", false},
        {"EQUAL", "A", "5", true},         {"NOTEQUAL", "A", "5", false},     {"SAME", "A", "5", true},
        {"EQUAL", "7", "S7", true},        {"EQUAL", "S7", "7.0", false},     {"EQUAL", "[A+2]", "S7", true},
        {"EQUAL", "S7", "[A+2]", true},    {"INSTANCEOF", "A", "INTEGER", false}, {"EQUAL", "A", "REC^COUNT()", false},
    };
    std::string script = kValues;
    for (size_t i = 0; i < std::size(cases); ++i)
        script += condition(numbered("C", i), cases[i].op, cases[i].operand1, cases[i].operand2);
    load(script);
    for (size_t i = 0; i < std::size(cases); ++i) {
        std::string name = numbered("C", i);
        EXPECT_EQ(test(name.c_str()), cases[i].holds) << cases[i].op << " " << cases[i].operand1 << " " << cases[i].operand2;
    }
    turn();
}

TEST_F(Conditions, CheckRaisesTheResultSignalsUnlessToldNot)
{
    load(kValues + condition("BIG", "GREATER", "A", "3") + signalled("BIG") + declared("LOUD", "BEHAVIOUR", {"CODE={REC^LOUD();}"}));
    EXPECT_EQ(check("BIG"), "TRUE");
    EXPECT_EQ(check("BIG", {"FALSE"}), "TRUE");
    call("A", "SET", {"1"});
    EXPECT_EQ(check("BIG"), "FALSE");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.YES(BIG)", "REC.NO(BIG)"}));
    // The common methods give nothing on a condition.
    EXPECT_EQ(call("BIG", "GETNAME"), nullptr);
    // A handler attached after the definition is not one the test runs.
    eventLog().clear();
    object("BIG")->addBehaviour("ONRUNTIMEFAILED", object("LOUD"), nullptr, scene);
    EXPECT_EQ(check("BIG"), "FALSE");
    EXPECT_TRUE(eventLog().empty());
    turn();
}

TEST_F(Conditions, ComplexConditionsStopAtTheFirstAnswer)
{
    load(kValues + condition("YES", "EQUAL", "A", "5") + signalled("YES") + condition("NO", "EQUAL", "A", "6") + signalled("NO") +
         complex("AND1", "AND", "NO", "YES") + complex("OR1", "OR", "YES", "NO") + complex("AND2", "AND", "YES", "NO") +
         complex("MISSING", "AND", "YES", "NOBODY") + signalled("MISSING") + complex("LOOSE", "XOR", "YES", "YES"));
    struct Case {
        const char* name;
        bool holds;
        std::vector<std::string> raised;
    };
    const Case cases[] = {
        {"AND1", false, {"REC.NO(NO)"}},
        {"OR1", true, {"REC.YES(YES)"}},
        {"AND2", false, {"REC.YES(YES)", "REC.NO(NO)"}},
        {"MISSING", false, {}},
        {"LOOSE", true, {"REC.YES(YES)", "REC.YES(YES)"}},
    };
    for (const Case& c : cases) {
        eventLog().clear();
        EXPECT_EQ(test(c.name, true), c.holds) << c.name;
        EXPECT_EQ(eventLog(), c.raised) << c.name;
    }
    turn();
}

TEST_F(Conditions, BreakAndOneBreakStopTheBehaviourWhenTheConditionHolds)
{
    load(kValues + condition("BIG", "GREATER", "A", "3") + declared("B", "BEHAVIOUR", {"CODE={BIG^BREAK(FALSE);A^INC();}"}) +
         declared("O", "BEHAVIOUR", {"CODE={BIG^ONE_BREAK();A^INC();}"}));
    EXPECT_TRUE(runBehaviour("B"));
    EXPECT_FALSE(runBehaviour("O"));
    EXPECT_EQ(intOf("A"), 5);
    call("A", "SET", {"0"});
    EXPECT_FALSE(runBehaviour("B"));
    EXPECT_FALSE(runBehaviour("O"));
    EXPECT_EQ(intOf("A"), 2);
    turn();
}

TEST_F(Conditions, AGuardingConditionIsTestedOnlyWhenAsked)
{
    load(kValues + condition("BIG", "GREATER", "A", "3") + signalled("BIG") +
         declared("B", "BEHAVIOUR", {"CODE={REC^RAN();}", "CONDITION=BIG"}) + declared("U", "BEHAVIOUR", {"CODE={REC^RAN();}", "CONDITION=NOBODY"}));
    EXPECT_FALSE(runBehaviour("B"));
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.YES(BIG)", "REC.RAN()"}));
    call("A", "SET", {"0"});
    eventLog().clear();
    runBehaviour("B");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.NO(BIG)"}));
    eventLog().clear();
    runBehaviour("B", {}, nullptr, false);
    runBehaviour("U");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.RAN()", "REC.RAN()"}));
    turn();
}

TEST_F(Conditions, BeforeInitAndAfterDoneAConditionTestsFalse)
{
    load(kValues);
    CMElements* elements = parse(condition("LATE", "EQUAL", "1", "1"));
    CMC_Condition made(scene, elements->getAt(0));
    EXPECT_FALSE(made.valid(false));
    made.init();
    EXPECT_TRUE(made.valid(false));
    made.done(false);
    EXPECT_FALSE(made.valid(false));
    turn();
}

TEST_F(Conditions, TextsHoldOperandsAndOperator)
{
    load(kValues);
    struct Case {
        const char* text;
        bool holds;
    };
    const Case cases[] = {
        {"A'5", true},        {"A!'5", false},      {"A<'5", true},       {"A<'4", false},    {"A>'5", true},
        {"A<6", true},        {"A>6", false},       {"A'[2+3]", true},    {"[A*2]'10", true}, {"S7'7", true},
        {"A?INTEGER", true},  {"REC?10700", true},  {"NOBODY?INTEGER", false}, {"A5", false}, {"'5", false},
        {"\"x|y\"'1", false}, {"A'REC^COUNT()", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CMC_Condition::valid(scene, CXString(c.text)), c.holds) << c.text;
    struct Apart {
        const char* op;
        bool holds;
    };
    for (const Apart& c : {Apart{"_", true}, Apart{"!_", false}, Apart{"<>", false}, Apart{"<_", true}, Apart{">", false},
                           Apart{">_", true}, Apart{"??", true}}) {
        EXPECT_EQ(CMC_Condition::valid(scene, CXString("A"), CXString("5"), CXString(c.op)), c.holds) << c.op;
    }
    turn();
}

TEST_F(Conditions, DeclaredExpressionsUseTheCurrentValuesAtEveryRead)
{
    load(kValues + declared("B", "INTEGER", {"VALUE=3"}) +
         declared("E", "EXPRESSION", {"OPERAND1=A", "OPERATOR=MUL", "OPERAND2=B"}) +
         declared("N", "EXPRESSION", {"OPERAND1=REC^COUNT()", "OPERATOR=+", "OPERAND2=0"}) +
         declared("X", "EXPRESSION", {"OPERAND1=A", "OPERATOR=POW", "OPERAND2=B"}) +
         declared("R", "BEHAVIOUR", {"CODE={REC^CALL(E,N,N);A^SET(2);REC^CALL(E,X);}"}));
    runBehaviour("R");
    // Each read of N evaluates it again; an unknown operator word leaves the first operand.
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.COUNT()", "REC.COUNT()", "REC.CALL(15,1,2)", "REC.CALL(6,2)"}));
    turn();
}
