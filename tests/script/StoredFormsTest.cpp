#include "ScriptScene.h"

#include "GameFolder.h"
#include "foundation/CFile.h"
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"

#include <functional>

using namespace scripttest;

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int value : values)
        out += static_cast<char>(value);
    return out;
}

class StoredForms : public ScriptScene {
protected:
    // The bytes a storing archive writes.
    std::string written(const std::function<void(CXArchive&)>& write)
    {
        CFile file(nullptr, GameFolder::gamePath("out.bin").c_str(), CFile::UPDATE | CFile::BINARY);
        CXArchive archive(&file, true);
        write(archive);
        file.Close();
        return folder.temp.read("out.bin");
    }

    GameFolder folder;
};

TEST_F(StoredForms, NetworkBuffersAreATagAndTheValue)
{
    struct Case {
        std::function<CMC_Variable*()> make;
        std::string expected;
    };
    const Case cases[] = {
        {[] { return CMC_VariableFactory::makeInteger(0x01020304); }, bytes({1, 0, 0, 0, 4, 3, 2, 1})},
        {[] { return CMC_VariableFactory::makeInteger(-2); }, bytes({1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF})},
        {[] { return CMC_VariableFactory::makeString("ab"); }, bytes({2, 0, 0, 0, 'a', 'b', 0})},
        {[] { return CMC_VariableFactory::makeString(""); }, bytes({2, 0, 0, 0, 0})},
        {[] { return CMC_VariableFactory::makeBool(true); }, bytes({3, 0, 0, 0, 1})},
        {[] { return CMC_VariableFactory::makeBool(false); }, bytes({3, 0, 0, 0, 0})},
        {[] { return CMC_VariableFactory::makeDouble(1.5); }, bytes({4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F})},
    };
    for (const Case& c : cases) {
        CMC_Variable* value = c.make();
        ASSERT_EQ(value->getBufferLen(), static_cast<int>(c.expected.size()));
        std::string buffer(c.expected.size(), '\xAA');
        value->netstore(reinterpret_cast<uint8_t*>(buffer.data()));
        EXPECT_EQ(buffer, c.expected) << text(value->toString());
        // And back through the factory, into a temporary of the same type and value.
        CMC_Variable* restored = CMC_VariableFactory::netrestore(reinterpret_cast<const uint8_t*>(buffer.data()),
                                                                 static_cast<int>(buffer.size()));
        ASSERT_NE(restored, nullptr);
        EXPECT_GE(restored->getId(), 0);
        EXPECT_EQ(restored->getType(), value->getType());
        EXPECT_EQ(text(restored->toString()), text(value->toString()));
        CMC_Object::flush(restored);
        CMC_Object::flush(value);
    }
}

TEST_F(StoredForms, BrokenNetworkBuffersGiveNothing)
{
    const std::string broken[] = {bytes({1, 0, 0}), bytes({1, 0, 0, 0, 5}), bytes({4, 0, 0, 0, 0, 0}),
                                  bytes({3, 0, 0, 0}), bytes({9, 0, 0, 0, 1}), bytes({12, 0, 0, 0, 1, 2, 3, 4})};
    for (const std::string& buffer : broken)
        EXPECT_EQ(CMC_VariableFactory::netrestore(reinterpret_cast<const uint8_t*>(buffer.data()), static_cast<int>(buffer.size())), nullptr);
    EXPECT_EQ(CMC_VariableFactory::netrestore(nullptr, 8), nullptr);
    // A received byte other than 1 is false; a text without its zero ends with the buffer.
    std::string two = bytes({3, 0, 0, 0, 2});
    CMC_Variable* flag = CMC_VariableFactory::netrestore(reinterpret_cast<const uint8_t*>(two.data()), 5);
    EXPECT_EQ(flag->toString(), "FALSE");
    std::string open = bytes({2, 0, 0, 0, 'x', 'y'});
    CMC_Variable* textValue = CMC_VariableFactory::netrestore(reinterpret_cast<const uint8_t*>(open.data()), 6);
    EXPECT_EQ(textValue->toString(), "xy");
}

TEST_F(StoredForms, ValueRecordsOfArrayFiles)
{
    CMC_Integer seven(7);
    CMC_String ab("s", "ab");
    CMC_Bool yes(true);
    CMC_Double half(1.5);
    std::string stored = written([&](CXArchive& archive) {
        for (CMC_Variable* value : std::initializer_list<CMC_Variable*>{&seven, &ab, &yes, &half})
            value->store(&archive);
        archive << 77;
    });
    EXPECT_EQ(stored, bytes({1, 0, 0, 0, 7, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 'a', 'b', 3, 0, 0, 0, 1, 0, 0, 0, 4, 0, 0, 0,
                             0x98, 0x3A, 0, 0, 77, 0, 0, 0}));
    CFile_Stream stream(stored.data(), static_cast<int>(stored.size()));
    CXArchive reading(&stream, false);
    std::vector<std::string> restored;
    for (int i = 0; i < 4; ++i) {
        CMC_Variable* value = CMC_VariableFactory::restore(&reading);
        ASSERT_NE(value, nullptr);
        restored.push_back(typed(value));
    }
    EXPECT_EQ(restored, (std::vector<std::string>{"INTEGER:7", "STRING:ab", "BOOL:TRUE", "DOUBLE:1.50000"}));
    EXPECT_EQ(CMC_VariableFactory::restore(&reading), nullptr); // 77 is no type
}

TEST_F(StoredForms, DeclaredVariablesStoreTheirFlagsValueAndDefault)
{
    load("OBJECT=onChange\nonChange:TYPE=BEHAVIOUR\n"
         "OBJECT=n\nn:TYPE=INTEGER\nn:VALUE=5\nn:DEFAULT=2\nn:TOINI=TRUE\nn:ONCHANGED=onChange\n"
         "OBJECT=t\nt:TYPE=STRING\nt:VALUE=hi\nt:NETNOTIFY=TRUE\n"
         "OBJECT=b\nb:TYPE=BOOL\nb:VALUE=TRUE\n"
         "OBJECT=d\nd:TYPE=DOUBLE\nd:VALUE=0.25\n");
    std::string integer = written([this](CXArchive& archive) { object("n")->serialize(&archive); });
    EXPECT_EQ(integer, bytes({1, 0, 0, 0, 'n', 1, 0, 0, 0, 9, 0, 0, 0}) + "ONCHANGED" +
                           bytes({8, 0, 0, 0}) + "onChange" + bytes({0, 0, 0, 0, 1, 1, 5, 0, 0, 0, 2, 0, 0, 0}));
    std::string textForm = written([this](CXArchive& archive) { object("t")->serialize(&archive); });
    EXPECT_EQ(textForm, bytes({1, 0, 0, 0, 't', 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 'h', 'i', 2, 0, 0, 0, 'h', 'i'}));
    std::string boolForm = written([this](CXArchive& archive) { object("b")->serialize(&archive); });
    EXPECT_EQ(boolForm, bytes({1, 0, 0, 0, 'b', 0, 0, 0, 0, 0, 0, 1, 1}));
    std::string doubleForm = written([this](CXArchive& archive) { object("d")->serialize(&archive); });
    EXPECT_EQ(doubleForm, bytes({1, 0, 0, 0, 'd', 0, 0, 0, 0, 0, 0, 0xC4, 0x09, 0, 0, 0xC4, 0x09, 0, 0}));

    CFile_Stream stream(integer.data(), static_cast<int>(integer.size()));
    CXArchive reading(&stream, false);
    CMC_Integer loaded("x");
    loaded.serialize(&reading);
    EXPECT_EQ(loaded.getName(), "n");
    EXPECT_TRUE(loaded.isToIni());
    EXPECT_TRUE(loaded.isNetNotify());
    EXPECT_EQ(loaded.getValue(), 5);
    EXPECT_EQ(loaded.getDefault(), 2);
}

TEST_F(StoredForms, ClonesOfVariablesCopyTheValue)
{
    load("OBJECT=n\nn:TYPE=INTEGER\nn:VALUE=5\nn:DEFAULT=2\nOBJECT=t\nt:TYPE=STRING\nt:VALUE=hi\nt:DEFAULT=x\n");
    CMC_Object::flush(call("n", "CLONE", {"2"}));
    CMC_Object::flush(call("t", "CLONE"));
    auto* copy = dynamic_cast<CMC_Integer*>(object("n_2"));
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isClone());
    EXPECT_EQ(copy->getValue(), 5);
    EXPECT_EQ(copy->getDefault(), 0);
    auto* textCopy = dynamic_cast<CMC_String*>(object("t_1"));
    ASSERT_NE(textCopy, nullptr);
    EXPECT_EQ(textCopy->getDefault(), "hi");
}

} // namespace
