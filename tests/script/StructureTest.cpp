#include "ScriptScene.h"

#include "GameFolder.h"
#include "foundation/CFile.h"
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CMC_Structure.h"

using namespace scripttest;

namespace {

class Structures : public ScriptScene {
protected:
    CMC_Structure* structure(const char* name) { return CMC_Structure::from(object(name)); }

    std::string field(CMC_Structure* owner, int index)
    {
        return textOf(owner->getField(index));
    }

    std::string result(CMC_Variable* value)
    {
        std::string answer = textOf(value);
        CMC_Object::flush(value);
        return answer;
    }
};

TEST_F(Structures, FieldsAreDeclaredFromTheDefinitionByNameAndType)
{
    struct Case {
        const char* fields;
        std::vector<std::string> variableNames;
        std::vector<int> types;
    };
    const Case cases[] = {
        {"X<INTEGER>,Y<STRING>", {"S_X", "S_Y"}, {script::TYPE_INTEGER, script::TYPE_STRING}},
        // Type words in any case; unknown words and items without brackets declare nothing.
        {"A<integer>,B<FLOAT>,C<Bool>,plain,D<double", {"S_A", "S_C"}, {script::TYPE_INTEGER, script::TYPE_BOOL}},
        // Runs of commas count as one; blanks stay in the names.
        {"P<DOUBLE>,, Q<STRING>", {"S_P", "S_ Q"}, {script::TYPE_DOUBLE, script::TYPE_STRING}},
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        load(std::string("OBJECT=S\nS:TYPE=STRUCT\nS:FIELDS=") + c.fields + "\n");
        CMC_Structure* s = structure("S");
        ASSERT_NE(s, nullptr) << c.fields;
        ASSERT_EQ(s->getFieldsNo(), static_cast<int>(c.variableNames.size())) << c.fields;
        for (size_t i = 0; i < c.variableNames.size(); ++i) {
            EXPECT_EQ(text(s->getField(static_cast<int>(i))->getName()), c.variableNames[i]) << c.fields;
            EXPECT_EQ(s->getField(static_cast<int>(i))->getType(), c.types[i]) << c.fields;
        }
        scene->unload();
    }
}

TEST_F(Structures, FieldsAreReadByNameOrPositionAsCopies)
{
    load("OBJECT=S\nS:TYPE=STRUCT\nS:FIELDS=X<INTEGER>,Y<STRING>\n");
    call("S", "SETFIELD", {"\"X\"", "5"});
    call("S", "SETFIELD", {"Y", "hello"});
    call("S", "SETFIELD", {"Z", "1"});
    EXPECT_EQ(result(call("S", "GETFIELD", {"X"})), "5");
    EXPECT_EQ(result(call("S", "GETFIELD", {"0"})), "5");
    EXPECT_EQ(result(call("S", "GETFIELD", {"1"})), "hello");
    EXPECT_EQ(result(call("S", "GETFIELD", {"2"})), "none");
    EXPECT_EQ(result(call("S", "GETFIELD", {"Z"})), "none");
    EXPECT_EQ(result(call("S", "GETFIELD")), "none");

    CMC_Variable* copy = call("S", "GETFIELD", {"X"});
    ASSERT_NE(copy, nullptr);
    copy->inc();
    CMC_Object::flush(copy);
    EXPECT_EQ(field(structure("S"), 0), "5");
    // The field variable itself, as a code line's S|X reaches it.
    EXPECT_EQ(structure("S")->getField(CXString("Y")), structure("S")->getField(1));
}

TEST_F(Structures, SetTakesAnotherStructureOrOneValuePerField)
{
    load("OBJECT=S\nS:TYPE=STRUCT\nS:FIELDS=A<INTEGER>,B<STRING>,C<BOOL>\n"
         "OBJECT=S2\nS2:TYPE=STRUCT\nS2:FIELDS=A<INTEGER>,B<STRING>\n"
         "OBJECT=N\nN:TYPE=INTEGER\nN:VALUE=3\n");
    call("S", "SET", {"1", "a"});
    EXPECT_EQ(text(structure("S")->toString()), "1|a|FALSE");
    call("S", "SET", {"7", "b", "TRUE", "ignored"});
    EXPECT_EQ(text(structure("S")->toString()), "7|b|TRUE");

    // From a structure with fewer fields: the fields both have.
    call("S2", "SET", {"9", "z"});
    call("S", "SET", {"S2"});
    EXPECT_EQ(text(structure("S")->toString()), "9|z|TRUE");
    // A name that is no structure, and no argument, change nothing.
    call("S", "SET", {"N"});
    call("S", "SET", {"missing"});
    call("S", "SET");
    EXPECT_EQ(text(structure("S")->toString()), "9|z|TRUE");
    EXPECT_TRUE(structure("S2")->equals(static_cast<CMC_Variable*>(structure("S"))));
    call("S2", "SETFIELD", {"B", "y"});
    EXPECT_FALSE(structure("S2")->equals(static_cast<CMC_Variable*>(structure("S"))));
    EXPECT_FALSE(structure("S2")->equals(static_cast<CMC_Variable*>(scene->getVariable("N"))));
}

TEST_F(Structures, TextRoundTripKeepsEmptyFieldsInPlace)
{
    CMC_Structure s("S");
    s.declare("S_A", "INTEGER");
    s.declare("S_B", "STRING");
    s.declare("S_C", "INTEGER");
    s.declare("S_D", "BOOL");
    struct Case {
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {"5|x|7|TRUE", "5|x|7|TRUE"},
        // An empty piece stays a field: a row saved with an empty text reads back where it was.
        {"1||3|FALSE", "1||3|FALSE"},
        {"2|y\n", "2|y|3|FALSE"},
        {"4|w|9|TRUE|extra|more", "4|w|9|TRUE"},
        {"", "4|w|9|TRUE"},
    };
    for (const Case& c : cases) {
        s.fromString(c.input);
        EXPECT_EQ(text(s.toString()), c.expected) << c.input;
    }
}

TEST_F(Structures, CopiesOwnTheirFieldsAndMappedStructuresBorrowThem)
{
    auto* source = new CMC_Structure("S");
    source->declare("S_X", "INTEGER");
    source->declare("S_Y", "STRING");
    source->fromString("12|text");

    std::unique_ptr<CMC_Structure> copy(static_cast<CMC_Structure*>(source->clone()));
    EXPECT_EQ(text(copy->getName()), "S");
    EXPECT_EQ(text(copy->getField(1)->getName()), "S_Y");
    EXPECT_EQ(text(copy->toString()), "12|text");
    EXPECT_NE(copy->getField(0), source->getField(0));

    auto* cursor = new CMC_Structure("CURSOR");
    cursor->map(source);
    EXPECT_TRUE(cursor->isMapped());
    EXPECT_EQ(cursor->getField(0), source->getField(0));
    cursor->getField(CXString("X"))->inc();
    EXPECT_EQ(text(source->toString()), "13|text");

    // Deleting the mapped structure leaves the borrowed fields; deleting their owner leaves the
    // mapped one with fields that read as missing.
    CMC_ObjectRef field(source->getField(0));
    CMC_Object::destroy(cursor);
    EXPECT_TRUE(field.isAlive());
    cursor = new CMC_Structure("CURSOR");
    cursor->map(source);
    CMC_Object::destroy(source);
    EXPECT_FALSE(field.isAlive());
    EXPECT_EQ(cursor->getField(0), nullptr);
    EXPECT_EQ(text(cursor->toString()), "|");
    CMC_Object::destroy(cursor);
}

TEST_F(Structures, StoredFormHoldsEveryFieldRecord)
{
    GameFolder folder;
    CMC_Structure s("S");
    s.declare("S_A", "INTEGER");
    s.declare("S_B", "STRING");
    s.fromString("-4|abc");
    {
        CFile file(nullptr, GameFolder::gamePath("s.bin").c_str(), CFile::UPDATE | CFile::BINARY);
        CXArchive archive(&file, true);
        s.store(&archive);
        file.Close();
    }
    std::string bytes = folder.temp.read("s.bin");
    EXPECT_EQ(bytes, std::string("\x01\x00\x00\x00\xfc\xff\xff\xff\x02\x00\x00\x00\x03\x00\x00\x00" "abc", 19));

    CMC_Structure back("S");
    back.declare("S_A", "INTEGER");
    back.declare("S_B", "STRING");
    CFile_Stream stream(bytes.data(), static_cast<int>(bytes.size()));
    CXArchive reader(&stream, false);
    back.restore(&reader);
    EXPECT_EQ(text(back.toString()), "-4|abc");

    // Records of other types than the fields stop the reading.
    CMC_Structure other("O");
    other.declare("O_A", "STRING");
    CFile_Stream again(bytes.data(), static_cast<int>(bytes.size()));
    CXArchive otherReader(&again, false);
    other.restore(&otherReader);
    EXPECT_EQ(text(other.toString()), "");
}

TEST_F(Structures, StructureSignalsAreItsOwn)
{
    load("OBJECT=onInit\nonInit:TYPE=BEHAVIOUR\nOBJECT=onChange\nonChange:TYPE=BEHAVIOUR\n"
         "OBJECT=S\nS:TYPE=STRUCT\nS:FIELDS=X<INTEGER>\nS:ONINIT=onInit\nS:ONCHANGED=onChange\n");
    EXPECT_EQ(eventLog(), std::vector<std::string>{"onInit(S)"});
    EXPECT_EQ(structure("S")->getBehaviour("ONCHANGED"), nullptr);
    EXPECT_EQ(structure("S")->convert(script::TYPE_STRING), nullptr);
    EXPECT_EQ(structure("S")->calculate(nullptr, CMC_Variable::ADD), structure("S"));
}

} // namespace
