// What keeps a running line cheap must not change what it finds: weak references shared, copied
// and emptied, and value lines that look their name up again once a name was filed anywhere.
#include "BehaviourScene.h"

using namespace scripttest;

namespace {

std::string behaviourText(const std::string& name, const std::string& code)
{
    return declared(name, "BEHAVIOUR", {"CODE=" + code});
}

} // namespace

class LineLookup : public BehaviourScene {};

TEST_F(LineLookup, WeakReferencesCopiedMovedAndAssignedAllEmptyWhenTheObjectDies)
{
    auto* target = new TestObject("target");
    auto* other = new TestObject("other");
    CMC_ObjectRef first(target);
    CMC_ObjectRef copy(first);
    CMC_ObjectRef assigned;
    assigned = copy;
    const CMC_ObjectRef& same = assigned;
    assigned = same;
    CMC_ObjectRef moved(std::move(copy));
    CMC_ObjectRef moveAssigned(other);
    moveAssigned = std::move(assigned);
    CMC_ObjectRef dropped(target);
    dropped.reset();
    EXPECT_EQ(moved.get(), target);
    EXPECT_EQ(moveAssigned.get(), target);
    EXPECT_FALSE(dropped.isAlive());

    CMC_ObjectRef otherRef(other);
    CMC_Object::destroy(target);
    for (const CMC_ObjectRef* ref : {&first, &moved, &moveAssigned})
        EXPECT_EQ(ref->get(), nullptr);
    EXPECT_EQ(otherRef.get(), other);
    CMC_Object::destroy(other);
    EXPECT_FALSE(otherRef.isAlive());

    // A reference first taken while the object is being destroyed is empty from the start.
    auto* going = new TestObject("going");
    going->beginDestruction();
    CMC_Ref<CMC_Object> late(going);
    EXPECT_FALSE(late.isAlive());
    delete going;
}

TEST_F(LineLookup, ValueLinesFindVariablesNamedSinceTheirLastRun)
{
    load(declared("A", "INTEGER", {"VALUE=1"}) + declared("S", "STRING") + declared("REC", "RECORDER") +
         behaviourText("TAKE", "S^SET(LATE);") + behaviourText("READ", "A^SET(N);") +
         behaviourText("DECLARING", "REC^DECLARE(N,DECLARING);N^SET(5);REC^RUN(READ);"));
    runBehaviour("TAKE");
    EXPECT_EQ(valueOf("S"), "LATE");
    runBehaviour("TAKE");
    scene->addObject(new CMC_String(CXString("LATE"), CXString("here")));
    runBehaviour("TAKE");
    EXPECT_EQ(valueOf("S"), "here");

    // Declared for one run of another behaviour, and gone again after it.
    runBehaviour("READ");
    EXPECT_EQ(intOf("A"), 0);
    runBehaviour("DECLARING");
    EXPECT_EQ(intOf("A"), 5);
    runBehaviour("READ");
    EXPECT_EQ(intOf("A"), 0);

    // In a container above, filed there after the line last ran.
    TestScene episode("EPISODE", script::TYPE_EPISODE);
    scene->setParent(&episode);
    runBehaviour("READ");
    EXPECT_EQ(intOf("A"), 0);
    load(declared("N", "INTEGER", {"VALUE=7"}), &episode);
    runBehaviour("READ");
    EXPECT_EQ(intOf("A"), 7);
    scene->setParent(nullptr);
    episode.unload();
    turn();
}
