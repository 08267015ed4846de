#include "GameTree.h"
#include "ParserTestSupport.h"

#include "foundation/CCommandLine6.h"
#include "foundation/CCommandLineSource.h"
#include "foundation/CFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using parser_test::dumpElements;

namespace {

std::string withCrLf(std::string text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// The engine host as the loader sees it: the player's command line.
struct TestCommandLineSource : CCommandLineSource {
    explicit TestCommandLineSource(const char* words) : commandLine(words) { install(this); }
    ~TestCommandLineSource() override { install(nullptr); }
    CCommandLine6* getCommandLine() const override { return const_cast<CCommandLine6*>(&commandLine); }
    CCommandLine6 commandLine;
};

class ParserFiles : public GameTree {
protected:
    const std::string dane = "hdd/Game/Dane/";

    std::unique_ptr<CMElements> load(const char* name)
    {
        return std::unique_ptr<CMElements>(CMElementsLoader::load(window, CXString(name)));
    }
    bool exists(const std::string& relative) { return std::filesystem::exists(temp / relative); }
};

TEST_F(ParserFiles, PlainFileWithCrLfGivesTheSceneTree)
{
    put(dane + "scene.cnv", withCrLf(parser_test::kSceneScript));
    auto elements = load("Dane\\scene.cnv");
    ASSERT_NE(elements, nullptr);
    EXPECT_EQ(dumpElements(elements.get()), parser_test::kSceneTree);
    EXPECT_FALSE(exists(dane + "scene.cnv.coded"));
    EXPECT_FALSE(exists(dane + "scene.cnv.decoded"));
}

TEST_F(ParserFiles, MissingEmptyAndUnterminatedFiles)
{
    EXPECT_EQ(load("Dane\\missing.cnv"), nullptr);
    CTextFileReader missing(window, "Dane\\missing.cnv");
    EXPECT_EQ(missing.LastError(), CFile::NOT_FOUND);
    EXPECT_TRUE(missing.eof());

    put(dane + "empty.cnv", "");
    auto empty = load("Dane\\empty.cnv");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->getSize(), 0);

    // The last line keeps its last character without a final line feed.
    put(dane + "last.cnv", "OBJECT=A\r\nA:T=xy");
    EXPECT_EQ(dumpElements(load("Dane\\last.cnv").get()), "[A]\n  'T' = 'xy'\n");

    // Text mode: the size held is the count after CR LF became LF.
    CTextFileReader reader(window, "Dane\\last.cnv");
    EXPECT_EQ(reader.getSize(), 15);
    EXPECT_EQ(reader.getLine(), "OBJECT=A");
    EXPECT_EQ(reader.getLine(), "A:T=xy");
    EXPECT_TRUE(reader.eof());
}

TEST_F(ParserFiles, CodeAndDecodeWriteTheGoldenBytes)
{
    put(dane + "mn.cnv", "MN\r\nK\r\n");
    ASSERT_TRUE(CTextCoder::code(window, "Dane\\mn.cnv", "Dane\\mn.coded", 6));
    EXPECT_EQ(temp.read(dane + "mn.coded"), "{<C:6>}\r\nNM<E>M<E>\r\n");
    ASSERT_TRUE(CTextCoder::decode(window, "Dane\\mn.coded", "Dane\\mn.decoded"));
    EXPECT_EQ(temp.read(dane + "mn.decoded"), "MN\r\nK\r\n\r\n");

    // A coded source is not coded again, a plain one not decoded, a missing one neither.
    EXPECT_FALSE(CTextCoder::code(window, "Dane\\mn.coded", "Dane\\twice.coded", 6));
    EXPECT_FALSE(CTextCoder::decode(window, "Dane\\mn.cnv", "Dane\\plain.decoded"));
    EXPECT_FALSE(CTextCoder::code(window, "Dane\\none.cnv", "Dane\\none.coded", 6));
    EXPECT_FALSE(CTextCoder::code(window, "Dane\\mn.cnv", "Dane\\bad.coded", 0));
    EXPECT_FALSE(CTextCoder::code(window, "Dane\\mn.cnv", "Dane\\no\\such\\folder.coded", 6));
    for (const char* file : {"twice.coded", "plain.decoded", "none.coded", "bad.coded"})
        EXPECT_FALSE(exists(dane + file)) << file;
}

TEST_F(ParserFiles, CommandLineAsksForCodedAndDecodedCopies)
{
    put(dane + "scene.cnv", withCrLf(parser_test::kSceneScript));
    TestCommandLineSource source("-code -decode");
    ASSERT_NE(load("Dane\\scene.cnv"), nullptr);
    const std::string expectedCoded = withCrLf(parser_test::codeText(parser_test::kSceneScript, 6));
    EXPECT_EQ(temp.read(dane + "scene.cnv.coded"), expectedCoded);
    EXPECT_FALSE(exists(dane + "scene.cnv.decoded"));

    // The coded copy parses to the same tree and, asked to, decodes back.
    auto coded = load("Dane\\scene.cnv.coded");
    ASSERT_NE(coded, nullptr);
    EXPECT_EQ(dumpElements(coded.get()), parser_test::kSceneTree);
    EXPECT_FALSE(exists(dane + "scene.cnv.coded.coded"));
    ASSERT_TRUE(exists(dane + "scene.cnv.coded.decoded"));
    EXPECT_EQ(dumpElements(load("Dane\\scene.cnv.coded.decoded").get()), parser_test::kSceneTree);

    // Without a window the command line is not asked.
    std::filesystem::remove(temp / (dane + "scene.cnv.coded"));
    std::unique_ptr<CMElements> windowless(CMElementsLoader::load(nullptr, CXString("Dane\\scene.cnv")));
    ASSERT_NE(windowless, nullptr);
    EXPECT_FALSE(exists(dane + "scene.cnv.coded"));
}

TEST_F(ParserFiles, DecodeHeaderWritesADecodedCopyOnEveryParse)
{
    std::string coded = parser_test::codeText(parser_test::kSceneScript, 6);
    coded[2] = 'D';
    put(dane + "d.cnv", withCrLf(coded));
    for (int parse = 0; parse < 2; ++parse) {
        std::filesystem::remove(temp / (dane + "d.cnv.decoded"));
        auto elements = load("Dane\\d.cnv");
        ASSERT_NE(elements, nullptr);
        EXPECT_EQ(dumpElements(elements.get()), parser_test::kSceneTree);
        ASSERT_TRUE(exists(dane + "d.cnv.decoded")) << parse;
    }
    EXPECT_EQ(dumpElements(load("Dane\\d.cnv.decoded").get()), parser_test::kSceneTree);
    // Suppressed, the coder writes none.
    std::filesystem::remove(temp / (dane + "d.cnv.decoded"));
    CTextCoder suppressed(window, CXString("Dane\\d.cnv"), true);
    EXPECT_TRUE(suppressed.isCoded());
    EXPECT_FALSE(exists(dane + "d.cnv.decoded"));
}

TEST_F(ParserFiles, BadCycleFileIsRefused)
{
    put(dane + "bad.cnv", "{<D:0>}\r\nNM<E>\r\n");
    EXPECT_EQ(load("Dane\\bad.cnv"), nullptr);
    EXPECT_FALSE(exists(dane + "bad.cnv.decoded"));
}

} // namespace
