#include "WindowHarness.h"

#include "graphics/CPublicTrash.h"
#include "script/CWindowServices.h"

namespace graphicstest {
namespace {

using TrashTest = WindowTest;

TEST_F(TrashTest, SweepDeletesOnlyMarkedObjectsWithinTenSecondsAndDropsThoseDeletedElsewhere)
{
    auto* marked = new FlushedObject(log, "MARKED");
    auto* unmarked = new FlushedObject(log, "UNMARKED");
    auto* gone = new FlushedObject(log, "GONE");
    for (CMC_Object* object : {marked, unmarked, gone})
        ASSERT_TRUE(CWindowServices::toPublicTrash(window.get(), object));
    marked->setToDelete();
    gone->setToDelete();
    // Its container deletes it before any sweep.
    CMC_Object::destroy(gone);
    EXPECT_EQ(window->getPublicTrashInterface()->getSize(), 2);

    for (int second = 1; second < 10; ++second) {
        clock.advance(1000);
        window->Tick();
    }
    clock.advance(999);
    window->Tick();
    EXPECT_EQ(window->getPublicTrashInterface()->getSize(), 2);
    clock.advance(1);
    window->Tick();
    EXPECT_EQ(window->getPublicTrashInterface()->getSize(), 1);

    // Ten seconds on, still not marked: still kept.
    clock.advance(10000);
    window->Tick();
    EXPECT_EQ(window->getPublicTrashInterface()->getSize(), 1);
    Log deletions;
    for (const std::string& line : takeLog()) {
        if (line.rfind("deleted:", 0) == 0)
            deletions.push_back(line);
    }
    EXPECT_EQ(deletions, (Log{"deleted:GONE", "deleted:MARKED"}));
    CMC_Object::destroy(unmarked);
}

TEST_F(TrashTest, ClosingTheWindowDeletesTheMarkedObjectsNobodyElseOwns)
{
    auto* marked = new FlushedObject(log, "MARKED");
    FlushedObject owned(log, "OWNED");
    CWindowServices::toPublicTrash(window.get(), marked);
    CWindowServices::toPublicTrash(window.get(), &owned);
    marked->setToDelete();
    window.reset();
    EXPECT_EQ(takeLog(), Log{"deleted:MARKED"});
}

TEST_F(TrashTest, WithoutAWindowTheCallerKeepsTheObject)
{
    FlushedObject object(log, "OBJ");
    EXPECT_FALSE(CWindowServices::toPublicTrash(nullptr, &object));
    window.reset();
    EXPECT_FALSE(CWindowServices::toPublicTrash(nullptr, &object));
    EXPECT_EQ(CWindowServices::installed(), nullptr);
}

} // namespace
} // namespace graphicstest
