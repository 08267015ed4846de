#include "BehaviourScene.h"

#include "GameFolder.h"
#include "foundation/CFile.h"
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "script/CMC_Integer.h"
#include "script/CMC_Timer.h"

using namespace scripttest;

namespace {

class Timers : public WindowScene {
protected:
    CMC_Timer* timer(const char* name) { return as<CMC_Timer>(name); }

    int ticksOf(const char* name)
    {
        CMC_Variable* ticks = call(name, "GETTICKS");
        int value = ticks != nullptr ? static_cast<CMC_Integer*>(ticks)->getValue() : -1;
        CMC_Object::flush(ticks);
        return value;
    }

    void run(const char* name, const char* method, std::initializer_list<const char*> literals = {})
    {
        CMC_Object::flush(call(name, method, literals));
    }

    static std::vector<std::string> repeated(const std::vector<std::string>& series, int times)
    {
        std::vector<std::string> all;
        for (int i = 0; i < times; ++i)
            all.insert(all.end(), series.begin(), series.end());
        return all;
    }
};

const char* kBehaviours = "OBJECT=first\nfirst:TYPE=BEHAVIOUR\n"
                          "OBJECT=second\nsecond:TYPE=BEHAVIOUR\n"
                          "OBJECT=plain\nplain:TYPE=BEHAVIOUR\n";

TEST_F(Timers, ElapseAndTicksGiveNumberedTicksThenStop)
{
    load(std::string(kBehaviours) + "OBJECT=T\nT:TYPE=TIMER\nT:ELAPSE=100\nT:TICKS=3\n"
                                    "T:ONTICK^1=first\nT:ONTICK^2=second\nT:ONTICK=plain\n");
    turn(99);
    EXPECT_TRUE(eventLog().empty());
    turn(1);
    turns(9, 100);
    const std::vector<std::string> series = {"first(T)", "second(T)", "plain(T)"};
    EXPECT_EQ(eventLog(), series);
    EXPECT_FALSE(timer("T")->isEnabled());
    EXPECT_EQ(ticksOf("T"), 3);

    // ENABLE starts a new series from 1, a full period from now.
    run("T", "ENABLE");
    turn(99);
    EXPECT_EQ(eventLog().size(), 3u);
    turns(5, 100);
    EXPECT_EQ(eventLog(), repeated(series, 2));
}

TEST_F(Timers, ATurnGivesAtMostOneTickAndUnhandledTicksStillCount)
{
    load("OBJECT=T\nT:TYPE=TIMER\nT:ELAPSE=10\n");
    turn(1000);
    EXPECT_EQ(ticksOf("T"), 1);
    turns(4, 10);
    EXPECT_EQ(ticksOf("T"), 5);
    EXPECT_TRUE(timer("T")->isEnabled()); // no TICKS: no limit
}

TEST_F(Timers, EnabledPropertyDecidesTheStartState)
{
    struct Case {
        const char* enabled;
        bool expected;
    };
    const Case cases[] = {{"", true}, {"True", true}, {"TRUE", true}, {"FALSE", false}, {"0", false}, {"yes", false}};
    for (const Case& c : cases) {
        std::string script = "OBJECT=T\nT:TYPE=TIMER\nT:ELAPSE=100\n";
        if (*c.enabled != '\0')
            script += std::string("T:ENABLED=") + c.enabled + "\n";
        load(script);
        EXPECT_EQ(timer("T")->isEnabled(), c.expected) << c.enabled;
        turn(100);
        EXPECT_EQ(ticksOf("T"), c.expected ? 1 : 0) << c.enabled;
    }
}

TEST_F(Timers, DisableIgnoresTicksAndKeepsTheCount)
{
    load("OBJECT=T\nT:TYPE=TIMER\nT:ELAPSE=100\n");
    turns(2, 100);
    run("T", "DISABLE");
    turns(3, 100);
    EXPECT_EQ(ticksOf("T"), 2);
    run("T", "ENABLE");
    EXPECT_EQ(ticksOf("T"), 0);
    turn(100);
    EXPECT_EQ(ticksOf("T"), 1);
}

TEST_F(Timers, SetRaisesTheLimitAndResetRestartsCountAndPeriod)
{
    load("OBJECT=T\nT:TYPE=TIMER\nT:ELAPSE=100\nT:TICKS=3\n");
    turns(2, 100);
    run("T", "SET", {"5"});
    EXPECT_EQ(ticksOf("T"), 2);
    turns(6, 100);
    EXPECT_EQ(ticksOf("T"), 5);
    EXPECT_FALSE(timer("T")->isEnabled());

    load("OBJECT=R\nR:TYPE=TIMER\nR:ELAPSE=100\n");
    turns(2, 100);
    turn(60);
    run("R", "RESET");
    EXPECT_EQ(ticksOf("R"), 0);
    turn(99);
    EXPECT_EQ(ticksOf("R"), 0);
    turn(1);
    EXPECT_EQ(ticksOf("R"), 1);
}

TEST_F(Timers, SetElapseChangesThePeriodAndATimerWithoutElapseNeverTicks)
{
    load("OBJECT=T\nT:TYPE=TIMER\nT:ELAPSE=100\n"
         "OBJECT=N\nN:TYPE=TIMER\n");
    run("T", "SETELAPSE", {"300"});
    run("N", "SETELAPSE", {"10"});
    turns(2, 100);
    EXPECT_EQ(ticksOf("T"), 0);
    turn(100);
    EXPECT_EQ(ticksOf("T"), 1);
    EXPECT_EQ(ticksOf("N"), 0);
    EXPECT_EQ(timer("T")->getElapse(), "100"); // the written period stays
}

TEST_F(Timers, PauseStopsThisTimerAndRewindsEveryTimerOfTheWindowOnResume)
{
    load("OBJECT=P\nP:TYPE=TIMER\nP:ELAPSE=1000\n"
         "OBJECT=Q\nQ:TYPE=TIMER\nQ:ELAPSE=100\n");
    turn(30);
    run("P", "PAUSE");
    EXPECT_FALSE(timer("P")->isEnabled());
    turn(970);
    EXPECT_EQ(ticksOf("P"), 0);
    EXPECT_EQ(ticksOf("Q"), 1); // the window's timers still fire while paused
    run("P", "RESUME");
    EXPECT_TRUE(timer("P")->isEnabled());
    // Q had 70 ms left when the pause began, and has them again.
    turn(69);
    EXPECT_EQ(ticksOf("Q"), 1);
    turn(1);
    EXPECT_EQ(ticksOf("Q"), 2);

    // RESUME on an enabled timer touches nothing: Q keeps its phase.
    turn(50);
    run("Q", "RESUME");
    turn(50);
    EXPECT_EQ(ticksOf("Q"), 3);
}

TEST_F(Timers, ADeletedTimerNeverTicksAgain)
{
    load("OBJECT=plain\nplain:TYPE=BEHAVIOUR\nOBJECT=T\nT:TYPE=TIMER\nT:ELAPSE=100\nT:ONTICK=plain\n");
    turn(100);
    CMC_Object::destroy(timer("T"));
    turns(3, 100);
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"plain(T)"}));
}

TEST_F(Timers, StoredTimerLoadsEnabledAtCountZero)
{
    GameFolder folder;
    load("OBJECT=T\nT:TYPE=TIMER\nT:ELAPSE=100\nT:TICKS=2\nT:ENABLED=FALSE\n"
         "OBJECT=N\nN:TYPE=TIMER\nN:TICKS=4\n");
    auto stored = [&](const char* name) {
        {
            CFile file(nullptr, GameFolder::gamePath("t.bin").c_str(), CFile::UPDATE | CFile::BINARY);
            CXArchive archive(&file, true);
            object(name)->serialize(&archive);
            file.Close();
        }
        return folder.temp.read("t.bin");
    };
    auto loaded = [&](std::string bytes) {
        CFile_Stream stream(bytes.data(), static_cast<int>(bytes.size()));
        CXArchive reading(&stream, false);
        auto* copy = new CMC_Timer(scene);
        copy->serialize(&reading);
        return copy;
    };

    CMC_Timer* withElapse = loaded(stored("T"));
    CMC_Timer* without = loaded(stored("N"));
    EXPECT_EQ(withElapse->getName(), "T");
    EXPECT_EQ(withElapse->getElapse(), "100");
    EXPECT_EQ(withElapse->getLimit(), 2);
    EXPECT_TRUE(withElapse->isEnabled());
    EXPECT_EQ(without->getLimit(), 4);
    turns(3, 100);
    EXPECT_EQ(withElapse->getTick(), 2);
    // Stored without ELAPSE: no software timer, so it does not tick every turn.
    EXPECT_EQ(without->getTick(), 0);
    CMC_Object::destroy(withElapse);
    CMC_Object::destroy(without);
}

TEST_F(Timers, RunnerAnswersCommonMethodsAndIgnoresOtherObjects)
{
    load("OBJECT=T\nT:TYPE=TIMER\nT:ELAPSE=100\n");
    CMC_Variable* name = call("T", "GETNAME");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->toString(), "T");
    CMC_Object::flush(name);
    CMC_Runner* runner = CMC_RunnerFactory::getRunner(script::TYPE_TIMER);
    ASSERT_NE(runner, nullptr);
    CMC_Integer notATimer("x");
    EXPECT_EQ(runner->run("GETTICKS", &notATimer, scene, nullptr), nullptr);
    EXPECT_EQ(call("T", "SET"), nullptr); // no argument: nothing changes
    EXPECT_EQ(timer("T")->getLimit(), 0);
}

class TimerLines : public BehaviourScene {};

TEST_F(TimerLines, HandlersDriveTheTimerThroughItsMethods)
{
    load(declared("REC", "RECORDER") +
         declared("T", "TIMER", {"ELAPSE=100", "ONTICK={REC^TICK(T^GETTICKS());}", "ONTICK^3={T^DISABLE();REC^LAST();}"}));
    turns(6, 100);
    EXPECT_EQ(eventLog(), std::vector<std::string>({"REC.TICK(1)", "REC.TICK(2)", "REC.LAST()"}));
    EXPECT_FALSE(as<CMC_Timer>("T")->isEnabled());
    turn();
}

} // namespace
