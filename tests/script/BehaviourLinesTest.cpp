// Behaviours made from code, run line by line: every line form against a generated scene.
#include "BehaviourScene.h"

#include "script/CMC_CodeText.h"
#include "script/CMC_Expression.h"
#include "script/CMC_Structure.h"

using namespace scripttest;

namespace {

std::string declare(const std::string& name, const std::string& type, const std::string& value = "")
{
    std::string text = "OBJECT=" + name + "\n" + name + ":TYPE=" + type + "\n";
    if (!value.empty())
        text += name + ":VALUE=" + value + "\n";
    return text;
}

std::string behaviourText(const std::string& name, const std::string& code)
{
    return "OBJECT=" + name + "\n" + name + ":TYPE=BEHAVIOUR\n" + name + ":CODE=" + code + "\n";
}

const std::string kValues = declare("A", "INTEGER", "1") + declare("D", "DOUBLE", "1.5") + declare("S", "STRING", "ab") +
                            declare("T", "STRING", "REC") + declare("REC", "RECORDER") + declare("THISDOOR", "RECORDER");

} // namespace

class BehaviourLines : public BehaviourScene {};

TEST_F(BehaviourLines, PlainCallsWithArgumentsAndResultsAndTheQuirksOfTheText)
{
    // Blanks go everywhere (inside quotes too) and the text after the last ";" is not a line.
    load(kValues + behaviourText("B", "{ A^SET( 5 ) ; A^ADD(2);S^SET(\"x y\");REC^CALL(1,A,\"q\",D);A^SET(99)}"));
    EXPECT_FALSE(runBehaviour("B"));
    EXPECT_EQ(intOf("A"), 7);
    EXPECT_EQ(valueOf("S"), "xy");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.CALL(1,7,q,1.50000)"}));
    EXPECT_EQ(behaviourNamed("B")->getLineCount(), 4);
    turn();
}

TEST_F(BehaviourLines, NestedCallsRunFirstLeftToRightDepthFirst)
{
    load(kValues + behaviourText("B", "REC^CALL(REC^GIVE(REC^COUNT()),REC^GIVE(x));A^SET(REC^COUNT());"));
    runBehaviour("B");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.COUNT()", "REC.GIVE(1)", "REC.GIVE(x)", "REC.CALL(1,x)", "REC.COUNT()"}));
    EXPECT_EQ(intOf("A"), 5);
    turn();
}

TEST_F(BehaviourLines, StopCodesEndTheRun)
{
    load(kValues + behaviourText("BRK", "A^INC();@BREAK();A^INC();") + behaviourText("ONE", "A^INC();@ONEBREAK();A^INC();") +
         behaviourText("CNT", "A^INC();@CONTINUE();A^INC();") + behaviourText("ALL", "A^INC();A^INC();"));
    struct Case {
        const char* name;
        bool reported;
        int value;
    };
    for (const Case& c : {Case{"BRK", true, 2}, Case{"ONE", false, 2}, Case{"CNT", false, 2}, Case{"ALL", false, 3}}) {
        call("A", "SET", {"1"});
        EXPECT_EQ(runBehaviour(c.name), c.reported) << c.name;
        EXPECT_EQ(intOf("A"), c.value) << c.name;
    }
    turn();
}

TEST_F(BehaviourLines, SignalsRunBehavioursWithTheirOwnerAsThis)
{
    load(kValues + behaviourText("CLICK", "THIS^CALL($1);A^INC();") + "REC:ONCLICK=CLICK(left)\n" +
         "THISDOOR:ONCLICK={THIS^TOUCH();THISDOOR^KNOCK();}\n");
    EXPECT_TRUE(object("REC")->onSignal("ONCLICK"));
    EXPECT_TRUE(object("THISDOOR")->onSignal("ONCLICK"));
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.CALL(left)", "THISDOOR.TOUCH()", "THISDOOR.KNOCK()"}));
    EXPECT_EQ(intOf("A"), 2);
    // Without an object THIS calls nothing, and the next line still runs.
    eventLog().clear();
    runBehaviour("CLICK", {"x"});
    EXPECT_TRUE(eventLog().empty());
    EXPECT_EQ(intOf("A"), 3);
    turn();
}

TEST_F(BehaviourLines, ParametersFillObjectsArgumentsAndMethods)
{
    load(kValues + behaviourText("B", "A^SET($1);$2^CALL($1,$3);REC^$3();REC^CALL(\"$2\");"));
    runBehaviour("B", {"5", "THISDOOR"});
    EXPECT_EQ(intOf("A"), 5);
    // "$3" beyond the parameters stays as written.
    EXPECT_EQ(eventLog(), std::vector<std::string>({"THISDOOR.CALL(5,$3)", "REC.$3()", "REC.CALL(THISDOOR)"}));
    eventLog().clear();
    runBehaviour("B", {"6", "REC", "WAVE"});
    EXPECT_EQ(intOf("A"), 6);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.CALL(6,WAVE)", "REC.WAVE()", "REC.CALL(REC)"}));
    turn();
}

TEST_F(BehaviourLines, IndirectObjectsByVariableAndByExpression)
{
    load(kValues + declare("P", "STRING", "THIS") + declare("Q", "STRING", "DOOR") +
         behaviourText("B", "*T^CALL(1);*[P+Q]^CALL(2);*[REC^GIVE(THISDOOR)]^CALL(3);*NOBODY^CALL(4);*A^CALL(5);"));
    runBehaviour("B");
    EXPECT_EQ(eventLog(),
              std::vector<std::string>({"REC.CALL(1)", "THISDOOR.CALL(2)", "REC.GIVE(THISDOOR)", "THISDOOR.CALL(3)"}));
    // The variable is read at every run.
    call("T", "SET", {"THISDOOR"});
    eventLog().clear();
    runBehaviour("B");
    EXPECT_EQ(eventLog().front(), "THISDOOR.CALL(1)");
    turn();
}

TEST_F(BehaviourLines, ExpressionsHaveNoPrecedenceAndTakeTheFirstOperandsType)
{
    load(declare("A", "INTEGER", "7") + declare("S", "STRING", "ab") + declare("D", "DOUBLE", "1.5"));
    struct Case {
        const char* line;
        const char* value;
    };
    const Case cases[] = {
        {"[A@2]", "INTEGER:3"},       {"[A%2]", "INTEGER:1"},     {"[2+3*4]", "INTEGER:20"},   {"[10-2-3]", "INTEGER:5"},
        {"[[1+2]*3]", "INTEGER:9"},   {"[1+1.5]", "INTEGER:3"},   {"[1.5+1]", "DOUBLE:2.50000"},   {"[S+1]", "STRING:ab1"},
        {"[-5]", "INTEGER:-5"},       {"[A+]", "INTEGER:7"},      {"[A@0]", "INTEGER:0"},      {"[D*2]", "DOUBLE:3.00000"},
        {"[[A+1]]", "INTEGER:8"},     {"[A+[1+[2*2]]]", "INTEGER:12"},
    };
    for (const Case& c : cases) {
        CMC_Expression expression(scene, CMC_CodeText::inner(CXString(c.line)));
        CMC_Variable* value = expression.calculate();
        std::string shown = typed(value);
        EXPECT_EQ(shown, c.value) << c.line;
    }
    turn();
}

TEST_F(BehaviourLines, AnExpressionGivingADeclaredVariableLeavesItToItsContainer)
{
    // The later operand gives no value: the result is A itself, which the unload deletes first.
    load(declare("A", "INTEGER", "7") + "OBJECT=E\nE:TYPE=EXPRESSION\nE:OPERAND1=A\nE:OPERATOR=ADD\nE:OPERAND2=NOSUCH^GET()\n");
    auto* expression = as<CMC_Expression>("E");
    ASSERT_NE(expression, nullptr);
    EXPECT_EQ(expression->calculate(), object("A"));
    scene->unload();
    turn();
}

TEST_F(BehaviourLines, ExpressionArgumentsAndValueLines)
{
    load(kValues + behaviourText("B", "A^SET([A@2]);S^SET([S+A]);REC^CALL([2+3*4],[A+$1]);"));
    call("A", "SET", {"7"});
    runBehaviour("B", {"10"});
    EXPECT_EQ(intOf("A"), 3);
    EXPECT_EQ(valueOf("S"), "ab3");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.CALL(20,13)"}));
    // Value lines: a number, a quoted text, a declared variable (itself), a name of no variable.
    EXPECT_EQ(lineValue("12"), "INTEGER:12");
    EXPECT_EQ(lineValue("\"hi\""), "STRING:hi");
    EXPECT_EQ(lineValue("A"), "INTEGER:3");
    EXPECT_EQ(lineValue("REC"), "STRING:REC");
    EXPECT_EQ(lineValue("TRUE"), "BOOL:TRUE");
    turn();
}

TEST_F(BehaviourLines, ReferencesPassTheVariableItselfOrAValueOfTheLinesOwn)
{
    load(kValues + behaviourText("B", "REC^BUMP(&A);A^ADD(REC^BUMP(&5));REC^BUMP(A);"));
    runBehaviour("B");
    // &A is A itself; A passed plainly is A too (a value line gives the variable).
    EXPECT_EQ(intOf("A"), 2 + 6 + 1);
    turn();
    // &5 names no variable: the line keeps its own value, which the next run finds bumped again.
    call("A", "SET", {"0"});
    runBehaviour("B");
    EXPECT_EQ(intOf("A"), 1 + 7 + 1);
    turn();
    // A plain literal is the same in every run, whatever the method did to it in the last one.
    load(declare("F", "BOOL") + declare("G", "DOUBLE") + behaviourText("C", "A^ADD(REC^BUMP(5));A^ADD(REC^BUMP([5]));A^ADD(REC^BUMP([D+5]));"
                                                     "G^ADD(REC^BUMP(2.5));F^SET(REC^BUMP(TRUE));"));
    call("A", "SET", {"0"});
    runBehaviour("C");
    runBehaviour("C");
    EXPECT_EQ(intOf("A"), 2 * (6 + 6 + 8));
    EXPECT_EQ(valueOf("G"), "7.00000");
    EXPECT_EQ(valueOf("F"), "FALSE");
    turn();
    // A variable a later argument deletes reaches the method as none, never as freed memory.
    load(declare("V", "INTEGER", "4") + behaviourText("K", "REC^CALL(&V,REC^KILL(\"V\"));"));
    eventLog().clear();
    runBehaviour("K");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.KILL(V)", "REC.CALL(null,null)"}));
    turn();
}

TEST_F(BehaviourLines, AnonymousCodeRunsWithTheEnclosingRunsParameters)
{
    load(kValues + behaviourText("B", "REC^RUN({A^SET($1);REC^CALL($2);});"));
    runBehaviour("B", {"7", "x"});
    EXPECT_EQ(intOf("A"), 7);
    // The next run fills the original code again with its own parameters.
    runBehaviour("B", {"9", "y"});
    EXPECT_EQ(intOf("A"), 9);
    EXPECT_EQ(eventLog().back(), "REC.CALL(y)");
    turn();
    // The anonymous behaviour is named temp_ and a number; re-initialising replaces it.
    auto anonymousCount = [this] {
        int count = 0;
        for (int i = 0; i < scene->getObjects()->getSize(); ++i)
            count += scene->getObject(i)->getName().startsWith("temp_") ? 1 : 0;
        return count;
    };
    EXPECT_EQ(anonymousCount(), 1);
    behaviourNamed("B")->init();
    EXPECT_EQ(anonymousCount(), 1);
    behaviourNamed("B")->done(false);
    EXPECT_EQ(anonymousCount(), 0);
}

TEST_F(BehaviourLines, CodeGivenAsAParameterBecomesABehaviourForOneCall)
{
    load(kValues + behaviourText("B", "REC^RUN($1);A^INC();"));
    runBehaviour("B", {"{A^SET(40);}"});
    EXPECT_EQ(intOf("A"), 41);
    // The xtemp_ behaviour and its name went after the call.
    for (int i = 0; i < scene->getObjects()->getSize(); ++i)
        EXPECT_FALSE(scene->getObject(i)->getName().startsWith("xtemp_"));
    turn();
}

TEST_F(BehaviourLines, IfTestsEveryKindOfOperandAsItsText)
{
    load(kValues + declare("N", "INTEGER", "5") + declare("V", "INTEGER", "3") + declare("W", "STRING", "abc") +
         "OBJECT=P\nP:TYPE=STRUCT\nP:FIELDS=X<INTEGER>\n" + behaviourText("SETUP", "P|X^SET(9);"));
    runBehaviour("SETUP");
    struct Case {
        const char* test;
        bool holds;
    };
    // Operands are read back from their texts: N's instance test asks for an object named "5". An
    // operand deleted by the other operand's call fails the test.
    const Case cases[] = {
        {"N,_,5", true},           {"5,_,N", true},           {"N,>,4", true},         {"N,<,4", false},
        {"N,>_,5", true},          {"N,<_,4", false},         {"N,!_,5", false},       {"N,<>,6", true},
        {"-7,<,N", true},          {"N,nonsense,5", true},    {"1.5,>,1", true},       {"2,_,2.0", true},
        {"\"abc\",_,W", true},     {"W,<,\"abd\"", true},     {"TRUE,_,TRUE", true},   {"TRUE,_,FALSE", false},
        {"$1,_,7", true},          {"N,<,$1", true},          {"P|X,_,9", true},       {"[N+1],_,6", true},
        {"N,_,[2*3]", false},      {"REC^COUNT(),>,0", true}, {"N,?,INTEGER", false},  {"V,_,REC^KILL(V)", false},
        {"[5],_,N", true},         {"[$1+1],_,8", true},      {"[P|X*2],_,18", true},  {"[\"a\"+N],_,\"a5\"", true},
        {"[1.5+N],>,6", true},     {"[N+1.5],_,7", true},
    };
    int index = 0;
    for (const Case& c : cases) {
        const std::string name = "IF" + std::to_string(index++);
        load(behaviourText(name, std::string("@IF(") + c.test + ",{REC^YES();},{REC^NO();});"));
        eventLog().clear();
        runBehaviour(name.c_str(), {"7"});
        ASSERT_FALSE(eventLog().empty()) << c.test;
        EXPECT_EQ(eventLog().back(), c.holds ? "REC.YES()" : "REC.NO()") << c.test;
    }
    turn();
}

TEST_F(BehaviourLines, StructureFields)
{
    load(kValues + "OBJECT=P\nP:TYPE=STRUCT\nP:FIELDS=X<INTEGER>,Y<INTEGER>\n" +
         behaviourText("B", "P|X^SET(4);A^SET(P|X);P|Y^ADD(A);P|NONE^SET(1);REC^CALL(P|Y,NOPE|X);"));
    runBehaviour("B");
    EXPECT_EQ(intOf("A"), 4);
    EXPECT_EQ(text(CMC_Structure::from(object("P"))->getField(CXString("Y"))->toString()), "4");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.CALL(4,NOPE|X)"}));
    turn();
}

TEST_F(BehaviourLines, MissingObjectsAndMethodsGiveNoValueAndTheRunGoesOn)
{
    load(kValues + behaviourText("B", "NOBODY^CALL();A^NOSUCHMETHOD();@NOSTATEMENT();A^INC();"));
    EXPECT_FALSE(runBehaviour("B"));
    EXPECT_EQ(intOf("A"), 2);
    turn();
}

TEST_F(BehaviourLines, ObjectsMadeAfterParsingAreFoundAtRunTime)
{
    load(kValues + behaviourText("B", "LATE^CALL();"));
    runBehaviour("B");
    EXPECT_TRUE(eventLog().empty());
    load(declare("LATE", "RECORDER"));
    runBehaviour("B");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"LATE.CALL()"}));
    turn();
}

TEST_F(BehaviourLines, ABoundObjectReplacedByNameIsNotCalledDeleted)
{
    load(kValues + behaviourText("B", "X^CALL();") + declare("X", "RECORDER"));
    behaviourNamed("B")->init();
    EXPECT_NE(behaviourNamed("B")->getLines()[0]->getObject(), nullptr);
    // A new object under the same name deletes the bound one: the line finds the new one.
    load(declare("X", "RECORDER"));
    runBehaviour("B");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"X.CALL()"}));
    turn();
}

TEST_F(BehaviourLines, VariablesDeclaredForARunGoWhenItEnds)
{
    load(kValues + behaviourText("B", "REC^DECLARE(N,B);N^SET(5);A^SET(N);@BREAK();"));
    EXPECT_TRUE(runBehaviour("B"));
    EXPECT_EQ(intOf("A"), 5);
    EXPECT_EQ(object("N"), nullptr);
    turn();
}

TEST_F(BehaviourLines, DisabledBehavioursAndEmptyCodeRunNothing)
{
    load(kValues + behaviourText("B", "A^INC();") + behaviourText("E", ""));
    behaviourNamed("B")->enable(false);
    EXPECT_FALSE(runBehaviour("B"));
    EXPECT_FALSE(runBehaviour("E"));
    EXPECT_EQ(intOf("A"), 1);
    behaviourNamed("B")->enable(true);
    runBehaviour("B");
    EXPECT_EQ(intOf("A"), 2);
    turn();
}

TEST_F(BehaviourLines, SingleLinesRunOutsideAnyBehaviour)
{
    load(kValues);
    CMC_Object* rec = object("REC");
    CMC_Behaviour* owner = addBehaviour("OWNER", "");
    auto run = [&](const char* line) {
        CMC_Variable* result = CMC_Behaviour::runLine(scene, rec, CXString(line), owner);
        std::string shown = script::isStopCode(result) ? "stop" : textOf(result);
        CMC_Behaviour_Entry::releaseValue(script::valueOnly(result));
        return shown;
    };
    EXPECT_EQ(run("A^SET( [2+3] )"), "none");
    EXPECT_EQ(intOf("A"), 5);
    EXPECT_EQ(run("REC^GIVE(A^GETNAME())"), "A");
    EXPECT_EQ(run("THIS^GIVE(x)"), "x");
    EXPECT_EQ(run("*T^GIVE(y)"), "y");
    EXPECT_EQ(run("@BREAK()"), "stop");
    EXPECT_EQ(run("CONTINUE()"), "stop");
    EXPECT_EQ(run("NOBODY^GIVE(1)"), "none");
    // "#" names the object by its position and the method by its identifier, in the low seven
    // bits of a character: INTEGER method 4 is INC.
    int position = scene->getObjectId("A");
    std::string byNumbers = std::string("#x") + static_cast<char>(position | 0x80) + "^#" + static_cast<char>(4) + "()";
    run(byNumbers.c_str());
    EXPECT_EQ(intOf("A"), 6);
    EXPECT_EQ(CMC_Behaviour::trashSize(), 1);
    turn();
    EXPECT_EQ(CMC_Behaviour::trashSize(), 0);
}
