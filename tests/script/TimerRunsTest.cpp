// Behaviours run on the window's software timers: passes counted in "$1", a limit or a BREAK ends
// the run, the follow-up runs once, and the finished behaviour leaves for the public trash.
#include "BehaviourScene.h"

#include "foundation/CXTimer.h"

using namespace scripttest;

class TimerRuns : public BehaviourScene {
protected:
    // Starts the behaviour's timer-driven run with a parameter list of "0" and the extras.
    CMC_Behaviour* start(const char* name, int period, int count, CMC_Behaviour* followUp = nullptr,
                         std::initializer_list<const char*> extras = {})
    {
        auto* parameters = new CXArray(11, 0.75f);
        parameters->add(new CXString("0"));
        for (const char* extra : extras)
            parameters->add(new CXString(extra));
        CMC_Behaviour* behaviour = behaviourNamed(name);
        behaviour->runOnTimer(period, count, parameters, followUp);
        return behaviour;
    }
    void turns(int count, uint32_t ms)
    {
        for (int i = 0; i < count; ++i)
            turn(ms);
    }
};

TEST_F(TimerRuns, ALimitedRunCountsItsPassesThenRunsTheFollowUpAndLeaves)
{
    load(declared("REC", "RECORDER") + declared("TICK", "BEHAVIOUR", {"CODE={REC^PASS($1,$2);}"}) +
         declared("AFTER", "BEHAVIOUR", {"CODE={REC^AFTER($1);}"}));
    CMC_ObjectRef tick(start("TICK", 100, 3, behaviourNamed("AFTER"), {"x"}));
    turn(99);
    EXPECT_TRUE(eventLog().empty());
    turns(3, 100);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.PASS(1,x)", "REC.PASS(2,x)", "REC.PASS(3,x)", "REC.AFTER(3)"}));
    // Out of the container at once, deleted by the trash's sweep.
    EXPECT_EQ(object("TICK"), nullptr);
    EXPECT_TRUE(tick.isAlive());
    turns(2, 100);
    EXPECT_EQ(eventLog().size(), 4u);
    window.sweep();
    EXPECT_FALSE(tick.isAlive());
    EXPECT_NE(object("AFTER"), nullptr);
    turn();
}

TEST_F(TimerRuns, AnUnlimitedRunEndsOnBreak)
{
    load(declared("A", "INTEGER", {"VALUE=0"}) + declared("DONE", "CONDITION", {"OPERATOR=GREATEREQUAL", "OPERAND1=A", "OPERAND2=3"}) +
         declared("TICK", "BEHAVIOUR", {"CODE={A^INC();DONE^BREAK();}"}));
    start("TICK", 10, 0);
    turns(10, 10);
    EXPECT_EQ(intOf("A"), 3);
    EXPECT_EQ(object("TICK"), nullptr);
    turn();
}

TEST_F(TimerRuns, BreakStopsTheRunWithoutTheFollowUp)
{
    load(declared("REC", "RECORDER") + declared("TICK", "BEHAVIOUR", {"CODE={REC^PASS($1);}"}) +
         declared("AFTER", "BEHAVIOUR", {"CODE={REC^AFTER();}"}));
    CMC_Behaviour* tick = start("TICK", 50, 0, behaviourNamed("AFTER"));
    turn(50);
    tick->_break();
    EXPECT_FALSE(tick->isRunningOnTimer());
    turns(3, 50);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.PASS(1)"}));
    EXPECT_EQ(object("TICK"), nullptr);
    window.sweep();
    turn();
}

TEST_F(TimerRuns, ABehaviourThatStopsItselfDuringAPassEndsCleanly)
{
    load(declared("REC", "RECORDER") + declared("TICK", "BEHAVIOUR", {"CODE={REC^PASS($1);REC^STOP(TICK);REC^PASS($1);}"}));
    CMC_ObjectRef tick(start("TICK", 10, 0));
    turn(10);
    turns(2, 10);
    // The pass goes on with its parameters after the stop; no pass follows.
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.PASS(1)", "REC.STOP(TICK)", "REC.PASS(1)"}));
    window.sweep();
    EXPECT_FALSE(tick.isAlive());
    turn();
}

TEST_F(TimerRuns, AContainerThatUnloadsARunningBehaviourLeavesNoTimerBehind)
{
    load(declared("REC", "RECORDER") + declared("TICK", "BEHAVIOUR", {"CODE={REC^PASS($1);}"}) +
         declared("TOCK", "BEHAVIOUR", {"CODE={REC^PASS($1);}"}));
    CMC_Behaviour* tick = start("TICK", 10, 0);
    CMC_Behaviour* tock = start("TOCK", 10, 0);
    // Timer ids are counters of the list, never addresses.
    EXPECT_GE(tick->getTimerId(), 0x10000);
    EXPECT_EQ(tock->getTimerId(), tick->getTimerId() + 1);
    turn(10);
    scene->unload();
    turns(3, 10);
    EXPECT_EQ(eventLog().size(), 2u);
    window.sweep();
    EXPECT_EQ(window.trashSize(), 0);
}
