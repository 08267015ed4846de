// Structures, databases, groups, classes and the script loader driven by real behaviour code.
#include "BehaviourFileScene.h"

#include "script/CMC_CNVLoader.h"
#include "script/CMC_Class.h"
#include "script/CMC_Database.h"
#include "script/CMC_Groupped.h"
#include "script/CMC_Structure.h"

using namespace scripttest;

namespace {

using DataLines = BehaviourFileScene;

TEST_F(DataLines, TablesAreFilledSavedAndReadThroughTheCursor)
{
    load(declared("ROW", "STRUCT", {"FIELDS=ID<INTEGER>,NAME<STRING>"}) + declared("DB", "DATABASE", {"MODEL=ROW"}) +
         declared("N", "INTEGER") + declared("NM", "STRING") +
         declared("FILL", "BEHAVIOUR",
                  {"CODE={ROW|ID^SET(1);ROW|NAME^SET(\"one\");DB^ADD(ROW);ROW^SET(2,\"\");DB^ADD(ROW);ROW^SET(3,\"three\");"
                   "DB^ADD(ROW);DB^SAVE(\"$t.txt\");DB^REMOVEALL();DB^LOAD(\"$t.txt\");N^SET(DB^GETROWSNO());DB^PREV();"
                   "NM^SET(DB_CURSOR|NAME);DB_CURSOR|NAME^SET(\"last\");DB^SELECT(1);DB_CURSOR^SETFIELD(\"NAME\",\"x\");}"}));
    runBehaviour("FILL");
    EXPECT_EQ(folder.temp.read("t.txt"), "1|one\r\n2|\r\n3|three\r\n");
    EXPECT_EQ(intOf("N"), 3);
    EXPECT_EQ(valueOf("NM"), "three");
    auto* db = dynamic_cast<CMC_Database*>(object("DB"));
    EXPECT_EQ(text(db->getRow(1)->toString()), "2|x");
    EXPECT_EQ(text(db->getRow(2)->toString()), "3|last");
    turn();
}

TEST_F(DataLines, GroupsPassUnknownMethodsToEveryMember)
{
    load(declared("G", "GROUP") + declared("A", "INTEGER", {"VALUE=1"}) + declared("B", "INTEGER", {"VALUE=5"}) +
         declared("REC", "RECORDER") + declared("NM", "STRING") +
         declared("RUNIT", "BEHAVIOUR", {"CODE={G^ADD(\"A\",\"B\",\"REC\");G^INC();G^ADD(10);NM^SET(G^NEXT());G^CALL(7);}"}));
    runBehaviour("RUNIT");
    // ADD is the group's own: it adds the object named 10, of which there is none.
    EXPECT_EQ(intOf("A"), 2);
    EXPECT_EQ(intOf("B"), 6);
    EXPECT_EQ(valueOf("NM"), "A");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"REC.INC()", "REC.CALL(7)"}));
    turn();
}

TEST_F(DataLines, ClassMethodsRunInTheirInstance)
{
    folder.temp.write("COMMON/CLASSES/counter.def",
                      declared("COUNT", "INTEGER") + declared("CONSTRUCTOR", "BEHAVIOUR", {"CODE={COUNT^SET($2);}"}) +
                          declared("ADDTO", "BEHAVIOUR", {"CODE={COUNT^ADD($1);COUNT^ADD($2);}"}) +
                          declared("REC", "RECORDER") + declared("DESTRUCTOR", "BEHAVIOUR", {"CODE={REC^GONE($1);GONE^INC();}"}));
    load(declared("COUNTER", "CLASS", {"DEF=counter.def"}) + declared("GONE", "INTEGER") +
         declared("MAKE", "BEHAVIOUR", {"CODE={COUNTER^NEW(\"C1\",5);COUNTER^NEW(\"C2\",1);C1^ADDTO(3,4);C2^ADDTO(1);}"}) +
         declared("DROP", "BEHAVIOUR", {"CODE={COUNTER^DELETE(\"C1\");}"}));
    runBehaviour("MAKE");
    auto countOf = [this](const char* instance) {
        auto* variable = dynamic_cast<CMC_Integer*>(CMC_Class::from(object(instance))->getObject("COUNT"));
        return variable != nullptr ? variable->getValue() : -1;
    };
    EXPECT_EQ(countOf("C1"), 12);
    EXPECT_EQ(countOf("C2"), 2);
    turn();
    eventLog().clear();
    runBehaviour("DROP");
    EXPECT_EQ(object("C1"), nullptr);
    EXPECT_EQ(eventLog(), std::vector<std::string>{"REC.GONE(C1)"});
    // An instance has no parent: its lines reach its own objects only.
    EXPECT_EQ(intOf("GONE"), 0);
    turn();
}

TEST_F(DataLines, NewAndMethodsGiveWhatTheirRunReturned)
{
    folder.temp.write("COMMON/CLASSES/base.def", declared("COUNT", "INTEGER") +
                                                     declared("ADDTO", "BEHAVIOUR", {"CODE={COUNT^SUB($1);}"}));
    folder.temp.write("COMMON/CLASSES/counter.def",
                      declared("CONSTRUCTOR", "BEHAVIOUR", {"CODE={COUNT^SET($2);@RETURN($1);}"}) +
                          declared("ADDTO", "BEHAVIOUR", {"CODE={COUNT^ADD($1);@RETURN(COUNT);}"}) +
                          declared("QUIET", "BEHAVIOUR", {"CODE={COUNT^INC();}"}));
    load(declared("COUNTER", "CLASS", {"BASE=base.def", "DEF=counter.def"}) + declared("R", "STRING") +
         declared("S", "STRING") + declared("T", "STRING", {"VALUE=unset"}) + declared("U", "STRING") +
         declared("MAKE", "BEHAVIOUR",
                  {"CODE={R^SET(COUNTER^NEW(\"C1\",5));S^SET(C1^ADDTO(3));T^SET(C1^QUIET());C1^SUPER_ADDTO(2);"
                   "U^SET(C1^ADDTO(0));}"}));
    runBehaviour("MAKE");
    EXPECT_EQ(valueOf("R"), "C1");
    EXPECT_EQ(valueOf("S"), "8");
    EXPECT_EQ(valueOf("T"), "unset");
    EXPECT_EQ(valueOf("U"), "7");
    turn();
}

TEST_F(DataLines, RunInsideAMethodGetsTheValueItsBehaviourReturned)
{
    folder.temp.write("COMMON/CLASSES/doubler.def",
                      declared("TWICE", "BEHAVIOUR", {"CODE={@RETURN([$1*2]);}"}) +
                          declared("QUAD", "BEHAVIOUR", {"CODE={@RETURN(TWICE^RUN(TWICE^RUN($1)));}"}));
    load(declared("DOUBLER", "CLASS", {"DEF=doubler.def"}) + declared("R", "STRING") +
         declared("MAKE", "BEHAVIOUR", {"CODE={DOUBLER^NEW(\"D1\");R^SET(D1^QUAD(3));}"}));
    runBehaviour("MAKE");
    EXPECT_EQ(valueOf("R"), "12");
    turn();
}

TEST_F(DataLines, LoadedScriptsJoinTheSceneUntilReleased)
{
    folder.temp.write("extra.cnv", declared("HELLO", "BEHAVIOUR", {"CODE={N^INC();}"}) +
                                       declared("X", "INTEGER", {"VALUE=7", "ONINIT={N^ADD(10);}"}));
    auto* loader = new CMC_CNVLoader(nullptr, scene);
    load(declared("N", "INTEGER") + declared("REC", "RECORDER") +
         declared("IN", "BEHAVIOUR", {"CODE={CNVLOADER^LOAD(\"$extra.cnv\");REC^RUN(\"HELLO\");}"}) +
         declared("OUT", "BEHAVIOUR", {"CODE={CNVLOADER^RELEASE(\"$extra.cnv\");}"}));
    scene->addObject(loader);
    runBehaviour("IN");
    runBehaviour("IN");
    EXPECT_EQ(intOf("N"), 12);
    EXPECT_NE(object("X"), nullptr);
    EXPECT_EQ(text(CMC_Groupped::from(object("$extra.cnv"))->toString()), "HELLO,beh_X_ONINIT,X");
    turn();
    runBehaviour("OUT");
    EXPECT_EQ(object("X"), nullptr);
    EXPECT_EQ(object("HELLO"), nullptr);
    EXPECT_EQ(object("beh_X_ONINIT"), nullptr);
    EXPECT_EQ(object("$extra.cnv"), nullptr);
    turn();
}

} // namespace
