// ARRAY, MULTIARRAY, FIFO, LIFO and VECTOR objects driven by real behaviour code.
#include "BehaviourFileScene.h"
#include "DataScene.h"

#include "script/CMC_Array.h"

using namespace scripttest;

namespace {

using DataObjectLines = BehaviourFileScene;

TEST_F(DataObjectLines, ArraysAreFilledReadAndWatchedByBehaviours)
{
    load(declared("ARR", "ARRAY", {"SENDONCHANGE=TRUE", "ONCHANGED^1=SECOND", "ONCHANGED=ANY"}) +
         declared("COPY", "ARRAY") + declared("N", "INTEGER") + declared("S", "STRING") + declared("SAME", "BOOL") +
         declared("HITS", "INTEGER") + declared("OTHERS", "INTEGER") +
         declared("SECOND", "BEHAVIOUR", {"CODE={HITS^INC();}"}) + declared("ANY", "BEHAVIOUR", {"CODE={OTHERS^INC();}"}) +
         declared("FILL", "BEHAVIOUR",
                  {"CODE={ARR^ADD(3,1,2);ARR^SORT(TRUE);N^SET(ARR^GET(0));ARR^RESETMARKER();ARR^NEXT();S^SET(ARR^NEXT());"
                   "ARR^SUM(N);ARR^SAVE(\"$arr.dat\");COPY^LOAD(\"$arr.dat\");SAME^SET(ARR^COMPARE(COPY));N^ADDTOARRAY(COPY);}"}));
    runBehaviour("FILL");
    // Additions report -1, 0 and 1; the sum then changes indices 0, 1 and 2.
    EXPECT_EQ(intOf("HITS"), 2);
    EXPECT_EQ(intOf("OTHERS"), 4);
    EXPECT_EQ(intOf("N"), 1);
    EXPECT_EQ(valueOf("S"), "2");
    EXPECT_EQ(elementsOf(dynamic_cast<CMC_Array*>(object("ARR"))), "INTEGER:2|INTEGER:3|INTEGER:4");
    EXPECT_EQ(valueOf("SAME"), "TRUE");
    EXPECT_EQ(elementsOf(dynamic_cast<CMC_Array*>(object("COPY"))), "INTEGER:2|INTEGER:3|INTEGER:4|INTEGER:1");
    EXPECT_EQ(folder.temp.read("arr.dat").size(), 4u + 3 * 8);
    turn(); // every result the lines took went back to its pool
}

TEST_F(DataObjectLines, QueuesGridsAndVectorsFromBehaviourCode)
{
    load(declared("Q", "FIFO", {"ONEMPTY=EMPTY"}) + declared("G", "MULTIARRAY", {"DIMENSIONS=2"}) +
         declared("V", "VECTOR", {"SIZE=2", "VALUE=2,2"}) + declared("W", "VECTOR", {"SIZE=2", "VALUE=1,2"}) +
         declared("A", "STRING") + declared("B", "INTEGER") + declared("C", "INTEGER") + declared("D", "STRING") +
         declared("E", "INTEGER") + declared("L", "DOUBLE") +
         declared("EMPTY", "BEHAVIOUR", {"CODE={E^INC();}"}) +
         declared("PUSHIT", "BEHAVIOUR", {"CODE={Q^PUSH(\"a\",5);G^SET(20,3,7);V^ADD(W);}"}) +
         declared("POPIT", "BEHAVIOUR",
                  {"CODE={A^SET(Q^POP());B^SET(Q^POP());D^SET(Q^POP());C^SET(G^GETSIZE(0));L^SET(V^LEN());}"}));
    runBehaviour("PUSHIT");
    // Turns go by between the push and the pop: the queue holds its own copies.
    turn();
    CMC_Object::flush(CMC_VariableFactory::makeString("other"));
    turn();
    runBehaviour("POPIT");
    EXPECT_EQ(valueOf("A"), "a");
    EXPECT_EQ(intOf("B"), 5);
    EXPECT_EQ(valueOf("D"), "NULL");
    EXPECT_EQ(intOf("E"), 1);
    EXPECT_EQ(intOf("C"), 32);
    EXPECT_EQ(valueOf("L"), "5.00000");
    EXPECT_EQ(text(object("V")->toString()), "3.00000,4.00000");
    turn();
}

} // namespace
