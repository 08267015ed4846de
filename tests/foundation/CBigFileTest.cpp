#include "foundation/CBigFile.h"
#include "foundation/CFile.h"
#include "foundation/CFindData.h"
#include "platform/PosixFiles.h"

#include "ArchiveTestFolder.h"

#include <string>
#include <thread>
#include <vector>

namespace {

// The layout of a data archive, written here without the engine's writer: a folder as the test
// lists it, in the order the disk listing gives (names sorted without regard to case).
struct Folder {
    std::string name;
    std::vector<Folder> folders;
    std::vector<std::pair<std::string, std::string>> files; // name, bytes
};

class LayoutWriter {
public:
    // The whole archive: header, records, then the files' bytes in record order.
    static std::string archive(const std::string& name, const Folder& root)
    {
        const int tableSize = static_cast<int>(table(name, root, 0).size());
        std::string data;
        for (const auto& file : filesInOrder(root))
            data += file.second;
        return table(name, root, tableSize) + data;
    }

private:
    static std::string int32(int value) { return bytes({value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF, (value >> 24) & 0xFF}); }
    static std::string text(const std::string& s) { return int32(static_cast<int>(s.size())) + s; }

    static std::vector<std::pair<std::string, std::string>> filesInOrder(const Folder& folder)
    {
        std::vector<std::pair<std::string, std::string>> files;
        for (const Folder& child : folder.folders) {
            auto below = filesInOrder(child);
            files.insert(files.end(), below.begin(), below.end());
        }
        files.insert(files.end(), folder.files.begin(), folder.files.end());
        return files;
    }

    static int countFolders(const Folder& folder)
    {
        int count = static_cast<int>(folder.folders.size());
        for (const Folder& child : folder.folders)
            count += countFolders(child);
        return count;
    }

    static std::string table(const std::string& name, const Folder& root, int firstOffset)
    {
        const auto files = filesInOrder(root);
        int total = 0;
        for (const auto& file : files)
            total += static_cast<int>(file.second.size());
        std::string out = text(name) + text("\\") + int32(total) + std::string(16, '\0') +
            int32(static_cast<int>(files.size())) + int32(countFolders(root));
        int offset = firstOffset;
        out += record(root, offset);
        return out;
    }

    static std::string record(const Folder& folder, int& offset)
    {
        std::string out = text(folder.name) + int32(static_cast<int>(folder.files.size())) +
            int32(static_cast<int>(folder.folders.size()));
        for (const Folder& child : folder.folders)
            out += record(child, offset);
        for (const auto& file : folder.files) {
            out += text(file.first) + int32(offset) + std::string(8, '\0') + int32(static_cast<int>(file.second.size()));
            offset += static_cast<int>(file.second.size());
        }
        return out;
    }
};

const std::string kBinary("\0\1\2\3\xFF", 5);

class CBigFileTest : public ArchiveTestFolder {
protected:
    void TearDown() override
    {
        CFile::closeBigFile();
        ArchiveTestFolder::TearDown();
    }

    // The source tree on disk:
    //   src\b.bin, src\empty.txt, src\Dane\a.cnv, src\Dane\Sub\deep.txt, src\Wavs\x.wav,
    //   src\Wavs\Sfx\ (empty)
    void writeTree()
    {
        temp.write("src/Dane/a.cnv", "alpha");
        temp.write("src/Dane/Sub/deep.txt", "deep!");
        temp.write("src/Wavs/x.wav", "WAVE1");
        std::filesystem::create_directories(temp / "src/Wavs/Sfx");
        temp.write("src/b.bin", kBinary);
        temp.write("src/empty.txt", "");
    }

    static Folder expectedTree()
    {
        Folder sub{"Sub", {}, {{"deep.txt", "deep!"}}};
        Folder dane{"Dane", {sub}, {{"a.cnv", "alpha"}}};
        Folder wavs{"Wavs", {Folder{"Sfx", {}, {}}}, {{"x.wav", "WAVE1"}}};
        return Folder{gamePath("src"), {dane, wavs}, {{"b.bin", kBinary}, {"empty.txt", ""}}};
    }

    bool create(const std::string& source, const std::string& output)
    {
        CBigFile writer(false);
        return writer.Create(gamePath(source).c_str(), "data.bf", gamePath(output).c_str());
    }

    // Reads a member through the archive's own file after seeking to it.
    static std::string readMember(CBigFile& archive, const char* path)
    {
        const int size = archive.GetSize(path);
        if (archive.Seek(path) < 0)
            return "<none>";
        std::string data(static_cast<size_t>(size), '?');
        EXPECT_EQ(archive.GetFile()->Read(data.data(), size), size) << path;
        return data;
    }
};

TEST_F(CBigFileTest, CreateWritesTheLayoutByteForByte)
{
    writeTree();
    ASSERT_TRUE(create("src", "data.bf"));
    EXPECT_EQ(temp.read("data.bf"), LayoutWriter::archive("data.bf", expectedTree()));
}

// The disk, except that files whose name holds "gone" no longer open.
struct VanishingFiles : platform::Files {
    std::string nativePath(const std::string& path) const override { return disk.nativePath(path); }
    std::unique_ptr<platform::FileHandle> open(const std::string& path, platform::FileMode mode, bool update) override
    {
        return path.find("gone") == std::string::npos ? disk.open(path, mode, update) : nullptr;
    }
    bool stat(const std::string& path, platform::FileEntry& entry) override { return disk.stat(path, entry); }
    bool fileExists(const std::string& path) override { return disk.fileExists(path); }
    bool folderExists(const std::string& path) override { return disk.folderExists(path); }
    std::vector<platform::FileEntry> find(const std::string& pattern) override { return disk.find(pattern); }
    std::string currentFolder() override { return disk.currentFolder(); }
    bool setCurrentFolder(const std::string& path) override { return disk.setCurrentFolder(path); }
    bool makeFolder(const std::string& path) override { return disk.makeFolder(path); }
    bool copyFile(const std::string& from, const std::string& to, bool overwrite) override
    {
        return disk.copyFile(from, to, overwrite);
    }
    bool removeFile(const std::string& path) override { return disk.removeFile(path); }
    bool removeTree(const std::string& path) override { return disk.removeTree(path); }

    platform::PosixFiles disk;
};

TEST_F(CBigFileTest, FileThatNoLongerOpensKeepsItsPlaceFilledWithZeros)
{
    temp.write("src/a.txt", "first");
    temp.write("src/gone.txt", "lost!");
    temp.write("src/z.txt", "last");
    VanishingFiles files;
    platform::setFiles(&files);
    const bool created = create("src", "data.bf");
    platform::setFiles(nullptr);
    EXPECT_FALSE(created);
    const Folder expected{gamePath("src"), {}, {{"a.txt", "first"}, {"gone.txt", std::string(5, '\0')}, {"z.txt", "last"}}};
    EXPECT_EQ(temp.read("data.bf"), LayoutWriter::archive("data.bf", expected));
}

TEST_F(CBigFileTest, VerboseCreatePrintsItsSummary)
{
    writeTree();
    CBigFile writer(true);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(writer.Create(gamePath("src").c_str(), "data.bf", gamePath("data.bf").c_str()));
    const std::string printed = testing::internal::GetCapturedStdout();
    const std::string tableSize = std::to_string(temp.read("data.bf").size() - 20);
    EXPECT_EQ(printed.substr(0, printed.find("TOC saved.\n") + 11),
              "Big file name: data.bf.\nNumber of folders: 4.\nNumber of files: 5.\nTotal size: 20 bytes.\n"
              "TOC size: " + tableSize + " bytes.\nTOC saved.\n");
    EXPECT_NE(printed.find("\rFile 5 of 5 saved."), std::string::npos);
}

TEST_F(CBigFileTest, ArchiveOfAnEmptyFolderHoldsOnlyItsTable)
{
    std::filesystem::create_directories(temp / "none");
    ASSERT_TRUE(create("none", "empty.bf"));
    const std::string expected = LayoutWriter::archive("data.bf", Folder{gamePath("none"), {}, {}});
    EXPECT_EQ(temp.read("empty.bf"), expected);
    EXPECT_EQ(expected.size(), 36u + 7 + 1 + 12 + gamePath("none").size());

    CBigFile archive(gamePath("empty.bf").c_str(), false);
    EXPECT_EQ(archive.LastError(), 0);
    EXPECT_FALSE(archive.FileExists("anything"));
    CFindData data;
    EXPECT_EQ(archive.FindFirst("*.*", &data), -1);
}

TEST_F(CBigFileTest, CreateFailsWhenTheOutputDoesNotOpen)
{
    writeTree();
    EXPECT_FALSE(create("src", "missing\\data.bf"));
}

TEST_F(CBigFileTest, MembersAreFoundWithoutRegardToCase)
{
    writeTree();
    ASSERT_TRUE(create("src", "data.bf"));
    CBigFile archive(gamePath("data.bf").c_str(), false);
    ASSERT_EQ(archive.LastError(), 0);
    struct Case {
        const char* path;
        std::string bytes;
    };
    const Case cases[] = {
        {"Dane\\a.cnv", "alpha"},
        {"DANE\\A.CNV", "alpha"},
        {"\\dane\\sub\\DEEP.txt", "deep!"},
        {"wavs\\x.wav", "WAVE1"},
        {"b.bin", kBinary},
        {"\\B.BIN", kBinary},
        {"empty.txt", ""},
        {"Wavs\\b.bin", kBinary},   // not in Wavs: the start folder's file
        {"Nowhere\\b.bin", kBinary}, // a first folder that is not there is skipped
        {"Dane\\Nowhere\\a.cnv", "alpha"},  // the same one level down
        {"Dane\\Sub\\a.cnv", "alpha"},      // not in Sub: Dane's own file
        {"Wavs\\Sfx\\a.cnv", "<none>"},
        {"a.cnv", "<none>"},
        {"Dane", "<none>"},
        {"", "<none>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readMember(archive, c.path), c.bytes) << c.path;
        EXPECT_EQ(archive.FileExists(c.path), c.bytes != "<none>") << c.path;
    }
    EXPECT_EQ(archive.GetSize("dane\\A.cnv"), 5);
    EXPECT_EQ(archive.GetSize("missing"), 0);
}

TEST_F(CBigFileTest, UnknownMemberLeavesThePosition)
{
    writeTree();
    ASSERT_TRUE(create("src", "data.bf"));
    CBigFile archive(gamePath("data.bf").c_str(), false);
    const int offset = archive.Seek("Wavs\\x.wav");
    EXPECT_GT(offset, 0);
    EXPECT_EQ(archive.Tell(), offset);
    EXPECT_EQ(archive.Seek("Wavs\\y.wav"), -1);
    EXPECT_EQ(archive.Tell(), offset);
    EXPECT_EQ(archive.Seek(0, 0), 0);
    EXPECT_EQ(archive.Tell(), 0);
}

TEST_F(CBigFileTest, AnswersTheFolderQuestions)
{
    writeTree();
    ASSERT_TRUE(create("src", "data.bf"));
    CBigFile archive(gamePath("data.bf").c_str(), false);
    EXPECT_STREQ(archive.GetCurrentDirectoryA().c_str(), "");
    EXPECT_TRUE(archive.DirExists("anything"));
    EXPECT_EQ(archive.ChDir("Dane"), 0);
    EXPECT_STREQ(archive.GetCurrentDirectoryA().c_str(), "");
    EXPECT_EQ(readMember(archive, "b.bin"), kBinary); // still at the root
}

TEST_F(CBigFileTest, ListsFilesThenFoldersLowerCased)
{
    writeTree();
    ASSERT_TRUE(create("src", "data.bf"));
    CBigFile archive(gamePath("data.bf").c_str(), false);
    auto list = [&archive](const char* pattern, unsigned attrib) {
        std::vector<std::string> names;
        CFindData data;
        data.attrib = attrib;
        const int handle = archive.FindFirst(pattern, &data);
        for (int more = handle; more >= 0; more = archive.FindNext(handle, &data))
            names.push_back(std::string(data.name.c_str()) + (data.attrib & CFindData::SUBDIR ? "/" : "") + ":" +
                            std::to_string(data.size));
        return names;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(list("*.*", 0), (Names{"b.bin:5", "empty.txt:0", "dane/:0", "wavs/:0"}));
    EXPECT_EQ(list("*.BIN", 0), (Names{"b.bin:5"}));
    EXPECT_EQ(list("*", CFindData::SUBDIR), (Names{"dane/:0", "wavs/:0"}));
    EXPECT_EQ(list("dane\\*.*", 0), (Names{"a.cnv:5", "sub/:0"}));
    EXPECT_EQ(list("\\WAVS\\SFX\\*.*", 0), Names{});
    EXPECT_EQ(list("nowhere\\*.*", 0), Names{});
    EXPECT_EQ(list("*.xyz", 0), Names{});

    // An unfinished listing does not disturb another one.
    CFindData first, second;
    const int a = archive.FindFirst("*.*", &first);
    const int b = archive.FindFirst("*.*", &second);
    EXPECT_NE(a, b);
    EXPECT_EQ(archive.FindNext(a, &first), 0);
    EXPECT_STREQ(first.name.c_str(), "empty.txt");
    EXPECT_EQ(archive.FindNext(12345, &first), -1);
}

TEST_F(CBigFileTest, ReadersOfTheirOwnDoNotMoveEachOther)
{
    writeTree();
    temp.write("src/Wavs/long.wav", std::string(100000, 'L'));
    temp.write("src/Dane/long.cnv", std::string(100000, 'C'));
    ASSERT_TRUE(create("src", "data.bf"));
    CBigFile archive(gamePath("data.bf").c_str(), false);
    EXPECT_EQ(archive.OpenMember("nothing.wav"), nullptr);

    auto readAll = [&archive](const char* path, char expected, bool* same) {
        std::unique_ptr<CFile> reader = archive.OpenMember(path);
        *same = reader != nullptr;
        char piece[1000];
        for (int i = 0; *same && i < 100; ++i)
            *same = reader->Read(piece, sizeof piece) == static_cast<int>(sizeof piece) &&
                std::string(piece, sizeof piece) == std::string(sizeof piece, expected);
    };
    bool wavsSame = false, daneSame = false;
    std::thread wavs(readAll, "wavs\\long.wav", 'L', &wavsSame);
    std::thread dane(readAll, "dane\\long.cnv", 'C', &daneSame);
    EXPECT_EQ(readMember(archive, "Dane\\a.cnv"), "alpha");
    wavs.join();
    dane.join();
    EXPECT_TRUE(wavsSame);
    EXPECT_TRUE(daneSame);
}

TEST_F(CBigFileTest, OpenArchiveAnswersTheFileQuestionsOfTheProcess)
{
    writeTree();
    ASSERT_TRUE(create("src", "data.bf"));
    temp.write("disk.txt", "on disk");
    EXPECT_FALSE(CFile::openBigFile(gamePath("missing.bf").c_str()));
    EXPECT_EQ(CFile::getBigFileIfc(), nullptr);
    ASSERT_TRUE(CFile::openBigFile(gamePath("data.bf").c_str()));

    EXPECT_TRUE(CFile::fileExists("DANE\\A.CNV"));
    EXPECT_FALSE(CFile::fileExists(gamePath("disk.txt").c_str()));
    EXPECT_TRUE(CFile::dirExists("nowhere"));
    EXPECT_EQ(CFile::chDir("Dane"), 0);
    EXPECT_STREQ(CFile::getCurrentDirectory().c_str(), "\\");
    std::vector<std::string> names;
    CFindData data;
    const int handle = CFile::findFirst("Dane\\*.*", &data);
    for (int more = handle; more >= 0; more = CFile::findNext(handle, &data))
        names.push_back(data.name.c_str());
    EXPECT_EQ(names, (std::vector<std::string>{"a.cnv", "sub"}));

    // Members are read through the archive's own file.
    CFile* file = CFile::getBigFileHandle();
    const int offset = CFile::getBigFileIfc()->Seek("wavs\\x.wav");
    EXPECT_EQ(CFile::fTell(file), offset);
    char wave[5] = {};
    EXPECT_EQ(file->Read(wave, 5), 5);
    EXPECT_EQ(std::string(wave, 5), "WAVE1");
    EXPECT_EQ(CFile::fSeek(file, 0, 0), 0);
    EXPECT_EQ(CFile::fTell(file), 0);

    // Opening by name still reads the disk.
    CFile disk(nullptr, gamePath("disk.txt").c_str(), CFile::READ | CFile::BINARY);
    EXPECT_NE(disk.GetHandle(), nullptr);

    temp.write("bad.bf", "xx");
    EXPECT_FALSE(CFile::openBigFile(gamePath("bad.bf").c_str()));
    EXPECT_EQ(CFile::getBigFileIfc(), nullptr);
}

TEST_F(CBigFileTest, TruncatedArchiveDoesNotOpen)
{
    const Folder root{"root", {Folder{"Dane", {}, {{"a.cnv", "alpha"}}}}, {{"b.bin", "bravo"}}};
    const std::string whole = LayoutWriter::archive("data.bf", root);
    temp.write("whole.bf", whole);
    EXPECT_EQ(CBigFile(gamePath("whole.bf").c_str(), false).LastError(), 0);
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        temp.write("cut.bf", whole.substr(0, cut));
        CBigFile archive(gamePath("cut.bf").c_str(), false);
        EXPECT_EQ(archive.LastError(), CBigFile::NOT_OPENED) << cut;
        EXPECT_EQ(archive.GetFile(), nullptr);
        EXPECT_FALSE(archive.FileExists("b.bin"));
        EXPECT_EQ(archive.Seek("b.bin"), -1);
    }
    EXPECT_EQ(CBigFile(gamePath("missing.bf").c_str(), false).LastError(), CBigFile::NOT_OPENED);
}

TEST_F(CBigFileTest, HostileTablesDoNotOpen)
{
    auto int32 = [](uint32_t v) { return bytes({int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), int(v >> 24)}); };
    // 38 bytes of header; a root record of 13 bytes and a file record of 21 put the first byte
    // after the table at 72.
    const std::string header = int32(1) + "n" + int32(1) + "\\" + int32(0) + std::string(16, '\0') + int32(0) + int32(0);
    auto folder = [&](const std::string& name, uint32_t files, uint32_t folders) {
        return int32(static_cast<uint32_t>(name.size())) + name + int32(files) + int32(folders);
    };
    auto file = [&](uint32_t offset, uint32_t size) { return int32(1) + "f" + int32(offset) + std::string(8, '\0') + int32(size); };
    auto nested = [&](int depth) {
        std::string out;
        for (int i = 0; i < depth; ++i)
            out += folder("d", 0, 1);
        return out + folder("d", 0, 0);
    };
    struct Case {
        const char* what;
        std::string data;
        int error;
    };
    const Case cases[] = {
        {"plain", header + folder("r", 1, 0) + file(72, 1) + "x", 0},
        {"nesting at the limit", header + nested(CBigFile::MAX_DEPTH), 0},
        {"nesting past the limit", header + nested(CBigFile::MAX_DEPTH + 1), CBigFile::NOT_OPENED},
        {"huge file count", header + folder("r", 0x7FFFFFFF, 0), CBigFile::NOT_OPENED},
        {"negative folder count", header + folder("r", 0, 0xFFFFFFFF), CBigFile::NOT_OPENED},
        {"counts beyond the bytes", header + folder("r", 2, 0) + file(0, 0), CBigFile::NOT_OPENED},
        {"huge name length", int32(0x7FFFFFF0) + "n", CBigFile::NOT_OPENED},
        {"member past the end", header + folder("r", 1, 0) + file(72, 2) + "x", CBigFile::NOT_OPENED},
        {"member offset negative", header + folder("r", 1, 0) + file(0xFFFFFFFF, 1) + "x", CBigFile::NOT_OPENED},
        {"member size negative", header + folder("r", 1, 0) + file(0, 0x80000000) + "x", CBigFile::NOT_OPENED},
        {"member end wraps", header + folder("r", 1, 0) + file(0x7FFFFFFF, 0x7FFFFFFF) + "x", CBigFile::NOT_OPENED},
    };
    for (const Case& c : cases) {
        temp.write("hostile.bf", c.data);
        CBigFile archive(gamePath("hostile.bf").c_str(), false);
        EXPECT_EQ(archive.LastError(), c.error) << c.what;
    }
}

} // namespace
