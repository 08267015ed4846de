#include "foundation/CArchiveFileSystem.h"
#include "foundation/CFile.h"
#include "foundation/CFindData.h"
#include "foundation/CFolder.h"
#include "foundation/CPath.h"
#include "foundation/CXArray.h"

#include "GameTree.h"

#include <string>
#include <vector>

namespace {

// An archive that knows one folder "intro" and two files, and records what it was asked.
struct FakeArchive : CArchiveFileSystem {
    explicit FakeArchive(bool* deleted) : deleted(deleted) {}
    ~FakeArchive() override { *deleted = true; }

    bool FileExists(const CXString& path) override { return path.equalsIgnoreCase("a.cnv"); }
    bool DirExists(const CXString&) override { return true; }
    int ChDir(const CXString& path) override
    {
        asked.push_back(std::string("chdir ") + path.c_str());
        return 0;
    }
    CXString GetCurrentDirectoryA() override { return current; }
    int FindFirst(const CXString& pattern, CFindData* data) override
    {
        asked.push_back(std::string("find ") + pattern.c_str());
        data->name = "a.cnv";
        return 0;
    }
    int FindNext(int, CFindData*) override { return -1; }
    CFile* GetFile() override { return &file; }
    int GetSize(const CXString&) override { return 0; }
    int Seek(const CXString&) override { return -1; }
    std::unique_ptr<CFile> OpenMember(const CXString&) override { return nullptr; }
    int Seek(int offset, int whence) override
    {
        asked.push_back("seek " + std::to_string(offset) + "," + std::to_string(whence));
        return 0;
    }
    int Tell() override { return 1234; }

    bool* deleted;
    CFile file;
    CXString current;
    std::vector<std::string> asked;
};

using ArchiveRedirectionTest = GameTree;

TEST_F(ArchiveRedirectionTest, StaticQueriesGoToTheOpenArchiveButOpeningReadsTheDisk)
{
    put("hdd/Game/Dane/disk.cnv", "from disk");
    bool deleted = false;
    auto* archive = new FakeArchive(&deleted);
    CFile::setBigFile(archive);
    EXPECT_EQ(CFile::getBigFileIfc(), archive);
    EXPECT_EQ(CFile::getBigFileHandle(), &archive->file);

    EXPECT_TRUE(CFile::fileExists("A.CNV"));
    EXPECT_FALSE(CFile::fileExists("Dane\\disk.cnv"));
    EXPECT_TRUE(CFile::dirExists("anything"));
    EXPECT_EQ(CFile::getCurrentDirectory(), "\\");
    archive->current = "intro";
    EXPECT_EQ(CFile::getCurrentDirectory(), "intro\\");
    EXPECT_EQ(CPath::resolveFileName(window, "?x.cnv"), "intro\\\\x.cnv");
    EXPECT_EQ(CFile::chDir("Dane"), 0);

    CFindData data;
    data.attrib = CFindData::SUBDIR;
    EXPECT_EQ(CFile::findFirst("*.cnv", &data), 0);
    EXPECT_EQ(data.name, "a.cnv");
    EXPECT_EQ(CFile::findNext(0, &data), -1);

    CFolder folder(window);
    CXArray* names = folder.list("*.*");
    ASSERT_EQ(names->getSize(), 1);
    EXPECT_EQ(*static_cast<CXString*>((*names)[0]), "a.cnv");
    CFolder::releaseFilesList(names);

    CFile other;
    EXPECT_EQ(CFile::fSeek(&archive->file, 8, 1), 0);
    EXPECT_EQ(CFile::fTell(&archive->file), 1234);
    EXPECT_EQ(CFile::fSeek(&other, 8, 1), -1);
    EXPECT_EQ(CFile::fTell(&other), 0);

    CFile disk(window, "Dane\\disk.cnv", CFile::READ | CFile::BINARY);
    EXPECT_EQ(disk.LastError(), 0);
    EXPECT_EQ(disk.getLine(), "from disk");

    const std::vector<std::string> expected = {"chdir Dane", "find *.cnv", "find *.*", "seek 8,1"};
    EXPECT_EQ(archive->asked, expected);
    EXPECT_EQ(std::filesystem::current_path(), temp / "hdd/Game");

    CFile::closeBigFile();
    EXPECT_TRUE(deleted);
    EXPECT_EQ(CFile::getBigFileIfc(), nullptr);
    EXPECT_EQ(CFile::getBigFileHandle(), nullptr);
    EXPECT_TRUE(CFile::fileExists("Dane\\disk.cnv"));
    EXPECT_EQ(CFile::getCurrentDirectory(), "C:\\Game\\");
}

} // namespace
