// PATH objects in a live scene: nodes named by NODES or added by scripts, DENSITY, the text of a
// path and its stored record.
#include "MediaScene.h"

#include "objects/CMC_Path.h"

using namespace objectstest;

namespace {

class PathObject : public MediaScene {
protected:
    bool startPath()
    {
        return startWith(declared("V1", "VECTOR", {"SIZE=2", "VALUE=3,0"}) + declared("V2", "VECTOR", {"SIZE=2", "VALUE=0,2.5"}) +
                         declared("V3", "VECTOR", {"SIZE=2", "VALUE=-3,-2"}) + declared("WAY", "PATH", {"NODES=V1,V2,V3"}));
    }
};

TEST_F(PathObject, NodesAndDensityAnswerAsScriptsExpect)
{
    ASSERT_TRUE(startPath());
    const struct {
        const char* line;
        const char* answer;
    } cases[] = {
        {"WAY^GETSIZE()", "3"},
        {"WAY^GETNODE(0)", "V1"},
        {"WAY^GETNODE(2)", "V3"},
        // Outside the nodes: the empty text.
        {"WAY^GETNODE(3)", ""},
        {"WAY^GETNODE(-1)", ""},
        {"WAY^GETPROPERTY(\"DENSITY\")", "1.00000"},
        {"WAY^SETPROPERTY(\"DENSITY\", 2.5)", "none"},
        {"WAY^GETPROPERTY(\"DENSITY\")", "2.50000"},
        {"WAY^SETPROPERTY(\"SPEED\", 7.0)", "none"},
        {"WAY^GETPROPERTY(\"SPEED\")", "none"},
        // A name that finds nothing is an empty entry.
        {"WAY^ADD(\"NOBODY\")", "none"},
        {"WAY^ADD(\"V2\")", "none"},
        {"WAY^GETSIZE()", "5"},
        {"WAY^GETNODE(3)", ""},
        {"WAY^GETNODE(4)", "V2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(run(c.line), c.answer) << c.line;
    EXPECT_EQ(apptest::text(object("WAY")->toString()), "[3.00000,0][0,2.50000][-3.00000,-2.00000][][0,2.50000]");
}

TEST_F(PathObject, ComesBackFromItsRecordWithItsNodesByName)
{
    ASSERT_TRUE(startPath());
    run("WAY^ADD(\"NOBODY\")");
    run("WAY^SETPROPERTY(\"DENSITY\", 4.0)");
    std::string bytes = stored(object("WAY"));
    // After the name: four nodes, the empty one by an empty name.
    EXPECT_EQ(bytes.substr(bytes.size() - 26), std::string("\x04\0\0\0\x02\0\0\0V1\x02\0\0\0V2\x02\0\0\0V3\0\0\0\0", 26));
    CMC_Object::destroy(object("V2"));
    auto* copy = dynamic_cast<CMC_Path*>(restored("PATH", bytes));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getSize(), 4);
    EXPECT_EQ(apptest::text(copy->getNodeName(0)), "V1");
    // A node gone meanwhile is an empty entry; the density starts afresh.
    EXPECT_EQ(copy->getNode(1), nullptr);
    EXPECT_EQ(copy->getDensity(), 1.0);
}

} // namespace
