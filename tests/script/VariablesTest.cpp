#include "ScriptScene.h"

#include "GameFolder.h"
#include "foundation/CConfig.h"
#include "foundation/CFile.h"
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "script/CComputedValue.h"
#include "script/CGameConfigLink.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CVariableSender.h"

#include <climits>
#include <cmath>

using namespace scripttest;

namespace {

// A declared (not pooled) variable from a literal, as a script would declare it.
std::unique_ptr<CMC_Variable> declared(const char* literal)
{
    CMC_Variable* pooled = CMC_Variable::resolve(literal);
    std::unique_ptr<CMC_Variable> value;
    switch (pooled->getType()) {
    case script::TYPE_INTEGER:
        value = std::make_unique<CMC_Integer>(static_cast<CMC_Integer*>(pooled)->getValue());
        break;
    case script::TYPE_DOUBLE:
        value = std::make_unique<CMC_Double>(static_cast<CMC_Double*>(pooled)->getValue());
        break;
    case script::TYPE_BOOL:
        value = std::make_unique<CMC_Bool>(static_cast<CMC_Bool*>(pooled)->getValue());
        break;
    default:
        value = std::make_unique<CMC_String>("temp", static_cast<CMC_String*>(pooled)->getValue());
        break;
    }
    CMC_Object::flush(pooled);
    return value;
}

// A value of no plain type: nothing converts it.
class Inconvertible : public CMC_Variable {
public:
    explicit Inconvertible(int type = script::TYPE_STRUCTURE) : CMC_Variable("odd", type) {}
    void clear() override {}
    void swap(CMC_Variable*, CMC_Variable*) override {}
    void inc() override {}
    void dec() override {}
    bool equals(CMC_Variable*) override { return false; }
    int compare(CMC_Variable*) override { return 0; }
    using CMC_Variable::compare;
    using CMC_Variable::equals;
    CMC_Variable* convert(int) override { return nullptr; }
    CMC_Variable* calculate(CMC_Variable*, int) override { return nullptr; }
    void setDefault(CMC_Variable*) override {}
    void resetINI() override {}
    int getBufferLen() override { return 0; }
    void netstore(uint8_t*) override {}
    bool netrestore(const uint8_t*, int) override { return false; }
    void store(CXArchive*) override {}
    void restore(CXArchive*) override {}
};

using Variables = ScriptScene;

TEST_F(Variables, LiteralsBecomeTemporariesOfTheirType)
{
    struct Case {
        const char* literal;
        const char* expected;
    };
    const Case cases[] = {
        {"\"12\"", "STRING:12"}, {"12", "INTEGER:12"}, {"1.5", "DOUBLE:1.50000"}, {"true", "STRING:true"},
        {"TRUE", "BOOL:TRUE"},   {"FALSE", "BOOL:FALSE"}, {"-", "INTEGER:0"},     {"", "STRING:"},
        {"\"ab", "STRING:ab"},   {"\"", "STRING:"},       {"007", "STRING:007"},  {"-3", "INTEGER:-3"},
        {"0.5", "DOUBLE:0.50000"}, {"1.2.3", "DOUBLE:1.20000"}, {"+1", "STRING:+1"}, {"-.", "DOUBLE:0"},
    };
    for (const Case& c : cases) {
        CMC_Variable* value = CMC_Variable::resolve(c.literal);
        EXPECT_GE(value->getId(), 0);
        EXPECT_EQ(typed(value), c.expected) << c.literal;
        CMC_Object::flush(value);
    }
    for (const char* number : {"-", "-.", "1.2.3", "0", "0.5", "12", "-0.5"})
        EXPECT_TRUE(CMC_Variable::isNumber(number)) << number;
    for (const char* other : {"007", "", "+1", "1a", "a1", "00"})
        EXPECT_FALSE(CMC_Variable::isNumber(other)) << other;
}

TEST_F(Variables, ConversionsBetweenThePlainTypes)
{
    struct Case {
        const char* literal;
        int type;
        const char* expected;
    };
    using namespace script;
    const Case cases[] = {
        {"7", TYPE_INTEGER, "INTEGER:7"},       {"7", TYPE_STRING, "STRING:7"},         {"7", TYPE_BOOL, "BOOL:TRUE"},
        {"0", TYPE_BOOL, "BOOL:FALSE"},         {"-7", TYPE_DOUBLE, "DOUBLE:-7.00000"}, {"2.5", TYPE_INTEGER, "INTEGER:3"},
        {"-2.5", TYPE_INTEGER, "INTEGER:-3"},   {"2.49", TYPE_INTEGER, "INTEGER:2"},    {"-2.49", TYPE_INTEGER, "INTEGER:-2"},
        {"0.001", TYPE_STRING, "STRING:0.00100"}, {"0.0", TYPE_STRING, "STRING:0"},     {"0.25", TYPE_BOOL, "BOOL:TRUE"},
        {"0.0", TYPE_BOOL, "BOOL:FALSE"},       {"1.5", TYPE_DOUBLE, "DOUBLE:1.50000"}, {"TRUE", TYPE_INTEGER, "INTEGER:1"},
        {"FALSE", TYPE_STRING, "STRING:FALSE"}, {"TRUE", TYPE_BOOL, "BOOL:TRUE"},       {"FALSE", TYPE_DOUBLE, "DOUBLE:0"},
        {"12abc", TYPE_INTEGER, "INTEGER:12"},  {"abc", TYPE_INTEGER, "INTEGER:0"},     {"ab", TYPE_STRING, "STRING:ab"},
        {"true", TYPE_BOOL, "BOOL:TRUE"},       {"True", TYPE_BOOL, "BOOL:TRUE"},       {"yes", TYPE_BOOL, "BOOL:FALSE"},
        {"\"1\"", TYPE_BOOL, "BOOL:FALSE"},     {"\"2.5x\"", TYPE_DOUBLE, "DOUBLE:2.50000"},
        {"7", TYPE_EXPRESSION, "none"},         {"ab", TYPE_CONDITION, "none"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CMC_Variable> source = declared(c.literal);
        CMC_Variable* converted = source->convert(c.type);
        EXPECT_EQ(typed(converted), c.expected) << c.literal << " to " << c.type;
        if (converted != source.get())
            CMC_Object::flush(converted);
    }
}

TEST_F(Variables, AConversionConsumesAPooledSourceAndNeverADeclaredOne)
{
    CMC_Variable* pooled = CMC_Variable::resolve("5");
    int slot = pooled->getId();
    CMC_Variable* text = pooled->convert(script::TYPE_STRING);
    EXPECT_FALSE(CMC_VariableFactory::variablesIntTaken[slot]);
    EXPECT_TRUE(CMC_VariableFactory::variablesStrTaken[text->getId()]);
    CMC_Object::flush(text);

    CMC_Integer declaredFive(5);
    CMC_Variable* again = declaredFive.convert(script::TYPE_STRING);
    EXPECT_EQ(declaredFive.getValue(), 5);
    EXPECT_EQ(declaredFive.getId(), -1);
    CMC_Object::flush(again);
    EXPECT_EQ(declaredFive.convert(script::TYPE_INTEGER), &declaredFive);
}

TEST_F(Variables, CalculateLeavesTheVariableAndAnswersATemporaryOfItsType)
{
    struct Case {
        const char* left;
        int operation;
        const char* right;
        const char* expected;
    };
    const Case cases[] = {
        {"2", 1, "3", "INTEGER:5"},            {"2", 2, "3", "INTEGER:-1"},          {"4", 3, "3", "INTEGER:12"},
        {"7", 4, "2", "INTEGER:3"},            {"-7", 4, "2", "INTEGER:-3"},         {"-7", 5, "2", "INTEGER:-1"},
        {"7", 5, "-2", "INTEGER:1"},           {"7", 4, "0", "INTEGER:0"},           {"7", 5, "0", "INTEGER:0"},
        {"-2147483648", 4, "-1", "INTEGER:-2147483648"}, {"-2147483648", 5, "-1", "INTEGER:0"},
        {"2147483647", 1, "1", "INTEGER:-2147483648"},   {"65536", 3, "65536", "INTEGER:0"},
        {"10", 2, "2.6", "INTEGER:7"},         {"1", 1, "1.5", "INTEGER:3"},         {"1", 1, "TRUE", "INTEGER:2"},
        {"1.5", 1, "1", "DOUBLE:2.50000"},     {"1.5", 2, "0.25", "DOUBLE:1.25000"}, {"1.5", 3, "2", "DOUBLE:3.00000"},
        {"1.0", 4, "4", "DOUBLE:0.25000"},     {"7.9", 5, "2.5", "DOUBLE:1.00000"},  {"-7.5", 5, "2", "DOUBLE:-1.00000"},
        {"7.5", 5, "0.5", "DOUBLE:0"},         {"TRUE", 1, "FALSE", "BOOL:FALSE"},   {"TRUE", 3, "FALSE", "BOOL:TRUE"},
        {"FALSE", 1, "TRUE", "BOOL:FALSE"},    {"TRUE", 2, "TRUE", "BOOL:TRUE"},     {"FALSE", 4, "TRUE", "BOOL:FALSE"},
        {"TRUE", 5, "FALSE", "BOOL:TRUE"},     {"ab", 1, "1", "STRING:ab1"},         {"ab", 1, "1.5", "STRING:ab1.50000"},
        {"ab", 2, "a", "STRING:ab"},           {"ab", 3, "x", "STRING:ab"},          {"ab", 5, "x", "STRING:ab"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CMC_Variable> left = declared(c.left);
        std::string before = text(left->toString());
        CMC_Variable* right = CMC_Variable::resolve(c.right);
        CMC_Variable* result = left->calculate(right, c.operation);
        EXPECT_EQ(typed(result), c.expected) << c.left << " op " << c.operation << " " << c.right;
        EXPECT_EQ(text(left->toString()), before);
        EXPECT_GE(result->getId(), 0);
        CMC_Object::flush(result);
        CMC_Object::flush(right);
    }
    std::unique_ptr<CMC_Variable> divided = declared("1.0");
    CMC_Variable* zero = CMC_Variable::resolve("0.0");
    CMC_Variable* infinite = divided->calculate(zero, 4);
    EXPECT_TRUE(std::isinf(static_cast<CMC_Double*>(infinite)->getValue()));
    CMC_Object::flush(infinite);
}

TEST_F(Variables, ComparisonsByType)
{
    struct Case {
        const char* left;
        const char* right;
        bool equal;
        int order;
    };
    const Case cases[] = {
        {"3", "3", true, 0},          {"3", "4", false, -1},       {"3", "2.6", true, 0},     {"-1", "0", false, -1},
        {"1.5", "1.5", true, 0},      {"1.5", "2", false, -1},     {"2.5", "TRUE", false, 1}, {"TRUE", "FALSE", false, 1},
        {"FALSE", "TRUE", false, -1}, {"TRUE", "\"true\"", true, 0}, {"abc", "ABC", true, 1},  {"ABC", "abc", true, -1},
        {"a", "b", false, -1},        {"ab", "a", false, 1},       {"\"\xb9\"", "z", false, 1}, {"5", "\"5\"", true, 0},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CMC_Variable> left = declared(c.left);
        std::unique_ptr<CMC_Variable> right = declared(c.right);
        EXPECT_EQ(left->equals(right.get()), c.equal) << c.left << " " << c.right;
        EXPECT_EQ(left->compare(right.get()), c.order) << c.left << " " << c.right;
    }
    // Against a value that converts to nothing.
    Inconvertible odd;
    const std::pair<const char*, int> inconvertible[] = {{"0", 1}, {"0.5", -1}, {"TRUE", -1}, {"a", -1}};
    for (const auto& [literal, order] : inconvertible) {
        std::unique_ptr<CMC_Variable> value = declared(literal);
        EXPECT_EQ(value->compare(&odd), order) << literal;
        EXPECT_FALSE(value->equals(&odd)) << literal;
    }
    // Sorted containers order variables through the root's compare.
    CMC_Integer one(1);
    CMC_Integer two(2);
    EXPECT_EQ(static_cast<const CXObject&>(one).compare(&two), -1);
}

// An argument computed when read, as an EXPRESSION is.
class Computed : public Inconvertible, public CComputedValue {
public:
    Computed() : Inconvertible(script::TYPE_EXPRESSION) {}
    CMC_Variable* computeValue() override { return CMC_VariableFactory::makeInteger(++reads); }
    int reads = 41;
};

TEST_F(Variables, TypedArgumentGettersConvertAndGiveTheTemporaryBackAtOnce)
{
    CMC_Runner runner;
    CMC_String declaredText("t", "abc");
    Computed computed;
    CXVector arguments(11, 0.75f);
    arguments.add(&declaredText);
    arguments.add(CMC_Variable::resolve("12"));
    arguments.add(&computed);
    EXPECT_EQ(runner.getParameterString(&arguments, 0), &declaredText);
    CMC_Variable* converted = runner.getParameterString(&arguments, 1);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(typed(converted), "STRING:12");
    EXPECT_FALSE(CMC_VariableFactory::variablesStrTaken[converted->getId()]);
    EXPECT_EQ(runner.getParameter(&arguments, 3), nullptr);
    EXPECT_EQ(runner.getParameterInteger(&arguments, -1), nullptr);
    EXPECT_EQ(runner.intArgument(&arguments, 9, -4), -4);
    EXPECT_EQ(runner.doubleArgument(&arguments, 0, 2.0), 0.0); // "abc" reads as 0
    EXPECT_EQ(runner.boolArgument(&arguments, 0, true), false);
    // A computed argument is read as its value, afresh each time.
    EXPECT_EQ(runner.intArgument(&arguments, 2), 42);
    EXPECT_EQ(typed(runner.getParameter(&arguments, 2)), "INTEGER:43");
}

class ChangeSignals : public ScriptScene {
protected:
    void SetUp() override
    {
        ScriptScene::SetUp();
        load("OBJECT=brutal\nbrutal:TYPE=BEHAVIOUR\nOBJECT=changed\nchanged:TYPE=BEHAVIOUR\n"
             "OBJECT=five\nfive:TYPE=BEHAVIOUR\nOBJECT=net\nnet:TYPE=BEHAVIOUR\n");
        eventLog().clear();
    }

    // A declared variable of the type with the usual handlers.
    CMC_Variable* declare(const char* type, const char* value)
    {
        std::string script = std::string("OBJECT=v\nv:TYPE=") + type + "\nv:VALUE=" + value +
                             "\nv:ONBRUTALCHANGED=brutal\nv:ONCHANGED=changed\nv:ONCHANGED^5=five\nv:ONNETCHANGE=net\n";
        load(script);
        eventLog().clear();
        return scene->getVariable("v");
    }
};

TEST_F(ChangeSignals, EveryStoreIsBrutalAndOnlyARealChangeIsAChange)
{
    using Log = std::vector<std::string>;
    CMC_Variable* v = declare("INTEGER", "3");
    EXPECT_EQ(signalsOf(v, "SET", {"3"}), (Log{"brutal(v)"}));
    EXPECT_EQ(signalsOf(v, "SET", {"4"}), (Log{"brutal(v)", "changed(v)"}));
    EXPECT_EQ(signalsOf(v, "INC"), (Log{"brutal(v)", "five(v)"}));
    EXPECT_EQ(signalsOf(v, "ABS", {"-5"}), (Log{"brutal(v)"}));
    EXPECT_EQ(signalsOf(v, "ADD", {"0"}), (Log{"brutal(v)"}));
    EXPECT_EQ(signalsOf(v, "CLEAR"), (Log{"brutal(v)", "changed(v)"}));
    EXPECT_EQ(signalsOf(v, "CLEAR"), (Log{"brutal(v)"}));
    EXPECT_EQ(signalsOf(v, "SWITCH", {"0", "5"}), (Log{"brutal(v)", "five(v)"}));
    EXPECT_EQ(signalsOf(v, "SETDEFAULT", {"9"}), Log{});
    EXPECT_EQ(signalsOf(v, "RESETINI"), Log{}); // only for TOINI variables

    v = declare("STRING", "ab");
    EXPECT_EQ(signalsOf(v, "INC"), Log{});
    EXPECT_EQ(signalsOf(v, "CUT", {"0", "1"}), (Log{"brutal(v)", "changed(v)"}));
    EXPECT_EQ(signalsOf(v, "REPLACE", {"x", "y"}), (Log{"brutal(v)"}));
    EXPECT_EQ(signalsOf(v, "UPPER"), (Log{"brutal(v)", "changed(v)"}));
    EXPECT_EQ(signalsOf(v, "SET", {"5"}), (Log{"brutal(v)", "five(v)"}));
    EXPECT_EQ(signalsOf(v, "CLEAR"), (Log{"brutal(v)", "changed(v)"}));
    EXPECT_EQ(signalsOf(v, "CLEAR"), (Log{"brutal(v)"}));

    v = declare("DOUBLE", "1.5");
    EXPECT_EQ(signalsOf(v, "SQRT"), (Log{"brutal(v)"}));
    EXPECT_EQ(signalsOf(v, "DEC"), (Log{"brutal(v)", "changed(v)"}));
    eventLog().clear();
    static_cast<CMC_Double*>(v)->setValue(NAN); // never equal to itself
    EXPECT_EQ(eventLog(), (Log{"brutal(v)", "changed(v)"}));

    v = declare("BOOL", "TRUE");
    EXPECT_EQ(signalsOf(v, "DEC"), (Log{"brutal(v)", "changed(v)"}));
    EXPECT_EQ(static_cast<CMC_Bool*>(v)->getValue(), false);
    EXPECT_EQ(signalsOf(v, "SWITCH", {"FALSE", "FALSE"}), (Log{"brutal(v)", "changed(v)"}));
}

TEST_F(ChangeSignals, ASpecificChangeHandlerTakesItsValueAlone)
{
    CMC_Variable* v = declare("INTEGER", "3");
    v->addBehaviour("ONBRUTALCHANGED^7", object("five"), nullptr, scene);
    EXPECT_EQ(signalsOf(v, "SET", {"7"}), (std::vector<std::string>{"five(v)", "changed(v)"}));
}

TEST_F(ChangeSignals, AHandlerMayDeleteTheVariableItWatches)
{
    CMC_Variable* v = declare("STRING", "ab");
    behaviour("brutal")->action = [](CMC_Object* owner, CXArray*) {
        CMC_Object::destroy(owner);
        return false;
    };
    eventLog().clear();
    CMC_Object::flush(call(v, "SET", {"cd"}));
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"brutal(v)"}));
    EXPECT_EQ(scene->getObject("v"), nullptr);
}

TEST_F(ChangeSignals, AStringsDestructionSignalSeesItsText)
{
    CMC_Variable* v = declare("STRING", "kept");
    std::string seen;
    behaviour("brutal")->action = [&seen](CMC_Object* owner, CXArray*) {
        seen = text(owner->toString());
        return false;
    };
    v->addBehaviour("ONDONE", object("brutal"), nullptr, scene);
    CMC_Object::destroy(v);
    EXPECT_EQ(seen, "kept");
}

// A network object double.
class TestSender : public CMC_Object, public CVariableSender {
public:
    TestSender(const char* name, bool ready) : CMC_Object(name, script::TYPE_NETSERVER), ready(ready) {}
    bool canSendVariables() override { return ready; }
    void sendVar(const CXString& recipient, CMC_Variable* variable) override
    {
        sent.push_back(text(getName()) + ":" + text(recipient) + ":" + text(variable->getName()) + "=" + text(variable->toString()));
    }
    bool ready;
    std::vector<std::string> sent;
};

class Persistence : public ChangeSignals, public CGameConfigLink {
protected:
    void SetUp() override
    {
        ChangeSignals::SetUp();
        CGameConfigLink::install(this);
    }
    void TearDown() override
    {
        CGameConfigLink::install(nullptr);
        ChangeSignals::TearDown();
    }
    CConfig* getGameConfig(CWindow*) override { return &config; }

    GameFolder folder;
    CConfig config{CXString(GameFolder::gamePath("game.ini").c_str())};
};

TEST_F(Persistence, ToIniVariablesReadTheirKeyAtInitAndWriteRealChanges)
{
    load("OBJECT=score\nscore:TYPE=INTEGER\nscore:VALUE=3\nscore:DEFAULT=1\nscore:TOINI=TRUE\n");
    EXPECT_EQ(text(config.GetString("SCENE", "score")), "3"); // missing key: the value is written
    CMC_Object::flush(call("score", "SET", {"7"}));
    EXPECT_EQ(text(config.GetString("SCENE", "score")), "7");
    CMC_Object::flush(call("score", "SET", {"7"}));
    CMC_Object::flush(call("score", "ABS", {"-2"})); // no change as far as the INI goes
    EXPECT_EQ(text(config.GetString("SCENE", "score")), "7");
    CMC_Object::flush(call("score", "RESETINI"));
    EXPECT_EQ(text(config.GetString("SCENE", "score")), "1");

    // The next time the scene loads, the INI wins over the declared value.
    config.PutString("SCENE", "score", "9");
    config.PutString("SCENE", "ratio", "2.5");
    load("OBJECT=score\nscore:TYPE=INTEGER\nscore:VALUE=3\nscore:TOINI=TRUE\nscore:ONCHANGED=changed\n"
         "OBJECT=ratio\nratio:TYPE=DOUBLE\nratio:TOINI=TRUE\n");
    EXPECT_EQ(text(object("score")->toString()), "9");
    EXPECT_EQ(text(object("ratio")->toString()), "2.50000");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"changed(score)"}));
}

TEST_F(Persistence, NetNotifyVariablesGoToAStartedServerElseAConnectedClient)
{
    auto* server = new TestSender("NETSERVER", false);
    auto* client = new TestSender("NETCLIENT", true);
    scene->addObject(server);
    scene->addObject(client);
    load("OBJECT=kept\nkept:TYPE=BOOL\nkept:TOINI=TRUE\n"
         "OBJECT=sent\nsent:TYPE=STRING\nsent:NETNOTIFY=TRUE\n"
         "OBJECT=quiet\nquiet:TYPE=INTEGER\n");
    CMC_Object::flush(call("kept", "SET", {"TRUE"}));
    server->ready = true;
    CMC_Object::flush(call("sent", "SET", {"hi"}));
    CMC_Object::flush(call("sent", "SET", {"hi"}));
    CMC_Object::flush(call("quiet", "SET", {"4"}));
    EXPECT_EQ(client->sent, (std::vector<std::string>{"NETCLIENT::kept=TRUE"}));
    EXPECT_EQ(server->sent, (std::vector<std::string>{"NETSERVER::sent=hi"}));
}

TEST_F(Persistence, AValueFromThePeerIsAnnouncedFirstAndNotSentBack)
{
    auto* server = new TestSender("NETSERVER", true);
    scene->addObject(server);
    load("OBJECT=v\nv:TYPE=INTEGER\nv:VALUE=3\nv:NETNOTIFY=TRUE\nv:ONNETCHANGE=net\nv:ONCHANGED=changed\n");
    std::string valueSeen;
    behaviour("net")->action = [&valueSeen](CMC_Object* owner, CXArray*) {
        valueSeen = text(owner->toString());
        return false;
    };
    eventLog().clear();
    CMC_Integer* received = CMC_VariableFactory::makeInteger(8);
    scene->getVariable("v")->onNetChange(received);
    CMC_Object::flush(received);
    EXPECT_EQ(valueSeen, "3");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"net(v)", "changed(v)"}));
    EXPECT_EQ(text(object("v")->toString()), "8");
    EXPECT_TRUE(server->sent.empty());
    CMC_Object::flush(call("v", "SET", {"9"}));
    EXPECT_EQ(server->sent, (std::vector<std::string>{"NETSERVER::v=9"}));
}

} // namespace
