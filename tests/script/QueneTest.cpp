#include "DataScene.h"

#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Fifo.h"
#include "script/CMC_Integer.h"
#include "script/CMC_Lifo.h"
#include "script/CMC_String.h"

using namespace scripttest;

namespace {

class Quenes : public DataScene {
protected:
    CMC_Quene* queue(const char* type, const char* name = "q")
    {
        load("OBJECT=empty\nempty:TYPE=BEHAVIOUR\n");
        return make<CMC_Quene>(std::string("OBJECT=") + name + "\n" + name + ":TYPE=" + type + "\n" + name + ":ONEMPTY=empty\n",
                               name);
    }

    // POP until the queue is empty, and once more.
    std::string popAll(CMC_Quene* target)
    {
        std::string shown;
        for (int left = target->getSize(); left >= 0; --left) {
            if (!shown.empty())
                shown += '|';
            shown += result(target, "POP");
        }
        return shown;
    }
};

TEST_F(Quenes, FifoGivesTheOldestAndLifoTheNewestThenOnEmpty)
{
    struct Case {
        const char* type;
        const char* expected;
    };
    const Case cases[] = {
        {"FIFO", "INTEGER:1|INTEGER:2|INTEGER:3|STRING:NULL"},
        {"LIFO", "INTEGER:3|INTEGER:2|INTEGER:1|STRING:NULL"},
    };
    for (const Case& c : cases) {
        CMC_Quene* q = queue(c.type);
        CMC_Object::flush(call(q, "PUSH", {"1", "2"}));
        CMC_Object::flush(call(q, "PUSH", {"3"}));
        EXPECT_EQ(result(q, "GETSIZE"), "INTEGER:3");
        EXPECT_EQ(result(q, "ISEMPTY"), "BOOL:FALSE");
        eventLog().clear();
        EXPECT_EQ(popAll(q), c.expected);
        EXPECT_EQ(eventLog(), (std::vector<std::string>{"empty(q)"}));
        EXPECT_EQ(result(q, "ISEMPTY"), "BOOL:TRUE");
    }
}

TEST_F(Quenes, QueuedValuesAreOwnedCopiesThatOutliveTheTurn)
{
    load("OBJECT=n\nn:TYPE=INTEGER\nn:VALUE=5\n");
    CMC_Quene* q = queue("FIFO");
    CXVector arguments(101, 0.75f);
    arguments.add(scene->getVariable("n"));
    CMC_Object::flush(callWith(q, "PUSH", &arguments));
    CMC_Object::flush(call(q, "PUSH", {"\"text\"", "2.5", "TRUE"}));
    CMC_Object::flush(call("n", "SET", {"6"}));
    // The pools lend every slot again in later turns; the queue keeps its own values.
    turn();
    for (int i = 0; i < 2 * CMC_VariableFactory::kPoolSize; ++i) {
        CMC_Object::flush(CMC_VariableFactory::makeString("other"));
        CMC_Object::flush(CMC_VariableFactory::makeInteger(-1));
        CMC_Object::flush(CMC_VariableFactory::makeDouble(-1.0));
        CMC_Object::flush(CMC_VariableFactory::makeBool(false));
    }
    turn();
    CMC_Variable* popped = call(q, "POP");
    EXPECT_EQ(typed(popped), "INTEGER:5");
    EXPECT_GE(popped->getId(), 0); // handed out as a temporary
    CMC_Object::flush(popped);
    EXPECT_EQ(popAll(q), "STRING:text|DOUBLE:2.50000|BOOL:TRUE|STRING:NULL");
    // Values queued when the object goes are deleted with it (the leak check would see them).
    CMC_Object::flush(call(q, "PUSH", {"1", "2"}));
}

TEST_F(Quenes, TheSceneArchiveKeepsTheNameAndHandlersButNoValues)
{
    CMC_Quene* q = queue("LIFO");
    CMC_Object::flush(call(q, "PUSH", {"1"}));
    auto* restored = new CMC_Lifo(scene);
    EXPECT_EQ(text(restored->getName()), "temp");
    EXPECT_EQ(restored->getType(), script::TYPE_LIFO);
    EXPECT_EQ(restoreForm(restored, storedForm(q)), 0);
    EXPECT_EQ(text(restored->getName()), "q");
    scene->addObject(restored); // takes the place of the one of that name
    restored->initializeBehaviours(scene, nullptr);
    EXPECT_EQ(restored->getSize(), 0);
    CMC_Object::flush(call(restored, "PUSH", {"1", "2", "3"}));
    eventLog().clear();
    EXPECT_EQ(popAll(restored), "INTEGER:3|INTEGER:2|INTEGER:1|STRING:NULL");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"empty(q)"}));
    EXPECT_EQ(CMC_Fifo(scene).clone(), nullptr);
}

TEST_F(Quenes, AHandlerMayDeleteTheQueueWhileItReportsEmpty)
{
    CMC_Quene* q = queue("FIFO");
    behaviour("empty")->action = [](CMC_Object* owner, CXArray*) {
        CMC_Object::destroy(owner);
        return false;
    };
    EXPECT_EQ(result(q, "POP"), "STRING:NULL");
    EXPECT_EQ(object("q"), nullptr);
}

} // namespace
