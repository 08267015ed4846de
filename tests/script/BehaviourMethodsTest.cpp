// BEHAVIOUR methods: behaviours called like procedures, with parameters and results.
#include "BehaviourScene.h"

#include "script/CMC_Behaviour_Runner.h"

using namespace scripttest;

namespace {

std::string code(const std::string& name, const std::string& text, std::initializer_list<std::string> more = {})
{
    std::string result = declared(name, "BEHAVIOUR", {"CODE={" + text + "}"});
    for (const std::string& property : more)
        result += name + ":" + property + "\n";
    return result;
}

class BehaviourMethods : public BehaviourScene {
protected:
    void SetUp() override
    {
        BehaviourScene::SetUp();
        load(declared("A", "INTEGER", {"VALUE=1"}) + declared("X", "INTEGER", {"VALUE=9"}) + declared("R", "STRING") +
             declared("REC", "RECORDER") + declared("DOOR", "RECORDER") +
             declared("ONE", "CONDITION", {"OPERAND1=A", "OPERATOR=EQUAL", "OPERAND2=1"}) +
             code("SHOW", "REC^HIT($1,$2,$3);") + code("GUARDED", "REC^GUARDED();", {"CONDITION=ONE"}) +
             code("GIVE3", "REC^GIVE3();@RETURN(3);") + code("QUIET", "REC^QUIET();") + code("STOP", "@BREAK();") +
             code("LOCAL", "@INT(L,4);REC^L(L);"));
        eventLog().clear();
    }

    bool runCode(const char* name, const std::string& text)
    {
        addBehaviour(name, text.c_str());
        return runBehaviour(name);
    }
};

TEST_F(BehaviourMethods, RunPassesObjectsByQuotedNameAndValuesAsTheyAre)
{
    load(code("KNOCK", "$1^KNOCK();"));
    runCode("T1", "SHOW^RUN(5,DOOR);");
    runCode("T2", "SHOW^RUN(5,X,word);");
    runCode("T3", "SHOW^RUN();");
    // Quoted, the name is a text: it does not name the object to call.
    runCode("T4", "KNOCK^RUN(DOOR);KNOCK^RUN(\"DOOR\");");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.HIT(5,DOOR,$3)", "REC.HIT(5,9,word)", "REC.HIT($1,$2,$3)"}));
    turn();
}

TEST_F(BehaviourMethods, RunGivesACopyOfTheReturnedValue)
{
    EXPECT_EQ(lineValue("QUIET^RUN()"), "none");
    EXPECT_EQ(lineValue("GIVE3^RUN()"), "STRING:3");
    // A run without RETURN gives the old value again.
    EXPECT_EQ(lineValue("QUIET^RUNC()"), "STRING:3");
    runCode("T", "R^SET(GIVE3^RUN());");
    EXPECT_EQ(valueOf("R"), "3");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.QUIET()", "REC.GIVE3()", "REC.QUIET()", "REC.GIVE3()"}));
    turn();
}

TEST_F(BehaviourMethods, RunCTestsTheConditionAndRunDoesNot)
{
    runCode("T1", "GUARDED^RUNC();GUARDED^RUN();");
    call("A", "SET", {"2"});
    runCode("T2", "GUARDED^RUNC();GUARDED^RUN();");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.GUARDED()", "REC.GUARDED()", "REC.GUARDED()"}));
    turn();
}

TEST_F(BehaviourMethods, ABreakInACalledBehaviourStopsTheCaller)
{
    EXPECT_TRUE(runCode("CALLER", "REC^BEFORE();STOP^RUN();REC^AFTER();"));
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.BEFORE()"}));
    turn();
}

TEST_F(BehaviourMethods, RunLoopedCountsInTheFirstParameter)
{
    runCode("T1", "SHOW^RUNLOOPED(0,3);");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.HIT(0,$2,$3)", "REC.HIT(1,$2,$3)", "REC.HIT(2,$2,$3)"}));
    eventLog().clear();
    runCode("T2", "SHOW^RUNLOOPED(0,10,4,DOOR);");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.HIT(0,4,DOOR)", "REC.HIT(4,4,DOOR)", "REC.HIT(8,4,DOOR)"}));
    eventLog().clear();
    runCode("T3", "SHOW^RUNLOOPED(5,0);SHOW^RUNLOOPED(0,3,0);SHOW^RUNLOOPED(0,3,-1);");
    EXPECT_TRUE(eventLog().empty());
    turn();
}

TEST_F(BehaviourMethods, RunLoopedStopsOnBreakTestsTheConditionAndGivesTheReturnItself)
{
    load(code("UPTO", "REC^HIT($1);@IF($1,_,1,{@BREAK();});"));
    EXPECT_FALSE(runCode("T1", "UPTO^RUNLOOPED(0,5);REC^AFTER();"));
    call("A", "SET", {"2"});
    runCode("T2", "GUARDED^RUNLOOPED(0,3);");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.HIT(0)", "REC.HIT(1)", "REC.AFTER()"}));

    CMC_Behaviour host(scene, CXString("host"), CXString());
    CMC_Behaviour_Entry none(&host, CXString("QUIET^RUNLOOPED(0,1)"));
    EXPECT_EQ(none.run(nullptr, nullptr), nullptr);
    CMC_Behaviour_Entry looped(&host, CXString("GIVE3^RUNLOOPED(0,2)"));
    CMC_Variable* returned = looped.run(nullptr, nullptr);
    ASSERT_NE(returned, nullptr);
    EXPECT_EQ(returned, object("__RETURN__"));
    turn();
}

TEST_F(BehaviourMethods, DisabledBehavioursRunNothingUntilEnabled)
{
    runCode("T1", "QUIET^DISABLE();QUIET^RUN();QUIET^RUNC();QUIET^RUNLOOPED(0,2);");
    EXPECT_FALSE(behaviourNamed("QUIET")->isEnabled());
    EXPECT_TRUE(eventLog().empty());
    runCode("T2", "QUIET^ENABLE();QUIET^RUN();");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.QUIET()"}));
    turn();
}

TEST_F(BehaviourMethods, LocalsOfTheCalledRunAreGoneAfterIt)
{
    runCode("T", "LOCAL^RUN();LOCAL^RUN();");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.L(4)", "REC.L(4)"}));
    EXPECT_EQ(object("L"), nullptr);
    turn();
}

TEST_F(BehaviourMethods, BreakEndsOnlyATimerDrivenRun)
{
    // A behaviour not running on a timer stays where it is.
    runCode("T1", "QUIET^BREAK();QUIET^RUN();");
    EXPECT_NE(behaviourNamed("QUIET"), nullptr);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.QUIET()"}));

    auto* parameters = new CXArray(1, 0.75f);
    parameters->add(new CXString("0"));
    CMC_ObjectRef timed(behaviourNamed("SHOW"));
    behaviourNamed("SHOW")->runOnTimer(10, 0, parameters, nullptr);
    turn(10);
    runCode("T2", "SHOW^BREAK();");
    turns(2, 10);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.QUIET()", "REC.HIT(1,$2,$3)"}));
    EXPECT_EQ(object("SHOW"), nullptr);
    window.sweep();
    EXPECT_FALSE(timed.isAlive());
    turn();
}

TEST_F(BehaviourMethods, OtherObjectsAndCommonMethods)
{
    CMC_Runner* runner = CMC_RunnerFactory::getRunner(script::TYPE_BEHAVIOUR);
    ASSERT_NE(runner, nullptr);
    EXPECT_EQ(runner->run("RUN", object("A"), scene, nullptr), nullptr);
    EXPECT_EQ(lineValue("QUIET^GETNAME()"), "STRING:QUIET");
    EXPECT_TRUE(eventLog().empty());
    turn();
}

} // namespace
