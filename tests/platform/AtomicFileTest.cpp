#include "platform/AtomicFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using platform::AtomicFile;

size_t entriesIn(const std::string& folder)
{
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

TEST(AtomicFile, ReplacesContentAndKeepsPermissions)
{
    TempFolder folder;
    const std::string path = folder / "settings.txt";
    ASSERT_TRUE(AtomicFile::replace(path, "first"));
    chmod(path.c_str(), 0600);
    ASSERT_TRUE(AtomicFile::replace(path, std::string("second\0with nul", 15)));
    std::string bytes;
    ASSERT_TRUE(AtomicFile::readAll(path, bytes));
    EXPECT_EQ(bytes, std::string("second\0with nul", 15));
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(entriesIn(folder.path()), 1u); // no temporary file left
}

TEST(AtomicFile, CrashBeforeRenameLeavesTheOldFileWhole)
{
    TempFolder folder;
    const std::string path = folder / "settings.txt";
    ASSERT_TRUE(AtomicFile::replace(path, "old content"));
    AtomicFile::simulateCrashBeforeRename(true);
    EXPECT_FALSE(AtomicFile::replace(path, "new content that never lands"));
    AtomicFile::simulateCrashBeforeRename(false);
    std::string bytes;
    ASSERT_TRUE(AtomicFile::readAll(path, bytes));
    EXPECT_EQ(bytes, "old content");
}

TEST(AtomicFile, AbandonedOrFailedWritesLeaveNothing)
{
    TempFolder folder;
    {
        AtomicFile file(folder / "never.txt");
        ASSERT_TRUE(file.isOpen());
        EXPECT_TRUE(file.write("partial"));
    }
    EXPECT_EQ(entriesIn(folder.path()), 0u);
    AtomicFile inMissingFolder(folder / "missing/x.txt");
    EXPECT_FALSE(inMissingFolder.isOpen());
    EXPECT_FALSE(inMissingFolder.write("x"));
    EXPECT_FALSE(inMissingFolder.commit());
    std::string bytes;
    EXPECT_FALSE(AtomicFile::readAll(folder / "missing/x.txt", bytes));
    EXPECT_FALSE(AtomicFile::readAll(folder.path(), bytes)); // a folder
}

} // namespace
