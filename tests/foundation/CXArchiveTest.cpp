#include "foundation/CFile.h"
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"

#include "ArchiveTestFolder.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>

namespace {

class CXArchiveTest : public ArchiveTestFolder {
protected:
    // The bytes a storing archive writes to a fresh file.
    std::string written(const std::function<void(CXArchive&)>& write)
    {
        CFile file(nullptr, gamePath("out.bin").c_str(), CFile::UPDATE | CFile::BINARY);
        EXPECT_NE(file.GetHandle(), nullptr);
        CXArchive archive(&file, true);
        write(archive);
        EXPECT_EQ(archive.LastError(), 0);
        file.Close();
        return temp.read("out.bin");
    }
};

// A loading archive over bytes in memory.
class Reading {
public:
    explicit Reading(std::string data)
        : data_(std::move(data)), file_(data_.data(), static_cast<int>(data_.size())), archive(&file_, false)
    {
    }
    int position() { return file_.Tell(); }

private:
    std::string data_;
    CFile_Stream file_;

public:
    CXArchive archive;
};

const std::string k200(200, 'q');
const std::string k300(300, 'w');

TEST_F(CXArchiveTest, WritesEveryTypeByteForByte)
{
    struct Case {
        const char* what;
        std::function<void(CXArchive&)> write;
        std::string expected;
    };
    const Case cases[] = {
        {"int", [](CXArchive& a) { a << 0x12345678; }, bytes({0x78, 0x56, 0x34, 0x12})},
        {"negative int", [](CXArchive& a) { a << -2; }, bytes({0xFE, 0xFF, 0xFF, 0xFF})},
        {"uint32", [](CXArchive& a) { a << uint32_t{0xCAFEBABE}; }, bytes({0xBE, 0xBA, 0xFE, 0xCA})},
        {"int64", [](CXArchive& a) { a << int64_t{-0x0102030405060708}; },
         bytes({0xF8, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE})},
        {"true", [](CXArchive& a) { a << true; }, bytes({0x01})},
        {"false", [](CXArchive& a) { a << false; }, bytes({0x00})},
        {"1.5", [](CXArchive& a) { a << 1.5; }, bytes({0x98, 0x3A, 0x00, 0x00})},
        {"-1.5", [](CXArchive& a) { a << -1.5; }, bytes({0x68, 0xC5, 0xFF, 0xFF})},
        {"0.99999 truncated to 9999", [](CXArchive& a) { a << 0.99999; }, bytes({0x0F, 0x27, 0x00, 0x00})},
        {"1.23456 truncated to 12345", [](CXArchive& a) { a << 1.23456; }, bytes({0x39, 0x30, 0x00, 0x00})},
        {"0.3 is 3000", [](CXArchive& a) { a << 0.3; }, bytes({0xB8, 0x0B, 0x00, 0x00})},
        {"-0.00009 is 0", [](CXArchive& a) { a << -0.00009; }, bytes({0, 0, 0, 0})},
        {"too large saturates", [](CXArchive& a) { a << 1e12; }, bytes({0xFF, 0xFF, 0xFF, 0x7F})},
        {"too small saturates", [](CXArchive& a) { a << -1e12; }, bytes({0x00, 0x00, 0x00, 0x80})},
        {"not a number is 0", [](CXArchive& a) { a << std::nan(""); }, bytes({0, 0, 0, 0})},
        {"abc", [](CXArchive& a) { a << CXString("abc"); }, bytes({3, 0, 0, 0}) + "abc"},
        {"empty text", [](CXArchive& a) { a << CXString(); }, bytes({0, 0, 0, 0})},
        {"character string", [](CXArchive& a) { a << "abc"; }, bytes({3, 0, 0, 0}) + "abc"},
        {"null character string", [](CXArchive& a) { a << static_cast<const char*>(nullptr); }, bytes({0, 0, 0, 0})},
        {"cp1250 text", [](CXArchive& a) { a << CXString("\xB3\xF3" "d\x9F"); }, bytes({4, 0, 0, 0}) + "\xB3\xF3" "d\x9F"},
        {"short string of 200", [](CXArchive& a) { a.writeShortString(k200.c_str()); }, bytes({0xC8}) + k200},
        {"short string of 300 keeps 44", [](CXArchive& a) { a.writeShortString(k300.c_str()); },
         bytes({44}) + k300.substr(0, 44)},
        {"empty short string", [](CXArchive& a) { a.writeShortString(CXString()); }, bytes({0})},
        {"rectangle", [](CXArchive& a) { a << CXRect(1, 2, 3, -4); },
         bytes({1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 0xFC, 0xFF, 0xFF, 0xFF})},
        {"bare text", [](CXArchive& a) { a.FWrite("two words"); }, "two words"},
        {"chained", [](CXArchive& a) { a << 7 << true << CXString("x"); }, bytes({7, 0, 0, 0, 1, 1, 0, 0, 0}) + "x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(written(c.write), c.expected) << c.what;
}

TEST_F(CXArchiveTest, ReadsBackWhatWasWritten)
{
    const std::string data = written([](CXArchive& a) {
        a << -7 << uint32_t{4000000000u} << int64_t{INT64_MIN} << true << false << 1.5 << -1.5 << 1.23456
          << CXString("abc") << CXString() << "chars" << CXRect(1, 2, 3, 4);
        a.writeShortString(k200.c_str());
        a << 'Z';
    });
    Reading in(data);
    int i = 0;
    uint32_t u = 0;
    int64_t wide = 0;
    bool yes = false, no = true;
    double d1 = 0, d2 = 0, d3 = 0;
    CXString text, empty("stale"), shortText;
    char* chars = nullptr;
    CXRect rect;
    in.archive >> &i >> &u >> &wide >> &yes >> &no >> &d1 >> &d2 >> &d3 >> &text >> &empty >> &chars >> &rect;
    in.archive.readShortString(&shortText);
    int z = 0;
    in.archive >> &z;
    EXPECT_EQ(in.archive.LastError(), 0);
    EXPECT_EQ(i, -7);
    EXPECT_EQ(u, 4000000000u);
    EXPECT_EQ(wide, INT64_MIN);
    EXPECT_TRUE(yes);
    EXPECT_FALSE(no);
    EXPECT_EQ(d1, 1.5);
    EXPECT_EQ(d2, -1.5);
    EXPECT_EQ(d3, 12345 * 0.0001); // a multiple of the constant 0.0001, not exactly 1.2345
    EXPECT_EQ(d3, 1.2345000000000002);
    EXPECT_STREQ(text.c_str(), "abc");
    EXPECT_STREQ(empty.c_str(), "");
    EXPECT_STREQ(chars, "chars");
    delete[] chars;
    EXPECT_EQ(rect, CXRect(1, 2, 3, 4));
    EXPECT_EQ(shortText.c_str(), k200);
    EXPECT_EQ(z, 'Z'); // a char is written as an int
}

TEST_F(CXArchiveTest, ReadsSingleCharactersAndWords)
{
    Reading in("\x01x  \t\r\nfirst second " + std::string(1030, 'w') + "\nlast");
    unsigned char byte = 0;
    char character = 0;
    in.archive >> &byte >> &character;
    EXPECT_EQ(byte, 1);
    EXPECT_EQ(character, 'x');
    CXString word;
    in.archive.FRead(word);
    EXPECT_STREQ(word.c_str(), "first");
    char blank = 0;
    in.archive >> &blank;
    EXPECT_EQ(blank, ' '); // the blank after a word stays in the stream
    in.archive.FRead(word);
    EXPECT_STREQ(word.c_str(), "second");
    in.archive.FRead(word);
    EXPECT_EQ(word.getLength(), 1023); // a longer word is taken in two reads
    in.archive.FRead(word);
    EXPECT_STREQ(word.c_str(), "wwwwwww");
    in.archive.FRead(word);
    EXPECT_STREQ(word.c_str(), "last");
    EXPECT_EQ(in.archive.LastError(), 0);
    in.archive.FRead(word);
    EXPECT_STREQ(word.c_str(), "");
    EXPECT_EQ(in.archive.LastError(), CXArchive::ERROR_DATA);
}

TEST_F(CXArchiveTest, ShortReadsKeepNumbersAndEmptyTexts)
{
    struct Case {
        const char* what;
        std::string data;
        std::function<void(CXArchive&)> check;
    };
    const Case cases[] = {
        {"int with no bytes", "", [](CXArchive& a) { int v = 5; a >> &v; EXPECT_EQ(v, 5); }},
        {"int with two bytes", "\x01\x02", [](CXArchive& a) { int v = 5; a >> &v; EXPECT_EQ(v, 5); }},
        {"uint32", "\x01", [](CXArchive& a) { uint32_t v = 5; a >> &v; EXPECT_EQ(v, 5u); }},
        {"int64 with seven bytes", "1234567", [](CXArchive& a) { int64_t v = 5; a >> &v; EXPECT_EQ(v, 5); }},
        {"bool", "", [](CXArchive& a) { bool v = true; a >> &v; EXPECT_TRUE(v); }},
        {"double", "\x98\x3A", [](CXArchive& a) { double v = 2.5; a >> &v; EXPECT_EQ(v, 2.5); }},
        {"character", "", [](CXArchive& a) { char v = 'k'; a >> &v; EXPECT_EQ(v, 'k'); }},
        {"rectangle with three fields", bytes({1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}),
         [](CXArchive& a) { CXRect v(9, 9, 9, 9); a >> &v; EXPECT_EQ(v, CXRect(9, 9, 9, 9)); }},
        {"text without its length", "\x03", [](CXArchive& a) { CXString v("old"); a >> &v; EXPECT_STREQ(v.c_str(), ""); }},
        {"text cut short", bytes({10, 0, 0, 0}) + "abc",
         [](CXArchive& a) { CXString v("old"); a >> &v; EXPECT_STREQ(v.c_str(), ""); }},
        {"huge length", bytes({0xFF, 0xFF, 0xFF, 0x7F}) + "abc",
         [](CXArchive& a) { CXString v("old"); a >> &v; EXPECT_STREQ(v.c_str(), ""); }},
        {"negative length", bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "abc",
         [](CXArchive& a) { CXString v("old"); a >> &v; EXPECT_STREQ(v.c_str(), ""); }},
        {"character string cut short", bytes({0xFF, 0xFF, 0xFF, 0x7F}) + "abc",
         [](CXArchive& a) {
             char* v = nullptr;
             a >> &v;
             ASSERT_NE(v, nullptr);
             EXPECT_STREQ(v, "");
             delete[] v;
         }},
        {"short string cut short", "\x05" "ab",
         [](CXArchive& a) { CXString v("old"); a.readShortString(&v); EXPECT_STREQ(v.c_str(), ""); }},
    };
    for (const Case& c : cases) {
        Reading in(c.data);
        c.check(in.archive);
        EXPECT_EQ(in.archive.LastError(), CXArchive::ERROR_DATA) << c.what;
    }
}

TEST_F(CXArchiveTest, ZeroLengthAndZeroBytesAreNotErrors)
{
    Reading in(bytes({0, 0, 0, 0, 5, 0, 0, 0}) + std::string("ab\0cd", 5) + bytes({0}));
    CXString empty("old"), cut, shortEmpty("old");
    in.archive >> &empty >> &cut;
    in.archive.readShortString(&shortEmpty);
    EXPECT_STREQ(empty.c_str(), "");
    EXPECT_STREQ(cut.c_str(), "ab"); // the whole text is consumed, the zero ends it
    EXPECT_STREQ(shortEmpty.c_str(), "");
    EXPECT_EQ(in.position(), 14);
    EXPECT_EQ(in.archive.LastError(), 0);
}

TEST_F(CXArchiveTest, FixedPointConversions)
{
    EXPECT_EQ(CXArchive::toFixedPoint(1.5), 15000);
    EXPECT_EQ(CXArchive::toFixedPoint(-1.23456), -12345);
    EXPECT_EQ(CXArchive::toFixedPoint(214748.3647), INT_MAX);
    EXPECT_EQ(CXArchive::toFixedPoint(std::numeric_limits<double>::infinity()), INT_MAX);
    EXPECT_EQ(CXArchive::toFixedPoint(-std::numeric_limits<double>::infinity()), INT_MIN);
    EXPECT_EQ(CXArchive::fromFixedPoint(-15000), -1.5);
}

TEST_F(CXArchiveTest, CopiesAFileWholeAndCloses)
{
    temp.write("source.bin", std::string("\0\1\2 data", 8));
    const std::string data = written([](CXArchive& a) {
        a << 1;
        a.CopyFileA(gamePath("source.bin").c_str());
        a.CopyFileA(gamePath("missing.bin").c_str());
        a << 2;
    });
    EXPECT_EQ(data, bytes({1, 0, 0, 0}) + std::string("\0\1\2 data", 8) + bytes({2, 0, 0, 0}));

    CFile file(nullptr, gamePath("out.bin").c_str(), CFile::READ | CFile::BINARY);
    CXArchive archive(&file, false);
    EXPECT_FALSE(archive.isStoring());
    EXPECT_EQ(archive.GetFileHandle(), &file);
    CXArchive copy(archive);
    copy.Close();
    EXPECT_EQ(file.GetHandle(), nullptr);
}

TEST_F(CXArchiveTest, WriteThatTheFileRefusesSetsTheError)
{
    temp.write("in.bin", "abc");
    CFile file(nullptr, gamePath("in.bin").c_str(), CFile::READ | CFile::BINARY);
    CXArchive archive(&file, true);
    archive << 1;
    EXPECT_EQ(archive.LastError(), CXArchive::ERROR_DATA);

    CXArchive nothing(nullptr, false);
    int value = 3;
    nothing << 1;
    nothing >> &value;
    EXPECT_EQ(value, 3);
    EXPECT_EQ(nothing.LastError(), CXArchive::ERROR_DATA);
}

} // namespace
