#include "ScriptScene.h"

#include "GameFolder.h"
#include "script/CMC_Database.h"
#include "script/CMC_Structure.h"

using namespace scripttest;

namespace {

const char kScene[] = "OBJECT=ROW\nROW:TYPE=STRUCT\nROW:FIELDS=ID<INTEGER>,NAME<STRING>,SCORE<INTEGER>\n"
                      "OBJECT=DB\nDB:TYPE=DATABASE\nDB:MODEL=ROW\n";

class Databases : public ScriptScene {
protected:
    void SetUp() override
    {
        ScriptScene::SetUp();
        load(kScene);
    }

    CMC_Database* db() { return dynamic_cast<CMC_Database*>(object("DB")); }
    CMC_Structure* cursor() { return CMC_Structure::from(object("DB_CURSOR")); }

    // The rows as text, one per line.
    std::string rows()
    {
        std::string all;
        for (int i = 0; i < db()->getRows(); ++i)
            all += text(db()->getRow(i)->toString()) + "\n";
        return all;
    }

    void addRow(const char* id, const char* name, const char* score)
    {
        call("ROW", "SET", {id, name, score});
        call("DB", "ADD", {"ROW"});
    }

    int intResult(const char* method, std::initializer_list<const char*> arguments = {})
    {
        CMC_Variable* value = call("DB", method, arguments);
        int answer = value != nullptr ? CXString(value->toString()).toNumber() : -999;
        CMC_Object::flush(value);
        return answer;
    }

    GameFolder folder;
};

TEST_F(Databases, SaveWritesOneCrLfLinePerRowAndLoadReadsThemBack)
{
    addRow("1", "x", "10");
    addRow("2", "y", "20");
    addRow("3", "z", "30");
    EXPECT_EQ(text(db()->getRow(0)->getName()), "");
    call("DB", "SAVE", {"T:\\table.txt"});
    EXPECT_EQ(folder.temp.read("table.txt"), "1|x|10\r\n2|y|20\r\n3|z|30\r\n");

    call("DB", "REMOVEALL");
    EXPECT_EQ(intResult("GETROWSNO"), 0);
    call("DB", "LOAD", {"T:\\table.txt"});
    EXPECT_EQ(rows(), "1|x|10\n2|y|20\n3|z|30\n");
    EXPECT_EQ(text(db()->getRow(0)->getName()), "ROW");
    EXPECT_EQ(intResult("GETCURSORPOS"), 0);
    EXPECT_EQ(text(cursor()->toString()), "1|x|10");

    // Loading appends.
    call("DB", "LOAD", {"T:\\table.txt"});
    EXPECT_EQ(intResult("GETROWSNO"), 6);
    // A file that does not open changes nothing.
    call("DB", "LOAD", {"T:\\missing.txt"});
    EXPECT_EQ(intResult("GETROWSNO"), 6);
}

TEST_F(Databases, RowWithEmptyFieldLoadsBackIntoTheSameFields)
{
    addRow("1", "\"\"", "5");
    addRow("2", "two", "6");
    call("DB", "SAVE", {"T:\\empty.txt"});
    EXPECT_EQ(folder.temp.read("empty.txt"), "1||5\r\n2|two|6\r\n");
    call("DB", "REMOVEALL");
    call("DB", "LOAD", {"T:\\empty.txt"});
    EXPECT_EQ(rows(), "1||5\n2|two|6\n");
}

TEST_F(Databases, LoadReadsBlankLinesAsModelRowsAndLongLinesWhole)
{
    call("ROW", "SET", {"7", "model", "70"});
    std::string longName(12000, 'n');
    folder.temp.write("in.txt", "1|a|2\r\n\r\n3|" + longName + "|4\r\n5|b");
    call("DB", "LOAD", {"T:\\in.txt"});
    ASSERT_EQ(intResult("GETROWSNO"), 4);
    EXPECT_EQ(text(db()->getRow(0)->toString()), "1|a|2");
    EXPECT_EQ(text(db()->getRow(1)->toString()), "7|model|70");
    EXPECT_EQ(text(db()->getRow(2)->toString()), "3|" + longName + "|4");
    // A last line without its line break; fields it does not reach keep the model's values.
    EXPECT_EQ(text(db()->getRow(3)->toString()), "5|b|70");
}

TEST_F(Databases, FindMapsTheCursorWithoutMovingItsPosition)
{
    addRow("1", "x", "10");
    addRow("2", "y", "20");
    addRow("3", "y", "30");
    call("DB", "SELECT", {"2"});
    EXPECT_EQ(intResult("FIND", {"NAME", "y", "0"}), 1);
    EXPECT_EQ(intResult("GETCURSORPOS"), 2);
    EXPECT_EQ(text(cursor()->toString()), "2|y|20");
    // Values are compared by the field's own rules: the text "3" equals the INTEGER 3.
    EXPECT_EQ(intResult("FIND", {"ID", "\"3\"", "0"}), 2);
    EXPECT_EQ(intResult("FIND", {"NAME", "y", "3"}), -1);
    EXPECT_EQ(intResult("FIND", {"NOFIELD", "y", "0"}), -1);
    EXPECT_EQ(intResult("FIND", {"NAME", "y"}), -999);

    // The cursor holds the row's own fields: writing it writes the row.
    call("DB_CURSOR", "SETFIELD", {"SCORE", "99"});
    EXPECT_EQ(text(db()->getRow(2)->toString()), "3|y|99");
}

TEST_F(Databases, CursorWrapsAtBothEnds)
{
    // An empty table only moves the position.
    call("DB", "NEXT");
    EXPECT_EQ(intResult("GETCURSORPOS"), 1);
    call("DB", "SELECT", {"0"});
    EXPECT_EQ(intResult("GETCURSORPOS"), 1);
    addRow("1", "x", "10");
    addRow("2", "y", "20");
    addRow("3", "z", "30");
    call("DB", "SELECT", {"0"});
    call("DB", "PREV");
    EXPECT_EQ(intResult("GETCURSORPOS"), 2);
    EXPECT_EQ(text(cursor()->toString()), "3|z|30");
    call("DB", "NEXT");
    EXPECT_EQ(intResult("GETCURSORPOS"), 0);
    EXPECT_EQ(text(cursor()->toString()), "1|x|10");
    call("DB", "NEXT");
    EXPECT_EQ(text(cursor()->toString()), "2|y|20");
    call("DB", "SELECT", {"7"});
    call("DB", "SELECT", {"-1"});
    EXPECT_EQ(intResult("GETCURSORPOS"), 1);
}

TEST_F(Databases, RemovedRowsAreFreedAndTheCursorNeverShowsThem)
{
    addRow("1", "a", "10");
    addRow("2", "b", "20");
    addRow("2", "c", "30");
    addRow("4", "d", "40");
    call("DB", "SELECT", {"1"});
    CMC_ObjectRef shownField(cursor()->getField(0));

    // Two matching rows in a row both go; the cursor moves to the row now at its position.
    call("DB", "REMOVE", {"ID", "2"});
    EXPECT_EQ(rows(), "1|a|10\n4|d|40\n");
    EXPECT_FALSE(shownField.isAlive());
    EXPECT_EQ(text(cursor()->toString()), "4|d|40");

    // Outside the table now: the cursor shows no fields.
    call("DB", "REMOVEAT", {"1"});
    EXPECT_EQ(cursor()->getFieldsNo(), 0);
    EXPECT_EQ(call("DB_CURSOR", "GETFIELD", {"ID"}), nullptr);

    // Positions outside the table are ignored.
    call("DB", "REMOVEAT", {"5"});
    call("DB", "INSERTAT", {"-1", "ROW"});
    call("DB", "INSERTAT", {"3", "ROW"});
    EXPECT_EQ(rows(), "1|a|10\n");
    call("DB", "INSERTAT", {"0", "ROW"});
    call("DB", "INSERTAT", {"2", "ROW"});
    EXPECT_EQ(rows(), "4|d|40\n1|a|10\n4|d|40\n");

    call("DB", "SELECT", {"1"});
    call("DB", "REMOVEALL");
    EXPECT_EQ(cursor()->getFieldsNo(), 0);
}

TEST_F(Databases, AddTakesTheStructureByNameOrItself)
{
    addRow("1", "a", "10");
    call("DB", "ADD", {"nothing"});
    call("DB", "ADD");
    EXPECT_EQ(intResult("GETROWSNO"), 1);
    CXVector arguments(101, 0.75f);
    arguments.add(CMC_Structure::from(object("ROW")));
    CMC_Runner* runner = CMC_RunnerFactory::getRunnerFor(db());
    EXPECT_EQ(runner->run("ADD", db(), scene, &arguments), nullptr);
    EXPECT_EQ(rows(), "1|a|10\n1|a|10\n");
}

TEST_F(Databases, NoModelLoadsNothingAndTheCursorLetsGoWhenTheTableGoes)
{
    load("OBJECT=LOST\nLOST:TYPE=DATABASE\nLOST:MODEL=NOSUCH\n");
    folder.temp.write("rows.txt", "1|a|2\r\n");
    call("LOST", "LOAD", {"T:\\rows.txt"});
    auto* lost = dynamic_cast<CMC_Database*>(object("LOST"));
    EXPECT_EQ(lost->getRows(), 0);
    EXPECT_NE(object("LOST_CURSOR"), nullptr);

    call("DB", "LOAD", {"T:\\rows.txt"});
    ASSERT_EQ(cursor()->getFieldsNo(), 3);
    CMC_Object::destroy(db());
    EXPECT_EQ(cursor()->getFieldsNo(), 0);
}

} // namespace
