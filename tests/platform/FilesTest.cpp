#include "platform/DriveMap.h"
#include "platform/FileSearch.h"
#include "platform/Files.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using platform::FileEntry;
using platform::FileMode;
using platform::files;

// A game folder in a temp folder that is drive C: and the current folder.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drives_.set('C', std::filesystem::canonical(root_.path()).string(), platform::DriveType::Fixed);
        platform::setDrives(&drives_);
        previousFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(root_.path());
    }
    void TearDown() override
    {
        std::filesystem::current_path(previousFolder_);
        platform::setDrives(nullptr);
    }

    std::string readGameFile(const std::string& path)
    {
        auto file = files().open(path, FileMode::Read);
        if (!file)
            return "<not opened>";
        std::string bytes(static_cast<size_t>(file->size()), '\0');
        bytes.resize(file->read(bytes.data(), bytes.size()));
        return bytes;
    }

    static std::vector<std::string> names(const std::vector<FileEntry>& entries)
    {
        std::vector<std::string> result;
        for (const auto& entry : entries)
            result.push_back(entry.name);
        return result;
    }

    TempFolder root_;
    platform::DriveMap drives_;
    std::filesystem::path previousFolder_;
};

TEST_F(FilesTest, GamePathsOpenWhateverTheirCaseAndSeparators)
{
    root_.write("dane/Application.def", "APPLICATION");
    const char* paths[] = {
        "Dane\\APPLICATION.def",
        "DANE/application.DEF",
        "dane\\\\Application.def",
        "Dane/..\\DANE/./Application.def",
        "C:\\DANE\\APPLICATION.DEF",
        "c:DANE\\APPLICATION.DEF",
    };
    for (const char* path : paths)
        EXPECT_EQ(readGameFile(path), "APPLICATION") << path;
    EXPECT_EQ(files().nativePath("Dane\\APPLICATION.def"), "dane/Application.def");
    EXPECT_EQ(readGameFile(root_.path() + "\\DANE\\application.def"), "APPLICATION");
}

TEST_F(FilesTest, FindListsMatchesSortedWithSizeAndFolderFlag)
{
    root_.write("dane/b.cnv", "bb");
    root_.write("dane/A.cnv", "a");
    root_.write("dane/c.CNV", "ccc");
    root_.write("dane/notes.txt", "");
    std::filesystem::create_directory(root_ / "dane/Sub");

    const auto scripts = files().find("Dane\\*.CNV");
    ASSERT_EQ(names(scripts), (std::vector<std::string>{"A.cnv", "b.cnv", "c.CNV"}));
    EXPECT_EQ(scripts[2].size, 3u);
    EXPECT_FALSE(scripts[2].isFolder);

    const auto all = files().find("DANE/*.*");
    EXPECT_EQ(names(all), (std::vector<std::string>{".", "..", "A.cnv", "b.cnv", "c.CNV", "notes.txt", "Sub"}));
    EXPECT_TRUE(all.back().isFolder);

    platform::FileSearch search(files(), "dane\\?.cnv");
    FileEntry entry;
    std::vector<std::string> found;
    while (search.next(entry))
        found.push_back(entry.name);
    EXPECT_EQ(found, (std::vector<std::string>{"A.cnv", "b.cnv", "c.CNV"}));
    EXPECT_FALSE(search.next(entry));

    EXPECT_TRUE(files().find("Missing\\*.*").empty());
    EXPECT_TRUE(files().find("Dane\\").empty());
    EXPECT_EQ(names(files().find("C:dane")), (std::vector<std::string>{"dane"}));
}

TEST_F(FilesTest, PolishNamesOnDiskAreFoundByTheirCodePageSpelling)
{
    root_.write("dźwięki/Łódź.wav", "RIFF");
    // "DŹWIĘKI\ŁÓDŹ.WAV" in code page 1250.
    EXPECT_EQ(readGameFile("D\x8FWI\xCAKI\\\xA3\xD3\x44\x8F.WAV"), "RIFF");
    EXPECT_EQ(names(files().find("d\x9Fwi\xEAki\\*.wav")), (std::vector<std::string>{"\xA3\xF3\x64\x9F.wav"}));

    // A name the code page cannot spell is neither listed nor matched.
    root_.write("dźwięki/日本.wav", "");
    EXPECT_EQ(files().find("d\x9Fwi\xEAki\\*.*").size(), 3u);
}

TEST_F(FilesTest, ExactSpellingWinsOverOtherCases)
{
    root_.write("data/x", "lower");
    root_.write("DATA/x", "upper");
    root_.write("Data/x", "mixed");
    EXPECT_EQ(readGameFile("data\\x"), "lower");
    EXPECT_EQ(readGameFile("Data\\x"), "mixed");
    EXPECT_EQ(readGameFile("dATA\\x"), "upper"); // no exact spelling: first in byte order
}

TEST_F(FilesTest, NewFilesLandInTheExistingFolders)
{
    std::filesystem::create_directory(root_ / "dane");
    {
        auto file = files().open("DANE\\Saves\\..\\New.TXT", FileMode::Write);
        ASSERT_EQ(file, nullptr); // Saves does not exist
    }
    auto file = files().open("DANE\\New.TXT", FileMode::Write);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->write("hi", 2), 2u);
    file.reset();
    EXPECT_EQ(root_.read("dane/New.TXT"), "hi");
}

TEST_F(FilesTest, BadPathsFailCleanly)
{
    const std::string withNul("dane\0x", 6);
    for (const std::string& path : {std::string("Q:\\x"), std::string(), withNul}) {
        EXPECT_EQ(files().nativePath(path), "");
        EXPECT_EQ(files().open(path, FileMode::Read), nullptr);
        EXPECT_FALSE(files().fileExists(path));
        EXPECT_FALSE(files().setCurrentFolder(path));
    }
    std::filesystem::create_directory(root_ / "dane");
    EXPECT_EQ(files().open("Dane", FileMode::Read), nullptr); // a folder is not a file
}

TEST_F(FilesTest, CurrentFolderIsReportedInGameForm)
{
    std::filesystem::create_directories(root_ / "dane/sceny");
    EXPECT_EQ(files().currentFolder(), "C:\\");
    ASSERT_TRUE(files().setCurrentFolder("DANE\\Sceny"));
    EXPECT_EQ(files().currentFolder(), "C:\\dane\\sceny");
    ASSERT_TRUE(files().setCurrentFolder(".."));
    EXPECT_EQ(files().currentFolder(), "C:\\dane");
    EXPECT_FALSE(files().setCurrentFolder("Nowhere"));
    EXPECT_EQ(files().currentFolder(), "C:\\dane");

    // Outside every drive the native path is kept.
    drives_.clear();
    EXPECT_EQ(files().currentFolder(), std::filesystem::canonical(root_ / "dane").string());
}

TEST_F(FilesTest, FoldersFilesCopiesAndRemoval)
{
    root_.write("dane/a.txt", "new");
    root_.write("dane/b.txt", "old");

    EXPECT_TRUE(files().makeFolder("DANE\\Saves"));
    EXPECT_FALSE(files().makeFolder("Dane\\saves")); // exists already
    EXPECT_FALSE(files().makeFolder("Dane\\x\\y")); // no parent
    EXPECT_TRUE(files().folderExists("dane\\SAVES"));
    EXPECT_FALSE(files().fileExists("dane\\SAVES"));
    EXPECT_TRUE(files().fileExists("Dane\\A.TXT"));

    FileEntry entry;
    ASSERT_TRUE(files().stat("DANE\\A.TXT", entry));
    EXPECT_EQ(entry.name, "a.txt");
    EXPECT_EQ(entry.size, 3u);
    EXPECT_FALSE(entry.isFolder);
    EXPECT_FALSE(files().stat("dane\\none", entry));

    EXPECT_FALSE(files().copyFile("Dane\\A.txt", "Dane\\B.txt", false));
    EXPECT_EQ(root_.read("dane/b.txt"), "old");
    EXPECT_TRUE(files().copyFile("Dane\\A.txt", "Dane\\B.txt", true));
    EXPECT_EQ(root_.read("dane/b.txt"), "new");
    EXPECT_TRUE(files().copyFile("Dane\\A.txt", "Dane\\Saves\\C.txt", false));
    EXPECT_EQ(root_.read("dane/Saves/C.txt"), "new");
    EXPECT_FALSE(files().copyFile("Dane\\missing.txt", "Dane\\d.txt", true));
    EXPECT_FALSE(files().copyFile("Dane\\Saves", "Dane\\d.txt", true));
    EXPECT_FALSE(files().fileExists("Dane\\d.txt"));

    EXPECT_TRUE(files().removeFile("DANE\\b.TXT"));
    EXPECT_FALSE(files().removeFile("Dane\\Saves")); // a folder
    EXPECT_TRUE(files().removeTree("Dane\\SAVES"));
    EXPECT_FALSE(files().folderExists("Dane\\Saves"));
    EXPECT_FALSE(files().removeTree("Dane\\Saves"));
    EXPECT_EQ(files().find("dane\\*.*").size(), 3u); // ".", "..", a.txt
}

TEST_F(FilesTest, RemoveTreeRefusesRootsOfDrivesAndFileSystem)
{
    root_.write("keep.txt", "x");
    EXPECT_FALSE(files().removeTree("C:\\"));
    EXPECT_FALSE(files().removeTree("."));
    EXPECT_FALSE(files().removeTree("/"));
    EXPECT_TRUE(files().fileExists("keep.txt"));
}

TEST_F(FilesTest, FileHandleReadsWritesSeeksAndAppends)
{
    auto file = files().open("data.bin", FileMode::Write, true);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->write("line one\nline two\nend", 21), 21u);
    EXPECT_EQ(file->tell(), 21);
    EXPECT_EQ(file->size(), 21);
    EXPECT_EQ(file->tell(), 21);
    ASSERT_TRUE(file->seek(5, platform::SeekFrom::Start));
    char word[3] = {};
    EXPECT_EQ(file->read(word, 3), 3u);
    EXPECT_EQ(std::string(word, 3), "one");
    EXPECT_TRUE(file->seek(-3, platform::SeekFrom::End));
    EXPECT_EQ(file->tell(), 18);
    EXPECT_FALSE(file->seek(-100, platform::SeekFrom::Current));
    EXPECT_TRUE(file->close());

    auto append = files().open("DATA.BIN", FileMode::Append);
    ASSERT_NE(append, nullptr);
    EXPECT_EQ(append->write("!", 1), 1u);
    append.reset();

    auto reader = files().open("Data.Bin", FileMode::Read);
    ASSERT_NE(reader, nullptr);
    std::string line;
    ASSERT_TRUE(reader->readLine(line, 100));
    EXPECT_EQ(line, "line one\n");
    ASSERT_TRUE(reader->readLine(line, 4));
    EXPECT_EQ(line, "line");
    ASSERT_TRUE(reader->readLine(line, 100));
    EXPECT_EQ(line, " two\n");
    EXPECT_FALSE(reader->eof());
    ASSERT_TRUE(reader->readLine(line, 100));
    EXPECT_EQ(line, "end!");
    EXPECT_TRUE(reader->eof());
    EXPECT_FALSE(reader->readLine(line, 100));
    EXPECT_EQ(reader->write("x", 1), 0u); // opened for reading only

    reader->close();
    char byte;
    EXPECT_EQ(reader->read(&byte, 1), 0u);
    EXPECT_EQ(reader->tell(), -1);
    EXPECT_EQ(reader->size(), -1);
    EXPECT_FALSE(reader->seek(0, platform::SeekFrom::Start));
}

} // namespace
