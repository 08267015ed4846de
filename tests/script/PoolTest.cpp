#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

#include <gtest/gtest.h>

namespace {

class Pools : public ::testing::Test {
protected:
    void SetUp() override { CMC_VariableFactory::initialize(); }
    void TearDown() override { CMC_VariableFactory::done(); }
};

TEST_F(Pools, LendingWalksTheRingFromTheSlotAfterTheLastOne)
{
    EXPECT_EQ(CMC_VariableFactory::iVariablesIntegerNo, 500);
    EXPECT_EQ(CMC_VariableFactory::allocInteger()->getId(), 1);
    EXPECT_EQ(CMC_VariableFactory::allocInteger()->getId(), 2);
    EXPECT_STREQ(CMC_VariableFactory::variablesInt[2]->getName().c_str(), "f");
    for (int slot = 3; slot < 500; ++slot)
        CMC_VariableFactory::allocInteger();
    EXPECT_EQ(CMC_VariableFactory::intPtr, 499);
    CMC_Integer* wrapped = CMC_VariableFactory::allocInteger();
    EXPECT_EQ(wrapped->getId(), 0);
    // Every pool has its own ring.
    EXPECT_EQ(CMC_VariableFactory::allocString()->getId(), 1);
    EXPECT_EQ(CMC_VariableFactory::allocBool()->getId(), 1);
    EXPECT_EQ(CMC_VariableFactory::allocDouble()->getId(), 1);
}

TEST_F(Pools, AJustFreedSlotStaysReadableUntilTheRingComesBack)
{
    CMC_Integer* first = CMC_VariableFactory::makeInteger(41);
    CMC_Object::flush(first);
    EXPECT_FALSE(CMC_VariableFactory::variablesIntTaken[first->getId()]);
    CMC_Integer* next = CMC_VariableFactory::makeInteger(7);
    EXPECT_NE(next, first);
    EXPECT_EQ(first->getValue(), 41);
    // Lending does not reset a value.
    for (int i = 0; i < 498; ++i)
        CMC_VariableFactory::allocInteger();
    EXPECT_EQ(CMC_VariableFactory::allocInteger(), first);
    EXPECT_EQ(first->getValue(), 41);
}

TEST_F(Pools, TheTurnsResetFreesEverySlotAndKeepsThePosition)
{
    for (int i = 0; i < 10; ++i)
        CMC_VariableFactory::allocString();
    CMC_VariableFactory::clearPool();
    for (int slot = 0; slot < 500; ++slot)
        EXPECT_FALSE(CMC_VariableFactory::variablesStrTaken[slot]) << slot;
    EXPECT_EQ(CMC_VariableFactory::allocString()->getId(), 11);
}

TEST_F(Pools, AFullPoolLendsOverflowTemporariesThatTheResetGivesBack)
{
    for (int slot = 0; slot < 500; ++slot)
        CMC_VariableFactory::allocBool();
    CMC_Bool* spare = CMC_VariableFactory::allocBool();
    ASSERT_NE(spare, nullptr);
    EXPECT_EQ(spare->getId(), 500);
    EXPECT_NE(CMC_VariableFactory::allocBool(), spare);
    EXPECT_EQ(CMC_VariableFactory::overflowCount(), 2);
    CMC_Object::flush(spare);
    EXPECT_EQ(CMC_VariableFactory::allocBool(), spare);
    CMC_VariableFactory::clearPool();
    CMC_VariableFactory::allocBool();
    EXPECT_EQ(CMC_VariableFactory::overflowCount(), 2);
}

TEST_F(Pools, FreeIgnoresWhatIsNotPooled)
{
    CMC_Integer declared(5);
    CMC_Object::flush(&declared);
    CMC_Object::flush(nullptr);
    CMC_VariableFactory::free(&declared);
    // A variable that claims a slot it does not hold leaves the slot alone.
    CMC_Integer impostor(CXString("f"), 3);
    CMC_VariableFactory::variablesIntTaken[3] = true;
    CMC_VariableFactory::free(&impostor);
    EXPECT_TRUE(CMC_VariableFactory::variablesIntTaken[3]);
}

TEST_F(Pools, CopiesAreTemporariesOfTheSameType)
{
    CMC_Integer seven(7);
    CMC_Variable* copy = CMC_VariableFactory::copyVariable(&seven);
    ASSERT_NE(copy, nullptr);
    EXPECT_GE(copy->getId(), 0);
    EXPECT_LT(copy->getId(), 500);
    EXPECT_EQ(static_cast<CMC_Integer*>(copy)->getValue(), 7);
    CMC_String text("name", "abc");
    EXPECT_EQ(CMC_VariableFactory::copyVariable(&text)->toString(), "abc");
    EXPECT_EQ(CMC_VariableFactory::copyVariable(nullptr), nullptr);
}

TEST(PoolsLifecycle, DoneFreesEverythingAndAllocMakesThePoolsWhenNeeded)
{
    CMC_VariableFactory::done();
    EXPECT_FALSE(CMC_VariableFactory::isInitialized());
    EXPECT_NE(CMC_VariableFactory::allocDouble(), nullptr);
    EXPECT_TRUE(CMC_VariableFactory::isInitialized());
    CMC_VariableFactory::initialize(); // again: starts over
    EXPECT_EQ(CMC_VariableFactory::allocDouble()->getId(), 1);
    CMC_VariableFactory::done();
}

} // namespace
