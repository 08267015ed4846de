// The built-in "@" statements, run from behaviour code against a generated scene.
#include "BehaviourScene.h"

#include "foundation/CLogSink.h"
#include "script/CMC_LoopBudget.h"
#include "script/CMC_String.h"

using namespace scripttest;

namespace {

std::string code(const std::string& name, const std::string& text)
{
    return declared(name, "BEHAVIOUR", {"CODE={" + text + "}"});
}

const std::string kScene = declared("A", "INTEGER", {"VALUE=1"}) + declared("B", "INTEGER", {"VALUE=2"}) +
                           declared("N", "INTEGER", {"VALUE=0"}) + declared("NAME", "STRING") + declared("REC", "RECORDER") +
                           code("YES", "REC^YES();") + code("NO", "REC^NO();") + code("HIT", "REC^HIT(_I_);");

class LogRecorder : public CLogSink {
public:
    void toLog(const CXString& text, bool) override { lines.push_back(scripttest::text(text)); }
    std::vector<std::string> lines;
};

class Statements : public BehaviourScene {
protected:
    void SetUp() override
    {
        BehaviourScene::SetUp();
        load(kScene);
        eventLog().clear();
    }

    // Runs the code once in a new behaviour of that name; true when it reported BREAK.
    bool runCode(const char* name, const std::string& text)
    {
        addBehaviour(name, text.c_str());
        return runBehaviour(name);
    }

    void setText(const char* name, const char* value) { dynamic_cast<CMC_String*>(object(name))->setValue(value); }
};

TEST_F(Statements, IfWithOneConditionTextTestsItsPiecesInOrder)
{
    struct Case {
        const char* condition;
        const char* branch;
    };
    const Case cases[] = {
        {"A'1", "YES"},       {"A!'1", "NO"},       {"A<B", "YES"},          {"A>'B", "NO"},
        {"A'1&&B'2", "YES"},  {"A'1&&B'3", "NO"},   {"A'2&&B'2", "NO"},      {"A'2||B'2", "YES"},
        {"A'2||B'3", "NO"},   {"A'1||B'3", "YES"},  {"A'1&&B'2&&N'0", "YES"}, {"nothing", "NO"},
    };
    int index = 0;
    for (const Case& c : cases) {
        eventLog().clear();
        std::string name = numbered("IF", index++);
        EXPECT_FALSE(runCode(name.c_str(), std::string("@IF(") + c.condition + ",YES,NO);")) << c.condition;
        EXPECT_EQ(eventLog(), std::vector<std::string>({std::string("REC.") + c.branch + "()"})) << c.condition;
    }
    turn();
}

TEST_F(Statements, IfStopsTestingAtTheFirstPieceThatDecides)
{
    // A text held in a variable reaches the statement as it is, calls included.
    load(declared("COND", "STRING"));
    setText("COND", "REC^GIVE(0)'1&&REC^GIVE(1)'1");
    runCode("AND", "@IF(COND,YES,NO);");
    setText("COND", "REC^GIVE(1)'1||REC^GIVE(0)'1");
    runCode("OR", "@IF(COND,YES,NO);");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.GIVE(0)", "REC.NO()", "REC.GIVE(1)", "REC.YES()"}));
    turn();
}

TEST_F(Statements, IfWithOperandsAndOperatorApart)
{
    runCode("T1", "@IF(A,_,1,YES,NO);");
    runCode("T2", "@IF(A,_,2,YES,NO);");
    runCode("T3", "@IF(A,_,2,YES);REC^AFTER();");
    runCode("T4", "@IF(A,<,B,{REC^IN();},{REC^OUT();});");
    runCode("T5", "@IF(B,>_,A,YES);");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.YES()", "REC.NO()", "REC.AFTER()", "REC.IN()", "REC.YES()"}));
    EXPECT_EQ(lineValue("@IF(A,_,2,YES)"), "none");
    turn();
}

TEST_F(Statements, ABreakInABranchStopsTheEnclosingBehaviour)
{
    EXPECT_TRUE(runCode("BRK", "@IF(A,_,1,{@BREAK();});REC^AFTER();"));
    EXPECT_FALSE(runCode("ONE", "@IF(A'1,{@ONEBREAK();},NO);REC^AFTER();"));
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.AFTER()"}));
    turn();
}

TEST_F(Statements, ABranchRunsOnItselfAndTextThatNamesNothingIsCode)
{
    load(code("SELF", "THIS^DISABLE();REC^SELF();") + declared("TEXT", "STRING"));
    setText("TEXT", "REC^RAW(1);REC^RAW(2);");
    runCode("T", "@IF(A'1,SELF,NO);@IF(A'1,TEXT,NO);");
    EXPECT_FALSE(behaviourNamed("SELF")->isEnabled());
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.SELF()", "REC.RAW(1)", "REC.RAW(2)"}));
    turn();
}

TEST_F(Statements, WhileTestsBeforeEveryPassAndBreakEndsOnlyThePass)
{
    EXPECT_FALSE(runCode("W1", "@WHILE(N,<,3,{N^INC();REC^HIT(N);});REC^AFTER();"));
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.HIT(1)", "REC.HIT(2)", "REC.HIT(3)", "REC.AFTER()"}));
    eventLog().clear();
    call("N", "SET", {"0"});
    EXPECT_FALSE(runCode("W2", "@WHILE(N,<,4,{N^INC();@IF(N,_,2,{@BREAK();});REC^HIT(N);});REC^AFTER();"));
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.HIT(1)", "REC.HIT(3)", "REC.HIT(4)", "REC.AFTER()"}));
    eventLog().clear();
    runCode("W3", "@WHILE(A,_,2,YES);");
    EXPECT_TRUE(eventLog().empty());
    turn();
}

TEST_F(Statements, EndlessLoopsStopAfterTheirPassesAndTheRunGoesOn)
{
    LogRecorder log;
    CLogSink::install(&log);
    runCode("ENDLESS", "@WHILE(1,_,1,{N^INC();});REC^AFTER();");
    CLogSink::install(nullptr);
    EXPECT_EQ(intOf("N"), CMC_LoopBudget::kMaxPasses);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.AFTER()"}));
    EXPECT_EQ(log.lines, std::vector<std::string>({"Script loop stopped after too many passes: WHILE"}));
    // The loops of one run share one count, nested, one after another or in behaviours that run
    // themselves: the run stops them all. The next run counts anew.
    struct Case {
        const char* name;
        const char* code;
        int passes;
        int runs;
    };
    const Case cases[] = {
        {"NESTED", "@LOOP({@LOOP({N^INC();},0,10000000,1);},0,10000000,1);@LOOP({A^INC();},0,3,1);", CMC_LoopBudget::kMaxPasses - 1, 1},
        {"SEQUENCE", "@LOOP({N^INC();},0,700000,1);@LOOP({N^INC();},0,700000,1);@LOOP({A^INC();},0,3,1);",
         CMC_LoopBudget::kMaxPasses, 1},
        {"SELF", "@LOOP({N^INC();},0,300000,1);A^INC();@IF(A,<,9,{SELF^RUN();});", CMC_LoopBudget::kMaxPasses, 9},
    };
    for (const Case& c : cases) {
        call("N", "SET", {"0"});
        call("A", "SET", {"1"});
        runCode(c.name, c.code);
        EXPECT_EQ(intOf("N"), c.passes) << c.name;
        EXPECT_EQ(intOf("A"), c.runs) << c.name;
    }
    call("A", "SET", {"1"});
    runCode("NEXT", "@LOOP({A^INC();},0,3,1);");
    EXPECT_EQ(intOf("A"), 4);
    turn();
}

TEST_F(Statements, LoopCountsInIWithTheStepTowardsTheEnd)
{
    struct Case {
        const char* arguments;
        std::vector<std::string> hits;
    };
    const Case cases[] = {
        {"0,3,1", {"REC.HIT(0)", "REC.HIT(1)", "REC.HIT(2)"}},
        {"5,-3,-1", {"REC.HIT(5)", "REC.HIT(4)", "REC.HIT(3)"}},
        {"0,10,4", {"REC.HIT(0)", "REC.HIT(4)", "REC.HIT(8)"}},
        {"2,0,1", {}},
        {"0,3,0", {}},
        {"0,3,-1", {}},
        {"3,-2,1", {}},
    };
    int index = 0;
    for (const Case& c : cases) {
        eventLog().clear();
        std::string name = numbered("L", index++);
        EXPECT_FALSE(runCode(name.c_str(), std::string("@LOOP(HIT,") + c.arguments + ");")) << c.arguments;
        EXPECT_EQ(eventLog(), c.hits) << c.arguments;
        EXPECT_EQ(object("_I_"), nullptr) << c.arguments;
    }
    turn();
}

TEST_F(Statements, LoopGivesBackAnEarlierIAndNestedLoopsKeepTheirOwn)
{
    // Made after the behaviours are parsed, so their lines look "_I_" up when they run.
    load(code("INNER", "REC^IN(_I_);") + code("OUTER", "@LOOP(INNER,0,2,1);REC^OUT(_I_);"));
    auto* earlier = new CMC_Integer(42);
    earlier->setName("_I_");
    earlier->setScene(scene);
    scene->addObject(earlier);
    runCode("T", "@LOOP(OUTER,5,2,1);");
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.IN(0)", "REC.IN(1)", "REC.OUT(5)", "REC.IN(0)", "REC.IN(1)", "REC.OUT(6)"}));
    EXPECT_EQ(object("_I_"), earlier);
    EXPECT_EQ(intOf("_I_"), 42);
    turn();
}

TEST_F(Statements, ABreakInAPassOfLoopOrForStopsTheEnclosingBehaviour)
{
    load(declared("K", "INTEGER"));
    EXPECT_TRUE(runCode("L", "@LOOP({REC^HIT(_I_);@IF(_I_,_,1,{@BREAK();});},0,5,1);REC^AFTER();"));
    EXPECT_TRUE(runCode("F", "@FOR(K,{REC^FOR(K);@IF(K,_,1,{@BREAK();});},0,5,1);REC^AFTER();"));
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.HIT(0)", "REC.HIT(1)", "REC.FOR(0)", "REC.FOR(1)"}));
    EXPECT_EQ(object("_I_"), nullptr);
    turn();
}

TEST_F(Statements, ForCountsInTheVariablePassed)
{
    load(declared("K", "INTEGER", {"VALUE=9"}) + declared("D", "DOUBLE") + code("SHOW", "REC^K(K);"));
    runCode("BYREF", "@FOR(&K,SHOW,0,3,1);");
    EXPECT_EQ(intOf("K"), 2);
    runCode("BYNAME", "@FOR(K,SHOW,10,-2,-1);");
    runCode("OTHER", "@FOR(D,{REC^D(D);},1,2,1);");
    EXPECT_EQ(eventLog(), std::vector<std::string>(
                              {"REC.K(0)", "REC.K(1)", "REC.K(2)", "REC.K(10)", "REC.K(9)", "REC.D(1.00000)", "REC.D(2.00000)"}));
    EXPECT_EQ(object("_I_"), nullptr);
    turn();
}

TEST_F(Statements, ReturnReplacesTheScenesReturnWithAText)
{
    EXPECT_EQ(lineValue("@RETURN(7)"), "STRING:7");
    CMC_ObjectRef first(object("__RETURN__"));
    EXPECT_EQ(lineValue("@RETURN(2.5)"), "STRING:2.50000");
    EXPECT_FALSE(first.isAlive());
    EXPECT_EQ(valueOf("__RETURN__"), "2.50000");
    // Its own value given back.
    EXPECT_EQ(lineValue("@RETURN(__RETURN__)"), "STRING:2.50000");
    EXPECT_EQ(lineValue("@RETURN(A)"), "STRING:1");
    turn();
}

TEST_F(Statements, LocalVariablesLiveForTheRunOfTheirBehaviour)
{
    EXPECT_FALSE(runCode("LOCALS", "@INT(L,5);REC^HIT(L);@INT(L,6);REC^HIT(L);@DOUBLE(X,1.5);@BOOL(Y,TRUE);@STRING(Z,ab);"
                                   "REC^ALL(X,Y,Z);"));
    EXPECT_TRUE(runCode("STOPPED", "@INT(M,1);@BREAK();"));
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.HIT(5)", "REC.HIT(5)", "REC.ALL(1.50000,TRUE,ab)"}));
    for (const char* name : {"L", "X", "Y", "Z", "M"})
        EXPECT_EQ(object(name), nullptr) << name;

    EXPECT_EQ(lineValue("@INT(Q,5)"), "INTEGER:5");
    EXPECT_EQ(lineValue("@DOUBLE(Q2,2)"), "DOUBLE:2.00000");
    // A name already taken changes nothing, written as a name or as a text.
    EXPECT_EQ(lineValue("@INT(A,5)"), "none");
    EXPECT_EQ(lineValue("@STRING(\"A\",x)"), "none");
    EXPECT_EQ(intOf("A"), 1);
    // Outside any behaviour no run would ever take it away: nothing is declared.
    CMC_Variable* outside = CMC_Behaviour::runLine(scene, nullptr, "@INT(OUT,3)", nullptr);
    EXPECT_EQ(outside, nullptr);
    EXPECT_EQ(object("OUT"), nullptr);
    turn();
}

TEST_F(Statements, ConvValueAndTheNamesOfApplicationAndScene)
{
    load(declared("WHO", "STRING", {"VALUE=A"}));
    struct Case {
        const char* line;
        const char* value;
    };
    const Case cases[] = {
        {"@CONV(2.7,INTEGER)", "INTEGER:3"}, {"@CONV(5,STRING)", "STRING:5"},  {"@CONV(1,BOOL)", "BOOL:TRUE"},
        {"@CONV(3,DOUBLE)", "DOUBLE:3.00000"}, {"@CONV(A,STRING)", "STRING:1"}, {"@CONV(X,FLOAT)", "none"},
        {"@CONV(5,string)", "none"},         {"@VALUE(\"A\")", "INTEGER:1"},  {"@VALUE(WHO)", "INTEGER:1"},
        {"@VALUE(\"REC\")", "none"},
        {"@VALUE(NOBODY)", "none"},          {"@GETCURRENTSCENE()", "STRING:SCENE"},
        {"@GETAPPLICATIONNAME()", "none"},   {"@MSGBOX(a,b,c)", "none"},      {"@NOSUCHSTATEMENT(1)", "none"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lineValue(c.line), c.value) << c.line;

    // VALUE gives the variable itself, named directly or by a variable's value.
    CMC_Behaviour host(scene, CXString("host"), CXString());
    CMC_Behaviour_Entry entry(&host, CXString("@VALUE(WHO)"));
    EXPECT_EQ(entry.run(nullptr, nullptr), object("A"));

    CMC_Object application("GAME", script::TYPE_APPLICATION);
    window.application = &application;
    EXPECT_EQ(lineValue("@GETAPPLICATIONNAME()"), "STRING:GAME");
    window.application = nullptr;
    turn();
}

TEST_F(Statements, RunOnTimerRunsItsPassesThenTheFollowUpAndLeaves)
{
    load(code("TICK", "REC^PASS($1,$2);") + code("AFTER", "REC^AFTER($1);"));
    runCode("START", "NAME^SET(@RUNONTIMER(100,3,TICK,AFTER,x));");
    std::string name = valueOf("NAME");
    EXPECT_EQ(name.rfind("timer_", 0), 0u) << name;
    CMC_ObjectRef timed(object(name.c_str()));
    ASSERT_TRUE(timed.isAlive());
    EXPECT_EQ(dynamic_cast<CMC_Behaviour*>(timed.get())->getCode(), "REC^PASS($1,$2);");
    turn(99);
    EXPECT_TRUE(eventLog().empty());
    turns(5, 100);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.PASS(1,x)", "REC.PASS(2,x)", "REC.PASS(3,x)", "REC.AFTER(3)"}));
    EXPECT_EQ(object(name.c_str()), nullptr);
    window.sweep();
    EXPECT_FALSE(timed.isAlive());
    EXPECT_NE(object("TICK"), nullptr);
    turn();
}

TEST_F(Statements, RunOnTimerCodeGetsItsPassNumberWrittenWithAnAmpersand)
{
    // "$1" is the starting run's parameter; "&1" waits for the pass number.
    addBehaviour("START", "{@RUNONTIMER(50,2,{REC^PASS($1,&1);},{REC^AFTER();});}");
    runBehaviour("START", {"7"});
    turns(4, 50);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.PASS(7,1)", "REC.PASS(7,2)", "REC.AFTER()"}));
    window.sweep();
    turn();
}

TEST_F(Statements, RunOnTimerWithoutCountEndsOnBreakAndTheBreakMethodStopsIt)
{
    load(code("AFTER", "REC^AFTER();"));
    runCode("UNTIL", "@RUNONTIMER(10,0,{N^INC();@IF(N,_,3,{@BREAK();});},AFTER);");
    turns(6, 10);
    EXPECT_EQ(intOf("N"), 3);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.AFTER()"}));

    eventLog().clear();
    runCode("ENDLESS", "NAME^SET(@RUNONTIMER(10,0,{REC^PASS(&1);},AFTER));");
    turns(2, 10);
    runCode("STOP", "*NAME^BREAK();");
    turns(3, 10);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.PASS(1)", "REC.PASS(2)"}));
    EXPECT_EQ(object(valueOf("NAME").c_str()), nullptr);
    window.sweep();
    turn();
}

TEST_F(Statements, RunOnTimerNamesNeverTakeTheNameOfALiveObject)
{
    runCode("FIRST", "NAME^SET(@RUNONTIMER(10,0,{REC^ONE();},));");
    std::string first = valueOf("NAME");
    int number = std::stoi(first.substr(6));
    // The next number is taken by a script's object: it must survive.
    std::string taken = "timer_" + std::to_string(number + 1);
    load(declared(taken, "INTEGER", {"VALUE=5"}));
    CMC_ObjectRef declaredObject(object(taken.c_str()));
    runCode("SECOND", "NAME^SET(@RUNONTIMER(10,0,{REC^TWO();},));");
    std::string second = valueOf("NAME");
    EXPECT_NE(second, first);
    EXPECT_NE(second, taken);
    EXPECT_TRUE(declaredObject.isAlive());
    turn(10);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.ONE()", "REC.TWO()"}));
    turn();
}

TEST_F(Statements, CreateMakesOnlyTheMediaTypesThatHaveAMaker)
{
    runCode("NONE", "@CREATE(ANIMO,PLAIN);");
    EXPECT_EQ(object("PLAIN"), nullptr);
    auto maker = [](CMC_ObjectsContainer* container) {
        auto* made = new TestObject(CXString(), script::TYPE_ANIMO);
        made->setScene(container);
        return made;
    };
    ASSERT_TRUE(CMC_CreationChain::registerEmptyCreator("ANIMO", maker));
    ASSERT_TRUE(CMC_CreationChain::registerEmptyCreator("TEXT", maker));
    EXPECT_FALSE(CMC_CreationChain::registerEmptyCreator("NOTAWORD", maker));
    runCode("SOME", "@CREATE(ANIMO,HERO);@CREATE(TEXT,LABEL);@CREATE(animo,LOW);@CREATE(IMAGE,PICTURE);");
    ASSERT_NE(object("HERO"), nullptr);
    EXPECT_EQ(object("HERO")->getType(), script::TYPE_ANIMO);
    EXPECT_EQ(object("HERO")->getScene(), scene);
    for (const char* name : {"LABEL", "LOW", "PICTURE"})
        EXPECT_EQ(object(name), nullptr) << name;
    turn();
}

} // namespace
