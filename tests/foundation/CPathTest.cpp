#include "foundation/CFile.h"
#include "foundation/CPath.h"

#include "GameTree.h"

namespace {

using CPathTest = GameTree;

TEST(CPath, JoinsOfTwoParts)
{
    const struct {
        const char* a;
        const char* b;
        const char* joined;
    } cases[] = {
        {"D:\\Game", "x", "D:\\Game\\x"},
        {"D:\\Game\\", "x", "D:\\Game\\x"},
        {"", "x", "x"},
        {"a", "", "a\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CPath::getFullPath(c.a, c.b), c.joined) << c.a << " + " << c.b;
}

TEST(CPath, JoinsOfThreePartsAlwaysPutOneBackslashAfterTheFirst)
{
    const struct {
        const char* a;
        const char* b;
        const char* c;
        const char* joined;
    } cases[] = {
        {"D:\\Game\\", "Dane", "x.cnv", "D:\\Game\\\\Dane\\x.cnv"},
        {"D:\\Game\\", "", "x.cnv", "D:\\Game\\\\x.cnv"},
        {"D:\\Game", "Dane", "", "D:\\Game\\Dane\\"},
        {"", "", "x", "\\x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CPath::getFullPath(c.a, c.b, c.c), c.joined) << c.a << " + " << c.b << " + " << c.c;
}

TEST(CPath, ExtensionIsAfterTheLastDotOrTheWholePath)
{
    EXPECT_EQ(CPath(nullptr, "a.b.img").GetExtension(), "img");
    EXPECT_EQ(CPath(nullptr, "noext").GetExtension(), "noext");
    CPath path(nullptr, "a.b.img");
    EXPECT_EQ(path.SetExtension("bmp"), "a.bmp");
    EXPECT_EQ(path.GetExtension(), "img");
    EXPECT_EQ(CPath(nullptr, "noext").SetExtension("bmp"), "noext.bmp");
}

TEST_F(CPathTest, ScriptNamesExpandTheirMarkersAndFolderSeparators)
{
    const struct {
        const char* name;
        const char* resolved;
    } cases[] = {
        {"$Dane\\x.cnv", "E:\\Dane\\x.cnv"},
        {"&Dane\\x.cnv", "E:\\Dane\\x.cnv"},
        {"Dane?x.cnv", "C:\\Game\\\\Dane\\x.cnv"},
        {"?x.cnv", "C:\\Game\\\\x.cnv"},
        {"a?b?c", "C:\\Game\\\\a\\b"},
        {"$Dane?x.cnv", "E:\\Dane\\x.cnv"},
        {"Dane\\x.cnv", "Dane\\x.cnv"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CPath::resolveFileName(window, c.name), c.resolved) << c.name;
    EXPECT_EQ(CPath::resolveFileNameEx(nullptr, "$Dane\\x.cnv"), "C:\\Game\\Dane\\x.cnv");
    EXPECT_EQ(CPath(window).resolveFileName("&x"), "E:\\x");

    // Nothing installed: the markers stand for empty roots.
    CWindowLink::install(nullptr);
    EXPECT_EQ(CPath::resolveFileName(window, "$Dane\\x.cnv"), "Dane\\x.cnv");
}

TEST_F(CPathTest, PathObjectsRememberTheCurrentFolder)
{
    CPath here(window);
    EXPECT_EQ(here.getCurrentPath(), "C:\\Game\\");
    EXPECT_EQ(here.GetExtension(), "");
    EXPECT_EQ(here.GetFullPath("x"), "C:\\Game\\x");
    EXPECT_EQ(here.GetFullPath("Dane", "x"), "C:\\Game\\\\Dane\\x");
    EXPECT_FALSE(here.isCD());
    EXPECT_EQ(CPath(window, "E:\\x").getCurrentPath(), "");

    std::filesystem::current_path(temp / "cd");
    EXPECT_TRUE(CPath(window).isCD());
    EXPECT_FALSE(CPath(window, "E:\\x").isCD());
}

} // namespace
