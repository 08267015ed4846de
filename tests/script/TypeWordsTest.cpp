#include "script/CMC_Object.h"
#include "script/CMC_Quene_Runner.h"
#include "script/CMC_Runner.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable_Runner.h"

#include <gtest/gtest.h>

namespace {

struct WordCase {
    const char* word;
    int type;
};

TEST(TypeWords, WordsGiveTheirIdentifiers)
{
    const WordCase cases[] = {
        {"INTEGER", 1},           {"STRING", 2},          {"BOOL", 3},           {"DOUBLE", 4},
        {"VARIABLE", 5},          {"CONDITION", 10},      {"COMPLEXCONDITION", 11}, {"EXPRESSION", 12},
        {"BEHAVIOUR", 13},        {"MOUSE", 100},         {"KEYBOARD", 101},     {"RANDOM", 102},
        {"CANVASOBSERVER", 103},  {"APPLICATION", 1000},  {"EPISODE", 1001},     {"SCENE", 1002},
        {"ANIMO", 2000},          {"BUTTON", 2001},       {"FONT", 2002},        {"SEQUENCE", 2004},
        {"SOUND", 2005},          {"TEXT", 2006},         {"TIMER", 2007},       {"IMAGE", 2008},
        {"EDITBOX", 2009},        {"NETPEER", 2010},      {"NETSERVER", 2011},   {"NETCLIENT", 2012},
        {"DIALOG", 2013},         {"FILTER", 2014},       {"STATICFILTER", 2015}, {"VECTOR", 2016},
        {"PATH", 2017},           {"FIFO", 2018},         {"LIFO", 2019},        {"CANVAS", 2020},
        {"PATTERN", 2021},        {"SCROLL", 2022},       {"GROUP", 3000},       {"ARRAY", 3001},
        {"STRUCTURE", 3002},      {"DATABASE", 3003},     {"CLASS", 3004},       {"VIRTUAL_GRAPHICSOBJECT", 3005},
        {"MULTIARRAY", 3006},     {"KOLOROWANKA", 10002}, {"MATRIX", 10003},     {"SWF", 10060},
        // The definition-file spellings, other letter case and words of no type are not words.
        {"STRUCT", -1},           {"VIRTUALGRAPHICSOBJECT", -1}, {"CANVAS_OBSERVER", -1}, {"structure", -1},
        {"JOYSTICK", -1},         {"MOVIE", -1},          {"", -1},
    };
    for (const WordCase& c : cases)
        EXPECT_EQ(CMC_Object::getTypeId(c.word), c.type) << c.word;
}

TEST(TypeWords, IdentifiersGiveTheirTexts)
{
    const WordCase cases[] = {
        {"INTEGER", 1},    {"STRING", 2},           {"BOOL", 3},          {"DOUBLE", 4},   {"5", 5},
        {"CONDITION", 10}, {"COMPLEX CONDITION", 11}, {"EXPRESSION", 12}, {"BEHAVIOUR", 13},
        {"MOUSE", 100},    {"KEYBOARD", 101},       {"RANDOM", 102},      {"CANVAS OBSERVER", 103},
        {"APPLICATION", 1000}, {"EPISODE", 1001},   {"SCENE", 1002},      {"ANIMO", 2000},
        {"BUTTON", 2001},  {"FONT", 2002},          {"SEQUENCE", 2004},   {"SOUND", 2005},
        {"TEXT", 2006},    {"TIMER", 2007},         {"IMAGE", 2008},      {"2009", 2009},
        {"NETPEER", 2010}, {"2011", 2011},          {"DIALOG", 2013},     {"FILTER", 2014},
        {"2015", 2015},    {"2016", 2016},          {"2023", 2023},       {"3000", 3000},
        {"ARRAY", 3001},   {"3002", 3002},          {"11000", 11000},     {"-1", -1},
        {"0", 0},          {"2003", 2003},
    };
    for (const WordCase& c : cases)
        EXPECT_STREQ(CMC_Object::typeToString(c.type).c_str(), c.word) << c.type;
}

TEST(RunnerFactory, HandsOutOneRunnerPerRowAndNullWithoutOne)
{
    CMC_RunnerFactory::initialize();
    CMC_Runner* variables = CMC_RunnerFactory::getRunner(script::TYPE_INTEGER);
    ASSERT_NE(variables, nullptr);
    EXPECT_EQ(variables, CMC_RunnerFactory::pVariableRunner);
    for (int type : {2, 3, 4, 12})
        EXPECT_EQ(CMC_RunnerFactory::getRunner(type), variables) << type;
    // Types whose subsystems have not registered a runner, and types that have none at all.
    for (int type : {2000, 2010, 10000, -1, 5, 2003})
        EXPECT_EQ(CMC_RunnerFactory::getRunner(type), nullptr) << type;
    CMC_RunnerFactory::done();
    EXPECT_EQ(CMC_RunnerFactory::getRunner(script::TYPE_INTEGER), nullptr);
    EXPECT_EQ(CMC_RunnerFactory::pVariableRunner, nullptr);
}

TEST(RunnerFactory, RegisteredRunnersServeEveryIdentifierOfTheirRow)
{
    int made = 0;
    EXPECT_TRUE(CMC_RunnerFactory::registerRunner(script::TYPE_LIFO, [&made] {
        ++made;
        return new CMC_Runner();
    }));
    EXPECT_TRUE(CMC_RunnerFactory::registerRunner(script::TYPE_STATEMENTS, [] { return new CMC_Runner(); }));
    EXPECT_FALSE(CMC_RunnerFactory::registerRunner(2010, [] { return new CMC_Runner(); }));
    CMC_RunnerFactory::initialize();
    EXPECT_EQ(made, 1);
    ASSERT_NE(CMC_RunnerFactory::getRunner(script::TYPE_FIFO), nullptr);
    EXPECT_EQ(CMC_RunnerFactory::getRunner(script::TYPE_FIFO), CMC_RunnerFactory::getRunner(script::TYPE_LIFO));
    EXPECT_EQ(CMC_RunnerFactory::getRunner(script::TYPE_FIFO), CMC_RunnerFactory::pQueneRunner);
    EXPECT_EQ(CMC_RunnerFactory::getRunner(0), CMC_RunnerFactory::pDummyRunner);
    // The factory prepared the table right after making the runner.
    EXPECT_EQ(CMC_RunnerFactory::getRunner(script::TYPE_FIFO)->resolveMethod("SEND"), CMC_Runner::SEND);
    CMC_RunnerFactory::done();
    CMC_RunnerFactory::resetRegistrations();
    CMC_RunnerFactory::initialize();
    // Back to the built-in runner; a row without one stays empty.
    EXPECT_NE(dynamic_cast<CMC_Quene_Runner*>(CMC_RunnerFactory::getRunner(script::TYPE_FIFO)), nullptr);
    EXPECT_EQ(CMC_RunnerFactory::getRunner(script::TYPE_NETSERVER), nullptr);
    CMC_RunnerFactory::done();
}

TEST(RunnerFactory, ObjectsWithoutAFactoryRunnerBringTheirOwn)
{
    struct PluginObject : CMC_Object {
        PluginObject() : CMC_Object("plugin", 10001) {}
        CMC_Runner* getRunner() override { return &own; }
        CMC_Runner own;
    } plugin;
    CMC_RunnerFactory::initialize();
    EXPECT_EQ(CMC_RunnerFactory::getRunnerFor(&plugin), &plugin.own);
    CMC_RunnerFactory::done();
}

TEST(Runner, MethodNamesAreExactAndTheFirstRegistrationWins)
{
    struct Shadowing : CMC_Runner {
        void prepareMthHashSet() override
        {
            CMC_Runner::prepareMthHashSet();
            putMethod("SEND", 1);
            putMethod("OWN", 2);
            putMethod("OWN", 3);
        }
    } runner;
    EXPECT_EQ(runner.resolveMethod("SEND"), -1); // no table before preparing
    runner.prepareMthHashSet();
    EXPECT_EQ(runner.resolveMethod("SEND"), CMC_Runner::SEND);
    EXPECT_EQ(runner.resolveMethod("send"), -1);
    EXPECT_EQ(runner.resolveMethod("OWN"), 2);
    EXPECT_EQ(runner.resolveMethod("OVERIDESIGNALS"), 109);
    EXPECT_EQ(runner.resolveMethod("GETCLONESNO"), 106);

    CMC_Variable_Runner variables;
    variables.prepareMthHashSet();
    EXPECT_EQ(variables.resolveMethod("SEND"), 96);
    EXPECT_EQ(variables.resolveMethod("LOWER"), 48);
    EXPECT_EQ(variables.resolveMethod("set"), -1);
}

} // namespace
