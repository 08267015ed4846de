#include "platform/DriveMap.h"
#include "platform/SharedLibrary.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

using platform::SharedLibrary;

TEST(SharedLibrary, LoadsLooksUpAndUnloads)
{
    SharedLibrary library;
    ASSERT_TRUE(library.load(TEST_MODULE_PATH)) << library.lastError();
    auto answer = reinterpret_cast<int (*)()>(library.symbol("tamzora_test_answer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    auto twice = reinterpret_cast<int (*)(int)>(library.symbol("_ZN10testmodule5twiceEi"));
    ASSERT_NE(twice, nullptr);
    EXPECT_EQ(twice(7), 14);
    EXPECT_EQ(library.symbol("missing"), nullptr);

    SharedLibrary moved = std::move(library);
    EXPECT_FALSE(library.isLoaded());
    EXPECT_TRUE(moved.isLoaded());
    moved.unload();
    EXPECT_FALSE(moved.isLoaded());
    EXPECT_EQ(moved.symbol("tamzora_test_answer"), nullptr);
}

TEST(SharedLibrary, GamePathsAndBareNamesInTheCurrentFolder)
{
    platform::DriveMap drives;
    drives.set('C', "/", platform::DriveType::Fixed);
    platform::setDrives(&drives);
    TempFolder folder;
    std::filesystem::copy_file(TEST_MODULE_PATH, folder / "Plugin.so");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());

    SharedLibrary library;
    EXPECT_TRUE(library.load("PLUGIN.SO")) << library.lastError();
    EXPECT_NE(library.symbol("tamzora_test_answer"), nullptr);
    EXPECT_TRUE(library.load("C:" + folder.path() + "\\plugin.so")) << library.lastError();
    EXPECT_FALSE(library.load("Missing.so"));
    EXPECT_FALSE(library.isLoaded());
    EXPECT_FALSE(library.lastError().empty());
    folder.write("broken.so", "not a library");
    EXPECT_FALSE(library.load("broken.so"));

    std::filesystem::current_path(previous);
    platform::setDrives(nullptr);
}

} // namespace
