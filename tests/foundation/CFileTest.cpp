#include "foundation/CFile.h"
#include "foundation/CFindData.h"
#include "foundation/FindHandles.h"

#include "GameTree.h"

#include <string>
#include <vector>

namespace {

std::string readAll(CFile& file)
{
    std::string bytes;
    char buffer[7]; // small, so reads end in the middle of line breaks
    int count;
    while ((count = file.Read(buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<size_t>(count));
    return bytes;
}

using CFileTest = GameTree;

TEST_F(CFileTest, CandidatesGoLanguageLocalThenCdAndFailWith2000)
{
    const std::vector<std::string> places = {"hdd/Game/Dane/POL/a.cnv", "hdd/Game/Dane/a.cnv", "cd/Dane/POL/a.cnv", "cd/Dane/a.cnv"};
    for (const std::string& place : places)
        put(place, place);
    for (const std::string& expected : places) {
        CFile file(window, "Dane\\a.cnv", CFile::READ | CFile::BINARY);
        EXPECT_EQ(file.LastError(), 0);
        EXPECT_EQ(readAll(file), expected);
        remove(expected);
    }
    CFile missing(window, "Dane\\a.cnv", CFile::READ | CFile::BINARY);
    EXPECT_EQ(missing.LastError(), CFile::NOT_FOUND);
    EXPECT_EQ(missing.GetHandle(), nullptr);
}

TEST_F(CFileTest, AFileNamedOnTheCdIsTakenFromTheRootFolderFirst)
{
    put("hdd/Game/Dane/b.cnv", "local");
    put("cd/Dane/b.cnv", "cd");
    CFile local(window, "$Dane\\b.cnv", CFile::READ | CFile::BINARY);
    EXPECT_EQ(local.getFileName(), "E:\\Dane\\b.cnv");
    EXPECT_EQ(readAll(local), "local");
    remove("hdd/Game/Dane/b.cnv");
    CFile cd(window, "&Dane\\b.cnv", CFile::READ | CFile::BINARY);
    EXPECT_EQ(readAll(cd), "cd");
}

TEST_F(CFileTest, WithoutALanguageTheRootFolderComesBeforeTheNameAsGiven)
{
    put("hdd/Game/Dane/c.cnv", "root");
    put("hdd/Other/Dane/c.cnv", "other");
    put("hdd/Other/notes.txt", "notes");
    std::filesystem::current_path(temp / "hdd/Other");
    CFile data(nullptr, "Dane\\c.cnv", CFile::READ | CFile::BINARY);
    EXPECT_EQ(data.getFileName(), "C:\\Other\\Dane\\c.cnv");
    EXPECT_EQ(readAll(data), "root");
    CFile plain(nullptr, "notes.txt", CFile::READ | CFile::BINARY);
    EXPECT_EQ(readAll(plain), "notes");
    // A name with a drive is not put under the current folder.
    CFile named(nullptr, "C:\\Other\\notes.txt", CFile::READ | CFile::BINARY);
    EXPECT_EQ(named.getFileName(), "C:\\Other\\notes.txt");
    EXPECT_EQ(readAll(named), "notes");
}

TEST_F(CFileTest, SoundPathsAreUpperCasedAndStillFoundOnDisk)
{
    put("hdd/Game/Wavs/Sfx/x.wav", "boom");
    EXPECT_EQ(CFile::getLocalPath("C:\\Other\\wavs\\sfx\\x.wav"), "C:\\Game\\WAVS\\SFX\\X.WAV");
    CFile sound(window, "WAVS\\SFX\\X.WAV", CFile::READ | CFile::BINARY);
    EXPECT_EQ(readAll(sound), "boom");
}

TEST_F(CFileTest, PathsMovedUnderTheRootOrTheCd)
{
    const struct {
        const char* path;
        const char* local;
        const char* cd;
    } cases[] = {
        {"D:\\x\\Dane\\a.cnv", "C:\\Game\\Dane\\a.cnv", "E:\\Dane\\a.cnv"},
        {"D:\\x\\COMMON\\CLASSES\\k.def", "C:\\Game\\COMMON\\CLASSES\\k.def", "E:\\COMMON\\CLASSES\\k.def"},
        {"D:\\x\\Wavs\\a.wav", "C:\\Game\\WAVS\\A.WAV", "E:\\WAVS\\A.WAV"},
        {"D:\\x\\dane\\a.cnv", "D:\\x\\dane\\a.cnv", "D:\\x\\dane\\a.cnv"}, // "Dane" is matched exactly
        {"D:\\x\\y.txt", "D:\\x\\y.txt", "D:\\x\\y.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CFile::getLocalPath(c.path), c.local) << c.path;
        EXPECT_EQ(CFile::getCDPath(c.path), c.cd) << c.path;
    }
    EXPECT_TRUE(CFile::isHdd("C:\\x"));
    EXPECT_FALSE(CFile::isHdd("E:\\x"));
    EXPECT_FALSE(CFile::isHdd("Q:\\x"));
    EXPECT_FALSE(CFile::isHdd(""));
}

TEST_F(CFileTest, ALaterSuccessfulOpenClearsError2000)
{
    put("hdd/Game/Dane/here.cnv");
    CFile file;
    EXPECT_EQ(file.Open(window, "Dane\\gone.cnv", CFile::READ), CFile::NOT_FOUND);
    EXPECT_EQ(file.LastError(), CFile::NOT_FOUND);
    EXPECT_EQ(file.Length(), -1);
    EXPECT_EQ(file.Open(window, "Dane\\here.cnv", CFile::READ), 0);
    EXPECT_EQ(file.LastError(), 0);
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(file.GetHandle(), nullptr);
}

TEST_F(CFileTest, ModeFlagsPickDirectionUpdateAndTextOrBinary)
{
    const std::string lines = "a\nb\n";
    const struct {
        int flags;
        const char* onDisk;
    } writes[] = {
        {CFile::TEXT, "a\r\nb\r\n"},                      // wt
        {CFile::TEXT | CFile::BINARY, "a\r\nb\r\n"},      // wt: text wins
        {0, "a\r\nb\r\n"},                                // w: text unless binary is asked for
        {CFile::BINARY | CFile::UPDATE | 2, "a\nb\n"},    // w+b (2 is not consulted)
    };
    for (const auto& w : writes) {
        put("hdd/Game/out.txt", "old contents, longer than the new");
        CFile file(nullptr, "out.txt", w.flags);
        ASSERT_EQ(file.LastError(), 0) << w.flags;
        EXPECT_EQ(file.Write(lines.data(), static_cast<int>(lines.size())), static_cast<int>(lines.size()));
        file.Close();
        EXPECT_EQ(temp.read("hdd/Game/out.txt"), w.onDisk) << w.flags;
    }

    // w+t: emptied, written, read back as it was written.
    CFile update(nullptr, "out.txt", CFile::UPDATE | CFile::TEXT);
    update.putLine("one\ntwo");
    EXPECT_EQ(update.Seek(0, 0), 0);
    EXPECT_EQ(readAll(update), "one\ntwo");
    update.Close();
    EXPECT_EQ(temp.read("hdd/Game/out.txt"), "one\r\ntwo");

    // Reading needs the file.
    CFile missing(nullptr, "none.txt", CFile::READ | CFile::UPDATE);
    EXPECT_EQ(missing.LastError(), CFile::NOT_FOUND);
}

TEST_F(CFileTest, TextModeReadsCrLfAsLfWhereverReadsEnd)
{
    const std::string bytes = "a\r\nbb\r\r\nc\rd\r\n\r\ne\r";
    put("hdd/Game/t.txt", bytes);
    CFile binary(nullptr, "t.txt", CFile::READ | CFile::BINARY);
    EXPECT_EQ(readAll(binary), bytes);
    const std::string text = "a\nbb\r\nc\rd\n\ne\r";
    CFile whole(nullptr, "t.txt", CFile::READ);
    EXPECT_EQ(readAll(whole), text);
    // One character at a time: every CR is at the end of a read.
    CFile single(nullptr, "t.txt", CFile::READ | CFile::TEXT);
    std::string read;
    char c;
    while (single.Read(&c, 1) == 1)
        read += c;
    EXPECT_EQ(read, text);
    EXPECT_TRUE(single.eof());
}

TEST_F(CFileTest, LinesAreReadAsTheRuntimeReadsThem)
{
    put("hdd/Game/l.txt", "one\r\ntwo\nthree");
    CFile text(nullptr, "l.txt", CFile::READ);
    EXPECT_EQ(text.getLine(), "one\n");
    EXPECT_EQ(text.getLine(), "two\n");
    EXPECT_FALSE(text.eof());
    EXPECT_EQ(text.getLine(), "three");
    EXPECT_TRUE(text.eof());
    EXPECT_EQ(text.getLine(), "");

    CFile binary(nullptr, "l.txt", CFile::READ | CFile::BINARY);
    char buffer[4];
    EXPECT_TRUE(binary.GetLine(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "one");
    EXPECT_TRUE(binary.GetLine(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "\r\n");

    const std::string longLine(CFile::LINE_BUFFER + 5, 'x');
    put("hdd/Game/long.txt", longLine + "\n");
    CFile longFile(nullptr, "long.txt", CFile::READ);
    EXPECT_EQ(longFile.getLine().getLength(), CFile::LINE_BUFFER - 1);
    EXPECT_EQ(longFile.getLine(), "xxxxxx\n");
}

TEST_F(CFileTest, LengthKeepsThePositionAndAnEmptyFileObjectIsSafe)
{
    put("hdd/Game/n.bin", "0123456789");
    CFile file(nullptr, "n.bin", CFile::READ | CFile::BINARY);
    EXPECT_EQ(file.Seek(4, 0), 0);
    EXPECT_EQ(file.Length(), 10);
    EXPECT_EQ(file.Tell(), 4);
    EXPECT_EQ(file.Seek(-2, 2), 0);
    EXPECT_EQ(file.Tell(), 8);
    EXPECT_EQ(file.Seek(1, 1), 0);
    EXPECT_EQ(file.Tell(), 9);
    EXPECT_EQ(file.Seek(0, 3), -1);

    CFile empty;
    char buffer[4] = "abc";
    EXPECT_EQ(empty.Length(), -1);
    EXPECT_EQ(empty.Tell(), 0);
    EXPECT_EQ(empty.Seek(0, 0), -1);
    EXPECT_EQ(empty.Read(buffer, 3), 0);
    EXPECT_EQ(empty.Write(buffer, 3), 0);
    EXPECT_FALSE(empty.GetLine(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(empty.getLine(), "");
    empty.putLine("ignored");
    EXPECT_FALSE(empty.eof());
    EXPECT_EQ(file.Read(buffer, 0), 0);
    EXPECT_EQ(file.Read(buffer, -5), 0);
}

TEST_F(CFileTest, GetPathTriesLanguageVariantsButNeverTheCd)
{
    put("cd/Dane/only-cd.img");
    EXPECT_EQ(CFile::getPath(window, "Dane\\only-cd.img"), "");
    put("hdd/Game/Dane/p.img");
    EXPECT_EQ(CFile::getPath(window, "Dane\\p.img"), "C:\\Game\\Dane\\p.img");
    put("hdd/Game/Dane/POL/p.img");
    EXPECT_EQ(CFile::getPath(window, "Dane\\p.img"), "C:\\Game\\Dane\\POL\\p.img");
    // Without a language object the plain candidates are tried.
    EXPECT_EQ(CFile::getPath(nullptr, "Dane\\p.img"), "C:\\Game\\Dane\\p.img");
}

TEST_F(CFileTest, DiskQueriesLeaveTheCurrentFolderAlone)
{
    put("hdd/Game/Dane/a.cnv");
    EXPECT_TRUE(CFile::fileExists("Dane\\A.CNV"));
    EXPECT_FALSE(CFile::fileExists("Dane"));
    EXPECT_FALSE(CFile::fileExists("Dane\\b.cnv"));
    EXPECT_TRUE(CFile::dirExists("dane"));
    EXPECT_TRUE(CFile::dirExists("E:\\"));
    EXPECT_FALSE(CFile::dirExists("Dane\\a.cnv"));
    EXPECT_FALSE(CFile::dirExists(""));
    EXPECT_EQ(CFile::getCurrentDirectory(), "C:\\Game\\");

    char buffer[5];
    EXPECT_EQ(CFile::getCurrentDirectory(sizeof buffer, buffer), 4);
    EXPECT_STREQ(buffer, "C:\\G");
    char large[64];
    CFile::getCurrentDirectory(sizeof large, large);
    EXPECT_STREQ(large, "C:\\Game");

    EXPECT_EQ(CFile::chDir("Dane"), 0);
    EXPECT_EQ(CFile::getCurrentDirectory(), "C:\\Game\\Dane\\");
    EXPECT_EQ(CFile::chDir("missing"), -1);
    EXPECT_EQ(CFile::getCurrentDirectory(), "C:\\Game\\Dane\\");
}

TEST_F(CFileTest, FolderSearchSkipsFilesThenListsOn)
{
    put("hdd/Game/s/a1.txt");
    put("hdd/Game/s/c1.txt", "12345");
    std::filesystem::create_directories(temp / "hdd/Game/s/b1");
    std::filesystem::create_directories(temp / "hdd/Game/s/D1");

    CFindData data;
    data.attrib = CFindData::SUBDIR;
    const int handle = CFile::findFirst("s\\*1*", &data);
    ASSERT_GE(handle, 0);
    EXPECT_EQ(data.name, "b1");
    EXPECT_EQ(data.attrib, CFindData::SUBDIR);
    EXPECT_EQ(CFile::findNext(handle, &data), 0);
    EXPECT_EQ(data.name, "c1.txt");
    EXPECT_EQ(data.size, 5);
    EXPECT_EQ(data.attrib, 0u);
    EXPECT_EQ(CFile::findNext(handle, &data), 0);
    EXPECT_EQ(data.name, "D1");
    EXPECT_EQ(CFile::findNext(handle, &data), -1);
    EXPECT_EQ(CFile::findNext(handle, &data), -1);

    data.attrib = CFindData::SUBDIR;
    EXPECT_EQ(CFile::findFirst("s\\*.txt", &data), -1);
    data.attrib = 0;
    EXPECT_EQ(CFile::findFirst("s\\*.none", &data), -1);

    // Ended searches are gone; one left running goes with findClose.
    const int running = CFile::findFirst("s\\*", &data);
    EXPECT_EQ(foundation::FindHandles::process().running(), 1u);
    CFile::findClose(running);
    EXPECT_EQ(foundation::FindHandles::process().running(), 0u);
}

} // namespace
