#include "foundation/CFolder.h"
#include "foundation/CXArray.h"
#include "foundation/FindHandles.h"

#include "GameTree.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> namesOf(CXArray* names)
{
    std::vector<std::string> result;
    for (int i = 0; i < names->getSize(); ++i)
        result.push_back(static_cast<CXString*>((*names)[i])->c_str());
    return result;
}

class CFolderTest : public GameTree {
protected:
    void SetUp() override
    {
        GameTree::SetUp();
        put("hdd/Game/Dane/b.cnv");
        put("hdd/Game/Dane/A.CNV");
        put("hdd/Game/Dane/c.cnv", "12345");
        put("hdd/Game/Dane/d.def");
        put("hdd/Game/Dane/cx.txt");
        std::filesystem::create_directories(temp / "hdd/Game/Dane/c.sub");
        std::filesystem::create_directories(temp / "hdd/Game/Dane/cy");
    }

    std::filesystem::path here() const { return std::filesystem::current_path(); }
};

TEST_F(CFolderTest, StandardFolderNames)
{
    EXPECT_EQ(CFolder::DATA_FOLDER, "Dane");
    EXPECT_EQ(CFolder::WAVS_FOLDER, "WAVS");
    EXPECT_EQ(CFolder::SFX_FOLDER, "Wavs\\Sfx");
    EXPECT_EQ(CFolder::COMMON_FOLDER, "COMMON");
}

TEST_F(CFolderTest, ListsAreSortedAndLeaveTheCurrentFolderAlone)
{
    CFolder folder(window);
    EXPECT_EQ(folder.getPath(), "C:\\Game\\");
    CXArray* scripts = folder.list("Dane\\*.cnv");
    EXPECT_EQ(namesOf(scripts), (std::vector<std::string>{"A.CNV", "b.cnv", "c.cnv"}));
    CFolder::releaseFilesList(scripts);
    CXArray* none = folder.list("Dane\\*.none");
    EXPECT_TRUE(none->isEmpty());
    CFolder::releaseFilesList(none);
    CFolder::releaseFilesList(nullptr);
    EXPECT_EQ(here(), temp / "hdd/Game");
    EXPECT_EQ(foundation::FindHandles::process().running(), 0u);
}

TEST_F(CFolderTest, FolderNameSkipsFilesAndTheListingGoesOn)
{
    CFolder folder(window, "Dane");
    EXPECT_EQ(here(), temp / "hdd/Game/Dane");
    EXPECT_EQ(folder.GetFolderName("c*"), "c.sub");
    EXPECT_EQ(folder.GetNextFileName(), "cx.txt");
    EXPECT_EQ(folder.GetNextFileName(), "cy");
    EXPECT_EQ(folder.GetNextFileName(), "");
    EXPECT_EQ(folder.GetFolderName("*.cnv"), "");

    EXPECT_EQ(folder.GetFileName("c*"), "c.cnv");
    for (const char* next : {"c.sub", "cx.txt", "cy", "", ""})
        EXPECT_EQ(folder.GetNextFileName(), next);

    // A new listing ends the running one.
    folder.GetFileName("*");
    folder.GetFileName("*");
    EXPECT_EQ(foundation::FindHandles::process().running(), 1u);
    EXPECT_EQ(folder.getPath(), "C:\\Game\\Dane\\");
}

TEST_F(CFolderTest, DirectoryTestsAndSizes)
{
    CFolder folder(window);
    EXPECT_TRUE(CFolder::IsDirectory("Dane"));
    EXPECT_TRUE(CFolder::IsDirectory("Dane\\c.sub"));
    EXPECT_FALSE(CFolder::IsDirectory("Dane\\c.cnv"));
    EXPECT_FALSE(CFolder::IsDirectory("Dane\\missing"));
    EXPECT_EQ(folder.GetSize("Dane\\c.cnv"), 5);
    EXPECT_EQ(folder.GetSize("Dane\\missing"), 0);
    EXPECT_EQ(foundation::FindHandles::process().running(), 0u);
}

TEST_F(CFolderTest, LetteredFoldersAndTheirTypes)
{
    const std::filesystem::path start = temp / "hdd/Game";
    for (const char* name : {"Ep.+main/A.+intro", "Ep.+main/B.x", "Ep.+main/C", "Ep.+main/D.", "Ep.+main/A.+intro/Q"})
        std::filesystem::create_directories(start / name);
    const std::filesystem::path episode = start / "Ep.+main";
    {
        CFolder folder(window, "Ep.+main");
        EXPECT_EQ(here(), episode);
        EXPECT_EQ(folder.GoTo(0), "intro");
        EXPECT_EQ(here(), episode / "A.+intro");
        EXPECT_EQ(folder.GoTo(16), ""); // Q has no type
        EXPECT_EQ(here(), episode / "A.+intro/Q");
        EXPECT_EQ(folder.GoUp(), "intro");
        EXPECT_EQ(folder.GoUp(), "main");
        EXPECT_EQ(here(), episode);
        EXPECT_EQ(folder.GoTo(1), "x");
        folder.GoStart();
        EXPECT_EQ(here(), episode);
        EXPECT_EQ(folder.GoTo(2), ""); // "C" has no dot
        EXPECT_EQ(here(), episode / "C");
        folder.GoStart();
        EXPECT_EQ(folder.GoTo(3), ""); // "D." ends with its dot
        EXPECT_EQ(here(), episode / "D.");
        folder.GoStart();
        EXPECT_EQ(folder.GoTo(25), ""); // no Z folder: nothing changes
        EXPECT_EQ(here(), episode);
        EXPECT_EQ(folder.GoTo(-1000), "");
        folder.back();
        EXPECT_EQ(here(), start);
        folder.GoStart();
        folder.GoTo(0);
    }
    // The destructor leaves the current folder where the walk ended.
    EXPECT_EQ(here(), episode / "A.+intro");
}

TEST_F(CFolderTest, AFolderGivenFromTheRootIsItsOwnBasePath)
{
    CFolder rooted(nullptr, "\\");
    EXPECT_EQ(rooted.getPath(), "\\");
    rooted.back();
    EXPECT_EQ(here(), temp / "hdd/Game");
    CFolder plain(nullptr);
    EXPECT_EQ(plain.getPath(), "C:\\Game");
}

} // namespace
