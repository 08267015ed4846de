#include "DataScene.h"

#include "foundation/CFile.h"

using namespace scripttest;

namespace {

class ArrayFiles : public DataScene {
protected:
    // LOAD of a file holding exactly these bytes.
    std::string loaded(CMC_Array* array, const std::string& bytes)
    {
        folder.temp.write("in.dat", bytes);
        CMC_Object::flush(call(array, "LOAD", {"\"T:\\in.dat\""}));
        return elementsOf(array);
    }
};

TEST_F(ArrayFiles, SaveWritesTheCountAndTheValueRecordsAndLoadReadsThemBack)
{
    CMC_Array* arr = arrayOf({"1", "\"ab\"", "TRUE", "1.23456", "-2.5", "\"\""});
    CMC_Object::flush(call(arr, "SAVE", {"\"T:\\arr.dat\""}));
    const std::string expected =
        FileBytes().int32(6).integer(1).string("ab").boolean(true).real(12345).real(-25000).string("").bytes;
    EXPECT_EQ(folder.temp.read("arr.dat"), expected);

    CMC_Array* back = arrayOf({"7"}, "back");
    CMC_Object::flush(call(back, "LOAD", {"\"T:\\arr.dat\""}));
    EXPECT_EQ(elementsOf(back), "INTEGER:1|STRING:ab|BOOL:TRUE|DOUBLE:1.23450|DOUBLE:-2.50000|STRING:");
}

TEST_F(ArrayFiles, LoadReadsAHandBuiltFile)
{
    CMC_Array* arr = arrayOf({});
    const std::string file = FileBytes()
                                 .int32(5)
                                 .integer(-7)
                                 .string("za\xBF\xF3\xB3\xE6")
                                 .boolean(false)
                                 .real(-1)
                                 .integer(0x7FFFFFFF)
                                 .bytes;
    EXPECT_EQ(loaded(arr, file), "INTEGER:-7|STRING:za\xBF\xF3\xB3\xE6|BOOL:FALSE|DOUBLE:-0.00010|INTEGER:2147483647");
}

TEST_F(ArrayFiles, ABrokenFileStopsTheLoadKeepingTheValuesBeforeTheFault)
{
    struct Case {
        std::string bytes;
        const char* expected;
    };
    const Case cases[] = {
        {FileBytes().int32(3).integer(7).int32(9).int32(1).integer(8).bytes, "INTEGER:7"},            // unknown record type
        {FileBytes().int32(3).integer(1).int32(2).int32(10).raw("abc").bytes, "INTEGER:1"},        // text cut short
        {FileBytes().int32(2).integer(1).int32(1).raw("\x05\x00").bytes, "INTEGER:1"},            // integer cut short
        {FileBytes().int32(9).integer(1).boolean(true).bytes, "INTEGER:1|BOOL:TRUE"},              // fewer records than counted
        {FileBytes().int32(1).integer(1).integer(2).bytes, "INTEGER:1"},                           // more than counted
        {FileBytes().int32(-4).integer(1).bytes, ""},
        {FileBytes().int32(0x7FFFFFFF).bytes, ""},
        {FileBytes().int32(1).int32(2).int32(-5).bytes, ""},                                       // negative text length
        {std::string("\x01\x00", 2), ""},
        {std::string(), ""},
    };
    for (const Case& c : cases) {
        CMC_Array* arr = arrayOf({"\"old\""});
        EXPECT_EQ(loaded(arr, c.bytes), c.expected);
    }
    // A file that does not open leaves the array empty; one that cannot be written is not.
    CMC_Array* arr = arrayOf({"1", "2"});
    CMC_Object::flush(call(arr, "LOAD", {"\"T:\\missing.dat\""}));
    EXPECT_EQ(arr->getSize(), 0);
    CMC_Object::flush(call(arr, "ADD", {"3"}));
    CMC_Object::flush(call(arr, "SAVE", {"\"T:\\no folder\\arr.dat\""}));
    EXPECT_EQ(folder.temp.read("no folder/arr.dat"), "");
    EXPECT_EQ(arr->getSize(), 1);
}

TEST_F(ArrayFiles, LoadAddsEveryValueWithItsChangeSignal)
{
    load("OBJECT=first\nfirst:TYPE=BEHAVIOUR\nOBJECT=plain\nplain:TYPE=BEHAVIOUR\n");
    CMC_Array* arr = make<CMC_Array>("OBJECT=arr\narr:TYPE=ARRAY\narr:SENDONCHANGE=TRUE\narr:ONCHANGED=plain\n"
                                     "arr:ONCHANGED^-1=first\n",
                                     "arr");
    folder.temp.write("in.dat", FileBytes().int32(3).integer(1).integer(2).integer(3).bytes);
    EXPECT_EQ(signalsOf(arr, "LOAD", {"\"T:\\in.dat\""}), (std::vector<std::string>{"first(arr)", "plain(arr)", "plain(arr)"}));
}

TEST_F(ArrayFiles, TheIniFormIsTheTextsJoinedByCommasAndReadsBackAsStrings)
{
    CMC_Array* arr = arrayOf({"1", "2", "3"});
    CMC_Object::flush(call(arr, "SAVEINI"));
    EXPECT_EQ(text(config.GetString("SCENE", "arr")), "1,2,3");
    EXPECT_EQ(signalsOf(arr, "LOADINI"), std::vector<std::string>{});
    EXPECT_EQ(elementsOf(arr), "STRING:1|STRING:2|STRING:3");

    config.PutString("SCENE", "arr", ",a,,b c,");
    CMC_Object::flush(call(arr, "LOADINI"));
    EXPECT_EQ(elementsOf(arr), "STRING:a|STRING:b c");
    config.PutString("SCENE", "arr", "");
    CMC_Object::flush(call(arr, "LOADINI"));
    EXPECT_EQ(arr->getSize(), 0);

    // Without the game's configuration nothing is written or read.
    CMC_Object::flush(call(arr, "ADD", {"5"}));
    CGameConfigLink::install(nullptr);
    CMC_Object::flush(call(arr, "SAVEINI"));
    CMC_Object::flush(call(arr, "LOADINI"));
    EXPECT_EQ(elementsOf(arr), "INTEGER:5");
    EXPECT_EQ(text(config.GetString("SCENE", "arr")), "");
}

TEST_F(ArrayFiles, DirAppendsThePathsOfTheMatchingFilesAndKeepsTheCurrentFolder)
{
    folder.temp.write("saves/b.sav", "");
    folder.temp.write("saves/a.sav", "");
    folder.temp.write("saves/notes.txt", "");
    const CXString current = CFile::getCurrentDirectory();
    CMC_Array* arr = arrayOf({"\"kept\""});
    CMC_Object::flush(call(arr, "DIR", {"\"T:\\saves\\\"", "\"*.sav\""}));
    EXPECT_EQ(elementsOf(arr), "STRING:kept|STRING:T:\\saves\\a.sav|STRING:T:\\saves\\b.sav");
    EXPECT_EQ(text(CFile::getCurrentDirectory()), text(current));

    // A folder that is not there lists nothing, not the current folder.
    CMC_Object::flush(call(arr, "DIR", {"\"T:\\nowhere\\\"", "\"*\""}));
    CMC_Object::flush(call(arr, "DIR", {"\"T:\\saves\\\""}));
    EXPECT_EQ(arr->getSize(), 3);
    EXPECT_EQ(text(CFile::getCurrentDirectory()), text(current));
}

TEST_F(ArrayFiles, CopiesAndTheSceneArchive)
{
    load("OBJECT=seen\nseen:TYPE=BEHAVIOUR\n");
    CMC_Array* arr = make<CMC_Array>("OBJECT=arr\narr:TYPE=ARRAY\narr:SENDONCHANGE=TRUE\narr:ONCHANGED=seen\n", "arr");
    CMC_Object::flush(call(arr, "ADD", {"1", "\"a\""}));

    std::unique_ptr<CXObject> copy(arr->clone());
    auto* cloned = dynamic_cast<CMC_Array*>(copy.get());
    ASSERT_NE(cloned, nullptr);
    EXPECT_EQ(text(cloned->getName()), "cloned");
    EXPECT_FALSE(cloned->isSendingOnChange());
    EXPECT_EQ(elementsOf(cloned), "INTEGER:1|STRING:a");
    EXPECT_NE(cloned->get(0), arr->get(0));
    EXPECT_EQ(cloned->getScene(), scene);

    // The script's CLONE registers such a copy in the scene.
    CMC_Object::flush(call(arr, "CLONE"));
    ASSERT_NE(as<CMC_Array>("arr_1"), nullptr);
    EXPECT_EQ(elementsOf(as<CMC_Array>("arr_1")), "INTEGER:1|STRING:a");

    // The scene archive keeps the flag and the handlers, never the elements.
    CMC_Array restored(scene, "temp");
    EXPECT_EQ(restoreForm(&restored, storedForm(arr)), 0);
    EXPECT_EQ(text(restored.getName()), "arr");
    EXPECT_TRUE(restored.isSendingOnChange());
    EXPECT_EQ(restored.getSize(), 0);
    EXPECT_EQ(text(arr->toString()), "1,a");
    EXPECT_EQ(text(restored.toString()), "");
}

} // namespace
