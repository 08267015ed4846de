#include "platform/SingleInstance.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, TheFirstHoldsTheLockUntilItGoesAndFoldersKeepCopiesApart)
{
    TempFolder one;
    TempFolder other;
    platform::SingleInstance::setFolder(one.path());
    EXPECT_EQ(platform::SingleInstance::folder(), one.path());
    {
        platform::SingleInstance first("Tamzora");
        EXPECT_TRUE(first.isFirst());
        platform::SingleInstance second("Tamzora");
        EXPECT_FALSE(second.isFirst());
        platform::SingleInstance otherProgram("Other");
        EXPECT_TRUE(otherProgram.isFirst());

        platform::SingleInstance::setFolder(other.path());
        platform::SingleInstance elsewhere("Tamzora");
        EXPECT_TRUE(elsewhere.isFirst());
        platform::SingleInstance::setFolder(one.path());
    }
    platform::SingleInstance again("Tamzora");
    EXPECT_TRUE(again.isFirst());

    // A folder that cannot be made never stops a program.
    platform::SingleInstance::setFolder("/proc/no-such-folder");
    platform::SingleInstance unlockable("Tamzora");
    EXPECT_TRUE(unlockable.isFirst());
    platform::SingleInstance::setFolder("");
    EXPECT_NE(platform::SingleInstance::folder(), one.path());
}

} // namespace
