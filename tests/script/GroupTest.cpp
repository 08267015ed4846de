#include "ScriptScene.h"

#include "script/CMC_Groupped.h"
#include "script/CMC_Integer.h"

using namespace scripttest;

namespace {

class Groups : public ScriptScene {
protected:
    void SetUp() override
    {
        ScriptScene::SetUp();
        load("OBJECT=G\nG:TYPE=GROUP\nOBJECT=X\nX:TYPE=INTEGER\nX:VALUE=1\nOBJECT=Y\nY:TYPE=INTEGER\nY:VALUE=2\n"
             "OBJECT=Z\nZ:TYPE=INTEGER\nZ:VALUE=3\n");
    }

    CMC_Groupped* group(const char* name = "G") { return CMC_Groupped::from(object(name)); }

    std::string result(const char* target, const char* method, std::initializer_list<const char*> arguments = {})
    {
        CMC_Variable* value = call(target, method, arguments);
        std::string answer = textOf(value);
        CMC_Object::flush(value);
        return answer;
    }

    int value(const char* name) { return static_cast<CMC_Integer*>(scene->getVariable(name))->getValue(); }
};

TEST_F(Groups, AddKeepsOneEntryPerObjectInOrder)
{
    call("G", "ADD", {"X", "Y", "X", "missing"});
    EXPECT_EQ(result("G", "GETSIZE"), "2");
    EXPECT_EQ(text(group()->toString()), "X,Y");
    EXPECT_EQ(result("G", "CONTAINS", {"Y"}), "TRUE");
    EXPECT_EQ(result("G", "CONTAINS", {"Z"}), "FALSE");
    EXPECT_EQ(result("G", "CONTAINS", {"missing"}), "FALSE");
    call("G", "REMOVE", {"X"});
    EXPECT_EQ(text(group()->toString()), "Y");
    call("G", "REMOVEALL");
    EXPECT_EQ(result("G", "GETSIZE"), "0");
    // X's common ADDTOGROUP fills the group as well.
    call("X", "ADDTOGROUP", {"G"});
    EXPECT_EQ(text(group()->toString()), "X");
}

TEST_F(Groups, AddClonesTakesTheNamedRunEveryTime)
{
    call("X", "CLONE", {"3"});
    call("G", "ADDCLONES", {"X", "1", "3"});
    call("G", "ADDCLONES", {"X", "2", "3"});
    EXPECT_EQ(text(group()->toString()), "X_1,X_2,X_3,X_2,X_3");
    call("G", "REMOVEALL");
    // The run defaults to 1 .. the object's clone count; missing names are skipped.
    call("G", "ADDCLONES", {"X"});
    call("G", "ADDCLONES", {"X", "3", "2147483647"});
    call("G", "ADDCLONES", {"NOSUCH", "1", "2"});
    EXPECT_EQ(text(group()->toString()), "X_1,X_2,X_3,X_3");
}

TEST_F(Groups, MarkerWalksAndWrapsBothWays)
{
    EXPECT_EQ(result("G", "NEXT"), "none");
    EXPECT_EQ(result("G", "PREV"), "none");
    EXPECT_EQ(result("G", "GETNAMEATMARKER"), "none");
    call("G", "ADD", {"X", "Y", "Z"});
    struct Step {
        const char* method;
        std::vector<const char*> arguments;
        const char* expected;
        int markerAfter;
    };
    const Step steps[] = {
        {"NEXT", {}, "X", 0},
        {"NEXT", {"2"}, "Z", 2},
        {"NEXT", {}, "X", 0},
        {"PREV", {}, "Z", 2},
        {"PREV", {"-1"}, "X", 0},
        {"NEXT", {"2000000000"}, "Z", 2},
        {"PREV", {"7"}, "Y", 1},
        {"GETNAMEATMARKER", {}, "Y", 1},
        {"RESETMARKER", {}, "none", -1},
        {"GETNAMEATMARKER", {}, "none", -1},
        // From the reset marker PREV reaches the member before the last.
        {"PREV", {}, "Y", 1},
        {"SETMARKERPOS", {"99"}, "none", 2},
        {"SETMARKERPOS", {"-5"}, "none", -1},
        {"GETNAME", {"1"}, "Y", -1},
        {"GETNAME", {"3"}, "none", -1},
        {"GETNAME", {"-1"}, "none", -1},
    };
    for (const Step& step : steps) {
        CXVector arguments(101, 0.75f);
        for (const char* argument : step.arguments)
            arguments.add(CMC_Variable::resolve(argument));
        CMC_Runner* runner = CMC_RunnerFactory::getRunnerFor(group());
        int id = runner->resolveMethod(step.method);
        // GETNAME by name is the common method: the group's own runs by its identifier.
        CMC_Variable* answer = runner->run(text(step.method) == "GETNAME" ? 5 : id, group(), scene, &arguments);
        EXPECT_EQ(textOf(answer), step.expected) << step.method;
        CMC_Object::flush(answer);
        EXPECT_EQ(group()->getMarkerPos(), step.markerAfter) << step.method;
        for (int i = 0; i < arguments.getSize(); ++i)
            CMC_Object::flush(static_cast<CMC_Variable*>(arguments.at(i)));
    }
    // By name, GETNAME is the group's own name.
    EXPECT_EQ(result("G", "GETNAME", {"1"}), "G");
}

TEST_F(Groups, UnknownMethodsGoToEveryMember)
{
    call("G", "ADD", {"X", "Y", "Z"});
    EXPECT_EQ(call("G", "INC"), nullptr);
    EXPECT_EQ(value("X"), 2);
    EXPECT_EQ(value("Y"), 3);
    EXPECT_EQ(value("Z"), 4);
    EXPECT_EQ(call("G", "SET", {"7"}), nullptr);
    EXPECT_EQ(value("X"), 7);
    EXPECT_EQ(value("Z"), 7);
    EXPECT_EQ(call("G", "ADD", {"\"5\""}), nullptr);
    EXPECT_EQ(value("Y"), 7);

    // A group that holds itself, directly or through another group, is not called again.
    load("OBJECT=H\nH:TYPE=GROUP\n");
    call("G", "ADD", {"H", "G"});
    call("H", "ADD", {"G"});
    call("H", "DEC");
    EXPECT_EQ(value("X"), 6);
    EXPECT_EQ(value("Y"), 6);
}

TEST_F(Groups, DeletedMembersLeaveTheGroup)
{
    call("G", "ADD", {"X", "Y", "Z"});
    call("G", "NEXT", {"2"});
    CMC_Object::destroy(object("Z"));
    EXPECT_EQ(text(group()->toString()), "X,Y");
    EXPECT_EQ(group()->getMarkerPos(), 1);
    EXPECT_EQ(result("G", "GETSIZE"), "2");
    call("G", "INC");
    EXPECT_EQ(value("X"), 2);

    // A copy holds the same members; it is named "cloned" until registered as a clone.
    std::unique_ptr<CXObject> copy(group()->clone());
    auto* copied = dynamic_cast<CMC_Groupped*>(copy.get());
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(text(copied->getName()), "cloned");
    EXPECT_EQ(text(copied->toString()), "X,Y");
    call("G", "CLONE");
    EXPECT_EQ(text(group("G_1")->toString()), "X,Y");
}

} // namespace
