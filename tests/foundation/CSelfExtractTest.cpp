#include "foundation/CSelfExtract.h"
#include "foundation/CSelfExtractInfo.h"

#include "GameTree.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// One record of a package written here with zlib, independently of CreateArchive.
struct Record {
    std::string name;
    std::string content;
    uint8_t type = 1;
    // Overrides of what the record claims; -1 keeps the true value.
    int64_t fileLength = -1;
    int64_t storedLength = -1;
    int64_t nameLength = -1;
    bool corruptData = false;
};

void appendLE32(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(char(value >> (8 * i)));
}

std::string deflated(const std::string& content)
{
    uLongf length = compressBound(content.size());
    std::string out(length, '\0');
    EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(out.data()), &length, reinterpret_cast<const Bytef*>(content.data()),
                  content.size(), 9),
        Z_OK);
    out.resize(length);
    return out;
}

std::string package(const std::vector<Record>& records, int64_t count = -1, const char* magic = "SFX01")
{
    std::string out(magic, 5);
    appendLE32(out, uint32_t(count >= 0 ? count : int64_t(records.size())));
    for (const Record& r : records) {
        std::string data = deflated(r.content);
        if (r.corruptData)
            for (size_t i = 2; i < data.size(); ++i)
                data[i] = char(~data[i]);
        out.push_back(char(r.type));
        appendLE32(out, uint32_t(r.fileLength >= 0 ? r.fileLength : int64_t(r.content.size())));
        appendLE32(out, uint32_t(r.storedLength >= 0 ? r.storedLength : int64_t(data.size())));
        out += data;
        appendLE32(out, uint32_t(r.nameLength >= 0 ? r.nameLength : int64_t(r.name.size())));
        out += r.name;
    }
    return out;
}

// Every file below a folder: relative path -> content.
std::map<std::string, std::string> treeOf(const fs::path& root)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[fs::relative(entry.path(), root).string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

std::string noise(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = char(random());
    return bytes;
}

// The game in C:\Game is current; packages and trees live below it.
class CSelfExtractTest : public GameTree {
protected:
    void writePackage(const std::string& bytes) { put("hdd/Game/pkg.sfx", bytes); }
    fs::path disk(const std::string& relative) const { return fs::path(temp.path()) / "hdd" / relative; }
};

TEST_F(CSelfExtractTest, CreateArchiveAndAnIndependentPackageExtractToTheSameTree)
{
    const std::map<std::string, std::string> tree = {
        {"src/a.txt", "hello package\r\n"},
        {"src/sub/b.bin", noise(20000, 1)},
        {"src/sub/deeper/empty.dat", ""},
        {"src/sub/text.txt", std::string(50000, 'z')},
    };
    for (const auto& [name, content] : tree)
        put("hdd/Game/" + name, content);
    put("hdd/Game/src/skipped.", "a name ending in a full stop is not packed");

    CSelfExtract writer;
    writer.AddDirectory("src");
    ASSERT_EQ(writer.GetEntryCount(), 4);
    EXPECT_EQ(writer.GetEntry(0)->GetFilename(), "src\\a.txt");
    EXPECT_EQ(writer.GetEntry(1)->GetFilename(), "src\\sub\\b.bin");
    EXPECT_EQ(writer.GetEntry(2)->GetFilename(), "src\\sub\\deeper\\empty.dat");
    ASSERT_TRUE(writer.CreateArchive("ignored", "pkg.sfx"));

    std::vector<Record> records;
    for (const auto& [name, content] : tree) {
        std::string packed = name;
        std::replace(packed.begin(), packed.end(), '/', '\\');
        records.push_back({packed, content});
    }
    put("hdd/Game/independent.sfx", package(records));

    auto expected = treeOf(disk("Game/src"));
    expected.erase("skipped.");
    const std::string cwd = fs::current_path().string();
    for (const char* name : {"pkg.sfx", "independent.sfx"}) {
        CSelfExtract reader(name);
        ASSERT_TRUE(reader.ReadTOC()) << name;
        ASSERT_EQ(reader.GetEntryCount(), 4);
        EXPECT_EQ(reader.GetEntry(1)->GetFileLength(), 20000u);
        EXPECT_EQ(reader.GetEntry(0)->GetDataOffset(), 9u);
        EXPECT_EQ(reader.GetEntry(0)->GetCompressionType(), 1);
        EXPECT_TRUE(reader.ExtractFiles((std::string("C:\\out_") + name).c_str()));
        EXPECT_EQ(treeOf(disk(std::string("out_") + name + "/src")), expected) << name;
    }
    EXPECT_EQ(fs::current_path().string(), cwd);
}

TEST_F(CSelfExtractTest, ExtractionMakesTheFoldersOfTheNameBelowTheTarget)
{
    fs::create_directories(fs::path(temp.path()) / "d/game");
    drives.set('D', fs::path(temp.path()) / "d", platform::DriveType::Fixed);
    writePackage(package({{"data\\img\\a.pik", "picture"}}));
    const std::string cwd = fs::current_path().string();
    CSelfExtract reader("pkg.sfx");
    ASSERT_TRUE(reader.ReadTOC());
    ASSERT_TRUE(reader.ExtractOne(0, "D:\\game"));
    EXPECT_EQ(temp.read("d/game/data/img/a.pik"), "picture");
    EXPECT_EQ(fs::current_path().string(), cwd);
    EXPECT_FALSE(reader.ExtractOne(1, "D:\\game"));
    EXPECT_FALSE(reader.ExtractOne(-1, "D:\\game"));
}

TEST_F(CSelfExtractTest, EmptyAndForeignPackages)
{
    writePackage(package({}, 0));
    CSelfExtract empty("pkg.sfx");
    EXPECT_TRUE(empty.ReadTOC());
    EXPECT_EQ(empty.GetEntryCount(), 0);
    EXPECT_TRUE(empty.ExtractFiles("C:\\out"));
    EXPECT_FALSE(fs::exists(disk("out")));

    writePackage(package({{"a.txt", "x"}}, -1, "SFX02"));
    CSelfExtract foreign("pkg.sfx");
    EXPECT_FALSE(foreign.ReadTOC());
    EXPECT_EQ(foreign.GetEntryCount(), 0);

    CSelfExtract missing("nothing.sfx");
    EXPECT_FALSE(missing.ReadTOC());
}

TEST_F(CSelfExtractTest, ASecondReadAppendsAndFlushEmpties)
{
    writePackage(package({{"a.txt", "1"}, {"b.txt", "2"}}));
    CSelfExtract reader("pkg.sfx");
    ASSERT_TRUE(reader.ReadTOC());
    ASSERT_TRUE(reader.ReadTOC());
    EXPECT_EQ(reader.GetEntryCount(), 4);
    EXPECT_EQ(reader.GetEntry(2)->GetFilename(), "a.txt");
    reader.Flush();
    EXPECT_EQ(reader.GetEntryCount(), 0);
    EXPECT_EQ(reader.GetPackageName(), "");
}

TEST_F(CSelfExtractTest, HostileTablesOfContentsAreRefusedWhole)
{
    const std::string good = package({{"ok.txt", "fine"}});
    std::string cutShort = good.substr(0, good.size() - 2);
    std::string bigCount = package({{"ok.txt", "fine"}}, 1000);
    std::string negativeCount = package({{"ok.txt", "fine"}}, 0xFFFFFFFF);
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"parent folder", package({{"ok.txt", "fine"}, {"..\\evil.txt", "x"}})},
        {"parent inside", package({{"a\\..\\..\\evil.txt", "x"}})},
        {"parent with slashes", package({{"a/../../evil.txt", "x"}})},
        {"bare parent", package({{"..", "x"}})},
        {"rooted", package({{"\\evil.txt", "x"}})},
        {"rooted with a slash", package({{"/tmp/evil.txt", "x"}})},
        {"drive", package({{"C:\\evil.txt", "x"}})},
        {"drive-relative", package({{"C:evil.txt", "x"}})},
        {"CD marker", package({{"$evil.txt", "x"}})},
        {"expansion", package({{"a?evil.txt", "x"}})},
        {"folder only", package({{"dir\\", "x"}})},
        {"empty name", package({{"", "x"}})},
        {"zero byte in the name", package({{std::string("a\0b", 3), "x"}})},
        {"name too long", package({{std::string(260, 'n'), "x"}})},
        {"count beyond the file", bigCount},
        {"negative count", negativeCount},
        {"stored length beyond the file", package({{"a.txt", "x", 1, -1, 100000}})},
        {"name length beyond the file", package({{"a.txt", "x", 1, -1, -1, 50}})},
        {"cut short", cutShort},
        {"header only", std::string("SFX01")},
    };
    for (const auto& [name, bytes] : cases) {
        writePackage(bytes);
        CSelfExtract reader("pkg.sfx");
        EXPECT_FALSE(reader.ReadTOC()) << name;
        EXPECT_EQ(reader.GetEntryCount(), 0) << name;
    }
    EXPECT_FALSE(fs::exists(disk("evil.txt")));
}

TEST_F(CSelfExtractTest, EntriesThatDoNotInflateExactlyLeaveNoFile)
{
    writePackage(package({
        {"corrupt.txt", std::string(1000, 'c'), 1, -1, -1, -1, true},
        {"claims-more.txt", "short", 1, 6},
        {"claims-less.txt", "longer text", 1, 3},
        {"claims-huge.txt", "tiny", 1, 0xFFFFFFFF},
        {"stored.txt", "other type", 2},
        {"good.txt", "good"},
    }));
    CSelfExtract reader("pkg.sfx");
    ASSERT_TRUE(reader.ReadTOC());
    ASSERT_EQ(reader.GetEntryCount(), 6);
    EXPECT_FALSE(reader.ExtractFiles("C:\\out"));
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(reader.ExtractOne(i, "C:\\out")) << i;
    EXPECT_EQ(treeOf(disk("out")), (std::map<std::string, std::string>{{"good.txt", "good"}}));
}

TEST_F(CSelfExtractTest, UnsafeNamesAddedByHandAreNotExtracted)
{
    writePackage(package({{"a.txt", "x"}}));
    CSelfExtract reader("pkg.sfx");
    ASSERT_TRUE(reader.ReadTOC());
    reader.GetEntry(0)->SetFilename("..\\escaped.txt");
    EXPECT_FALSE(reader.ExtractOne(0, "C:\\Game\\out"));
    EXPECT_FALSE(fs::exists(disk("Game/escaped.txt")));
}

TEST_F(CSelfExtractTest, CreateArchiveCountsOnlyTheFilesItWrote)
{
    put("hdd/Game/one.txt", "1");
    put("hdd/Game/two.txt", "2");
    put("hdd/Game/gone.txt", "removed before the package is written");
    CSelfExtract writer;
    writer.AddDirectory("");
    ASSERT_EQ(writer.GetEntryCount(), 3);
    fs::remove(disk("Game/gone.txt"));
    ASSERT_TRUE(writer.CreateArchive("", "C:\\pkg.sfx"));

    CSelfExtract reader("C:\\pkg.sfx");
    ASSERT_TRUE(reader.ReadTOC());
    ASSERT_EQ(reader.GetEntryCount(), 2);
    EXPECT_EQ(reader.GetEntry(0)->GetFilename(), "one.txt");
    EXPECT_EQ(reader.GetEntry(1)->GetFilename(), "two.txt");

    EXPECT_FALSE(writer.CreateArchive("", "C:\\no such folder\\pkg.sfx"));
}

} // namespace
