// Hostile and careless script text: unbalanced brackets and braces, absurd nesting, huge lines and
// behaviours that run each other without end give no crash, no hang and no unbounded recursion.
#include "BehaviourScene.h"

#include "foundation/CLogSink.h"
#include "script/CMC_Behaviour_Entry.h"
#include "script/CMC_CodeText.h"
#include "script/CMC_Condition.h"
#include "script/CMC_NestingGuard.h"

using namespace scripttest;

namespace {

class CapturedLog : public CLogSink {
public:
    CapturedLog() { CLogSink::install(this); }
    ~CapturedLog() override { CLogSink::install(nullptr); }
    void toLog(const CXString& text, bool) override { lines.push_back(scripttest::text(text)); }
    std::vector<std::string> lines;
};

std::string repeated(const std::string& piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

} // namespace

class HostileLines : public BehaviourScene {
protected:
    // Parses and runs the code with two parameters; the run must come back.
    void survive(const std::string& code)
    {
        CMC_Behaviour* behaviour = addBehaviour("H", "");
        behaviour->setParams(nullptr);
        auto* made = new CMC_Behaviour(scene, CXString("H"), CXString(code.c_str()));
        scene->addObject(made);
        made->init();
        runBehaviour("H", {"{A^INC();}", "$1"});
        runBehaviour("H");
        turn();
    }

    CapturedLog log;
};

TEST_F(HostileLines, BrokenTextRunsWithoutHarm)
{
    load(declared("A", "INTEGER", {"VALUE=0"}) + declared("REC", "RECORDER"));
    const char* codes[] = {
        "(((;A^INC();",      ")));A^INC();",        "{{{;}}};",           "[[[;]]];",         "*;*^;*^(;*[;*[]^X();",
        "^;^^;^X(;A^;",      "@;@(;@);@@@();",      "THIS^;THIS^(;",      "[;[];[$1;[$9];",   "&;A^SET(&);A^SET(&&);",
        "$;$1;$9^X($0);$1^$2($1);", "\"\"\";A^SET(\"a);", ",,,;A^SET(,,1,,);", "A^SET(1;A^SET(1));",
        "A^SET({);A^SET(});A^SET({A^SET(1)});", "*[[[1+]]^X();*[A^X(]^Y();", "A^SET([1+[2+]);A^SET([]);A^SET([-]);",
        "REC^RUN({REC^RUN({$1});});", "REC^RUN($1);REC^RUN($2);", "A^SET(\t);\n;\r;",
    };
    for (const char* code : codes)
        survive(code);
    EXPECT_EQ(CMC_NestingGuard::depth(CMC_NestingGuard::RUNNING), 0);
}

TEST_F(HostileLines, DeepNestingIsCutOffAndReported)
{
    load(declared("A", "INTEGER", {"VALUE=0"}) + declared("REC", "RECORDER"));
    survive(repeated("REC^GIVE(", 3000) + "1" + repeated(")", 3000) + ";A^INC();");
    survive("A^SET(" + repeated("[", 3000) + "1" + repeated("]", 3000) + ");A^INC();");
    survive("REC^RUN(" + repeated("{REC^RUN(", 500) + repeated(")}", 500) + ");A^INC();");
    EXPECT_EQ(intOf("A"), 6);
    EXPECT_FALSE(log.lines.empty());
    EXPECT_EQ(CMC_NestingGuard::depth(CMC_NestingGuard::PARSING), 0);
}

TEST_F(HostileLines, HugeLinesAreDropped)
{
    load(declared("A", "INTEGER", {"VALUE=0"}) + declared("S", "STRING"));
    std::string huge = "S^SET(\"" + repeated("x", CMC_CodeText::kMaxLineLength + 10) + "\");";
    survive(huge + "A^INC();" + repeated("A^INC();", 2000));
    EXPECT_EQ(intOf("A"), 2 * 2001);
    EXPECT_EQ(valueOf("S"), "");
    // A parameter that would make a filled line too long fills nothing.
    EXPECT_EQ(text(CMC_CodeText::fillParams(CXString(repeated("$1", 20).c_str()), nullptr)), repeated("$1", 20));
    CXArray parameters(2, 0.75f);
    CXString big(repeated("y", 1000).c_str());
    parameters.add(&big);
    EXPECT_EQ(CMC_CodeText::fillParams(CXString(repeated("$1", 20).c_str()), &parameters).getLength(), 0);
}

TEST_F(HostileLines, BehavioursThatRunEachOtherStopAtTheLimit)
{
    load(declared("A", "INTEGER", {"VALUE=0"}) + declared("REC", "RECORDER") +
         declared("PING", "BEHAVIOUR", {"CODE={A^INC();REC^RUN(PONG);REC^RUN(PONG);}"}) +
         declared("PONG", "BEHAVIOUR", {"CODE={REC^RUN(PING);REC^RUN(PING);}"}) +
         declared("SELF", "BEHAVIOUR", {"CODE={SELF_C^CHECK();}"}) +
         declared("SELF_C", "CONDITION", {"OPERATOR=EQUAL", "OPERAND1=SELF_C^CHECK()", "OPERAND2=TRUE"}) +
         declared("LOOP", "COMPLEXCONDITION", {"OPERATOR=AND", "CONDITION1=LOOP", "CONDITION2=LOOP"}) +
         declared("E", "EXPRESSION", {"OPERAND1=E", "OPERATOR=ADD", "OPERAND2=1"}) +
         "A:ONCHANGED={A^INC();}\n");
    runBehaviour("PING");
    // Without the unwinding this would be 2^50 runs.
    EXPECT_LE(intOf("A"), 2 * CMC_NestingGuard::kMaxRunning);
    EXPECT_FALSE(CMC_NestingGuard::unwinding());
    runBehaviour("SELF");
    EXPECT_FALSE(dynamic_cast<CMC_BasicCondition*>(object("LOOP"))->valid(true));
    CMC_Variable* value = call("E", "GET");
    CMC_Object::flush(value);
    EXPECT_FALSE(log.lines.empty());
    // The script still runs normally afterwards.
    call("A", "SET", {"0"});
    EXPECT_GE(intOf("A"), 0);
    EXPECT_EQ(CMC_NestingGuard::depth(CMC_NestingGuard::RUNNING), 0);
    turn();
}

TEST_F(HostileLines, CodeIsCutAtTopLevelSemicolonsOnly)
{
    load(declared("A", "INTEGER"));
    struct Case {
        const char* code;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"A^SET( 1 , 2 );B^X()", {"A^SET(1,2)"}},
        {"@IF(A,_,1,{B^X();D^Y();});", {"@IF(A,_,1,{B^X();D^Y();})"}},
        {"S^SET(\"a b; c\");", {"S^SET(\"ab;c\")"}},
        {";;A^X();", {"", "", "A^X()"}},
        {"A^X(\t1);\nB^Y();", {"A^X(\t1)", "\nB^Y()"}},
        // A stray ")" leaves the depth below zero: no ";" ends a line after it.
        {"A^X(()));B^Y();C^Z();", {}},
        {"A^X((;B^Y();", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        for (const CXString& line : CMC_CodeText::splitLines(CXString(c.code)))
            lines.push_back(text(line));
        EXPECT_EQ(lines, c.lines) << c.code;
    }
    // The anonymous code of the IF line became a behaviour of two lines.
    CMC_Behaviour* behaviour = addBehaviour("B", "@IF(A,_,1,{B^X();D^Y();});");
    CMC_Object* anonymous = nullptr;
    for (int i = 0; i < scene->getObjects()->getSize(); ++i) {
        if (scene->getObject(i)->getName().startsWith("temp_"))
            anonymous = scene->getObject(i);
    }
    ASSERT_NE(anonymous, nullptr);
    EXPECT_EQ(dynamic_cast<CMC_Behaviour*>(anonymous)->getLineCount(), 2);
    EXPECT_EQ(behaviour->getLineCount(), 1);
    turn();
}

TEST_F(HostileLines, ObjectsDeletedWhileTheirOwnScriptRunsStopCleanly)
{
    load(declared("A", "INTEGER", {"VALUE=0"}) + declared("REC", "RECORDER") +
         declared("B", "BEHAVIOUR", {"CODE={A^INC();REC^KILL(B);A^INC();}"}) +
         declared("C", "CONDITION", {"OPERATOR=EQUAL", "OPERAND1=REC^KILL(C)", "OPERAND2=A"}) + "C:ONRUNTIMEFAILED={A^INC();}\n" +
         declared("E", "EXPRESSION", {"OPERAND1=REC^KILL(\"E\")", "OPERATOR=ADD", "OPERAND2=A"}) +
         declared("F", "BEHAVIOUR", {"CODE={REC^RUN(G,$1);A^INC();}"}) + declared("G", "BEHAVIOUR", {"CODE={REC^KILL(F);A^SET($1);}"}) +
         declared("R", "BEHAVIOUR", {"CODE={A^SET(E);REC^GIVE(V,REC^KILL(\"V\"));}"}) + declared("V", "STRING", {"VALUE=v"}));
    runBehaviour("B");
    EXPECT_EQ(intOf("A"), 1);
    EXPECT_EQ(object("B"), nullptr);
    EXPECT_FALSE(dynamic_cast<CMC_BasicCondition*>(object("C"))->valid(true));
    EXPECT_EQ(object("C"), nullptr);
    // An expression deleted while it computes, and an argument deleted by a later argument.
    runBehaviour("R");
    EXPECT_EQ(object("E"), nullptr);
    EXPECT_EQ(object("V"), nullptr);
    EXPECT_EQ(eventLog().back(), "REC.GIVE(null,null)");
    // A behaviour deleted by the behaviour it runs: the inner run ends, the outer one stops.
    runBehaviour("F", {"40"});
    EXPECT_EQ(intOf("A"), 40);
    turn();
}
