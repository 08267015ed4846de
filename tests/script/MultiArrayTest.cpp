#include "DataScene.h"

#include "script/CMC_Integer.h"
#include "script/CMC_MultiArray.h"

using namespace scripttest;

namespace {

class MultiArrays : public DataScene {
protected:
    CMC_MultiArray* grid(const char* dimensions, const char* name = "grid")
    {
        std::string script = std::string("OBJECT=") + name + "\n" + name + ":TYPE=MULTIARRAY\n";
        if (dimensions != nullptr)
            script += std::string(name) + ":DIMENSIONS=" + dimensions + "\n";
        return make<CMC_MultiArray>(script, name);
    }

    std::string sizesOf(CMC_MultiArray* target)
    {
        std::string shown;
        for (int i = 0; i < target->getDimensionCount(); ++i) {
            if (i > 0)
                shown += 'x';
            shown += result(target, "GETSIZE", {std::to_string(i).c_str()});
        }
        return shown + "=" + std::to_string(target->getCellCount());
    }

    void set(CMC_MultiArray* target, std::initializer_list<const char*> arguments)
    {
        CMC_Object::flush(call(target, "SET", arguments));
    }
};

TEST_F(MultiArrays, ANewGridIsSixteenByDimensionAndEmpty)
{
    CMC_MultiArray* g = grid("2");
    EXPECT_EQ(sizesOf(g), "INTEGER:16xINTEGER:16=256");
    EXPECT_EQ(result(g, "GET", {"0", "0"}), "STRING:NULL");
    EXPECT_EQ(result(g, "SAFEGET", {"0", "0"}), "INTEGER:0");
    EXPECT_EQ(result(g, "GETSIZE", {"2"}), "INTEGER:0");
    EXPECT_EQ(result(g, "GETSIZE", {"-1"}), "INTEGER:0");
    EXPECT_EQ(text(g->toString()), "");
    EXPECT_EQ(g->clone(), nullptr);
    // DIMENSIONS is kept within 2 to 5.
    EXPECT_EQ(sizesOf(grid(nullptr, "none")), "INTEGER:16xINTEGER:16=256");
    EXPECT_EQ(grid("1", "one")->getDimensionCount(), 2);
    EXPECT_EQ(grid("-4", "negative")->getDimensionCount(), 2);
    EXPECT_EQ(grid("9", "nine")->getCellCount(), 16 * 16 * 16 * 16 * 16);
}

TEST_F(MultiArrays, SettingBeyondTheGridDoublesTheExtentAndKeepsEveryValueInPlace)
{
    CMC_MultiArray* g = grid("2");
    set(g, {"5", "7", "\"x\""});
    set(g, {"20", "3", "2.5"});
    EXPECT_EQ(sizesOf(g), "INTEGER:32xINTEGER:16=512");
    EXPECT_EQ(result(g, "GET", {"5", "7"}), "STRING:x");
    EXPECT_EQ(result(g, "GET", {"20", "3"}), "DOUBLE:2.50000");
    set(g, {"5", "40", "TRUE"});
    EXPECT_EQ(sizesOf(g), "INTEGER:32xINTEGER:64=2048");
    set(g, {"100", "0", "1"});
    EXPECT_EQ(sizesOf(g), "INTEGER:128xINTEGER:64=8192");
    EXPECT_EQ(result(g, "GET", {"5", "7"}), "STRING:x");
    EXPECT_EQ(result(g, "GET", {"20", "3"}), "DOUBLE:2.50000");
    EXPECT_EQ(result(g, "SAFEGET", {"5", "40"}), "BOOL:TRUE");
    EXPECT_EQ(result(g, "GET", {"100"}), "INTEGER:1"); // a missing coordinate counts as 0
    // Reads outside the grid, or with negative coordinates, give the fallbacks.
    EXPECT_EQ(result(g, "GET", {"0", "64"}), "STRING:NULL");
    EXPECT_EQ(result(g, "SAFEGET", {"-1", "1"}), "INTEGER:0");
    EXPECT_EQ(result(g, "GET", {"5", "-7"}), "STRING:NULL");

    // SET stores a copy and replaces what the cell held.
    load("OBJECT=n\nn:TYPE=INTEGER\nn:VALUE=3\n");
    CXVector arguments(101, 0.75f);
    arguments.add(CMC_Variable::resolve("1"));
    arguments.add(CMC_Variable::resolve("1"));
    arguments.add(scene->getVariable("n"));
    CMC_Object::flush(callWith(g, "SET", &arguments));
    CMC_Object::flush(call("n", "SET", {"4"}));
    EXPECT_EQ(result(g, "GET", {"1", "1"}), "INTEGER:3");
    set(g, {"1", "1", "\"over\""});
    EXPECT_EQ(result(g, "GET", {"1", "1"}), "STRING:over");
}

TEST_F(MultiArrays, OnlyTheFirstTwoCoordinatesAddressACell)
{
    CMC_MultiArray* g = grid("3");
    EXPECT_EQ(g->getCellCount(), 16 * 16 * 16);
    set(g, {"1", "2", "3", "\"a\""});
    set(g, {"1", "2", "9", "\"b\""});
    EXPECT_EQ(result(g, "GET", {"1", "2", "3"}), "STRING:b");
    set(g, {"1", "2", "40", "\"c\""});
    EXPECT_EQ(sizesOf(g), "INTEGER:16xINTEGER:16xINTEGER:64=16384");
    EXPECT_EQ(result(g, "GET", {"1", "2"}), "STRING:c");
}

TEST_F(MultiArrays, ScriptCoordinatesCannotReachOutsideTheGrid)
{
    CMC_MultiArray* g = grid("2");
    set(g, {"-1", "0", "1"});
    set(g, {"0", "-2147483648", "1"});
    set(g, {"\"1\""});
    // A growth past the bound is refused and changes nothing.
    set(g, {"2147483647", "0", "1"});
    set(g, {"2000", "3000", "1"});
    EXPECT_EQ(sizesOf(g), "INTEGER:16xINTEGER:16=256");
    EXPECT_EQ(result(g, "COUNT", {"1"}), "INTEGER:0");
    set(g, {"2047", "2047", "1"});
    EXPECT_EQ(g->getCellCount(), CMC_MultiArray::kMaxCells);
    EXPECT_EQ(result(g, "GET", {"2047", "2047"}), "INTEGER:1");
    // A column past its extent is not the next row's cell, nor a row past its own the next plane's.
    CMC_MultiArray* small = grid("3", "small");
    set(small, {"0", "1", "\"seven\""});
    EXPECT_EQ(result(small, "GET", {"16", "0"}), "STRING:NULL");
    EXPECT_EQ(result(small, "SAFEGET", {"16", "0"}), "INTEGER:0");
    EXPECT_EQ(result(small, "GET", {"0", "1", "16"}), "STRING:NULL");
    EXPECT_EQ(result(small, "GET", {"0", "1", "15"}), "STRING:seven");
}

TEST_F(MultiArrays, CountComparesNonEmptyCells)
{
    CMC_MultiArray* g = grid("2");
    set(g, {"0", "0", "0"});
    set(g, {"3", "3", "0"});
    set(g, {"4", "3", "\"0\""});
    set(g, {"5", "3", "1"});
    EXPECT_EQ(result(g, "COUNT", {"0"}), "INTEGER:3");
    EXPECT_EQ(result(g, "COUNT", {"1"}), "INTEGER:1");
    EXPECT_EQ(result(g, "COUNT"), "INTEGER:0");
}

TEST_F(MultiArrays, AnEmptyGridFileIsTheHeadAndTheEndMarker)
{
    CMC_MultiArray* g = grid("2");
    CMC_Object::flush(call(g, "SAVE", {"\"T:\\grid.dat\""}));
    EXPECT_EQ(folder.temp.read("grid.dat"), FileBytes().int32(2).int32(16).int32(16).int32(256).bytes);
    EXPECT_EQ(folder.temp.read("grid.dat").size(), 16u);
    set(g, {"3", "3", "1"});
    CMC_Object::flush(call(g, "LOAD", {"\"T:\\grid.dat\""}));
    EXPECT_EQ(sizesOf(g), "INTEGER:16xINTEGER:16=256");
    EXPECT_EQ(result(g, "COUNT", {"1"}), "INTEGER:0");
}

TEST_F(MultiArrays, SaveWritesTheCellsInIndexOrderAndLoadReplacesTheGrid)
{
    CMC_MultiArray* g = grid("2");
    set(g, {"1", "2", "\"ab\""});
    set(g, {"0", "0", "7"});
    set(g, {"20", "0", "0.5"});
    CMC_Object::flush(call(g, "SAVE", {"\"T:\\grid.dat\""}));
    const std::string expected = FileBytes()
                                     .int32(2).int32(32).int32(16)
                                     .int32(0).integer(7)
                                     .int32(20).real(5000)
                                     .int32(65).string("ab")
                                     .int32(512)
                                     .bytes;
    EXPECT_EQ(folder.temp.read("grid.dat"), expected);

    CMC_MultiArray* back = grid("4", "back");
    CMC_Object::flush(call(back, "LOAD", {"\"T:\\grid.dat\""}));
    EXPECT_EQ(sizesOf(back), "INTEGER:32xINTEGER:16=512");
    EXPECT_EQ(result(back, "GET", {"1", "2"}), "STRING:ab");
    EXPECT_EQ(result(back, "GET", {"20", "0"}), "DOUBLE:0.50000");
    EXPECT_EQ(result(back, "GET", {"0", "0"}), "INTEGER:7");
}

TEST_F(MultiArrays, LoadOfAHandBuiltFile)
{
    folder.temp.write("in.dat", FileBytes()
                                    .int32(3).int32(4).int32(2).int32(3)
                                    .int32(5).boolean(true)
                                    .int32(23).integer(-9)
                                    .int32(24)
                                    .bytes);
    CMC_MultiArray* g = grid("2");
    CMC_Object::flush(call(g, "LOAD", {"\"T:\\in.dat\""}));
    EXPECT_EQ(sizesOf(g), "INTEGER:4xINTEGER:2xINTEGER:3=24");
    EXPECT_EQ(result(g, "GET", {"1", "1"}), "BOOL:TRUE");
    // A cell beyond the second extent is kept from the file, but no coordinates reach it.
    EXPECT_EQ(result(g, "GET", {"3", "5"}), "STRING:NULL");
    // The grid grows from the file's extents.
    set(g, {"4", "1", "\"x\""});
    EXPECT_EQ(sizesOf(g), "INTEGER:8xINTEGER:2xINTEGER:3=48");
    EXPECT_EQ(result(g, "GET", {"1", "1"}), "BOOL:TRUE");
    EXPECT_EQ(result(g, "GET", {"4", "1"}), "STRING:x");
}

TEST_F(MultiArrays, ABrokenFileStopsTheLoadSafely)
{
    const FileBytes head = FileBytes().int32(2).int32(4).int32(4);
    struct Case {
        std::string bytes;
        const char* sizes;
        const char* count;
    };
    const Case cases[] = {
        {FileBytes(head).int32(1).integer(1).int32(2).int32(9).int32(3).integer(1).bytes, "INTEGER:4xINTEGER:4=16", "INTEGER:1"},
        {FileBytes(head).int32(1).integer(1).int32(-3).integer(1).bytes, "INTEGER:4xINTEGER:4=16", "INTEGER:1"},
        {FileBytes(head).int32(1).integer(1).int32(2).int32(2).int32(40).raw("ab").bytes, "INTEGER:4xINTEGER:4=16", "INTEGER:1"},
        {FileBytes(head).int32(1).integer(1).int32(2).bytes, "INTEGER:4xINTEGER:4=16", "INTEGER:1"},
        {FileBytes(head).int32(1).integer(1).int32(1).integer(1).int32(16).bytes, "INTEGER:4xINTEGER:4=16", "INTEGER:1"},
        // Heads that make no grid this object can hold: nothing is loaded.
        {FileBytes().int32(2).int32(4).bytes, "INTEGER:0xINTEGER:0=0", "INTEGER:0"},
        {FileBytes().int32(2).int32(4).int32(0).int32(0).bytes, "INTEGER:0xINTEGER:0=0", "INTEGER:0"},
        {FileBytes().int32(2).int32(-4).int32(4).int32(16).bytes, "INTEGER:0xINTEGER:0=0", "INTEGER:0"},
        {FileBytes().int32(2).int32(65536).int32(65536).int32(0).bytes, "INTEGER:0xINTEGER:0=0", "INTEGER:0"},
        {FileBytes().int32(1).int32(16).int32(16).bytes, "INTEGER:0xINTEGER:0=0", "INTEGER:0"},
        {FileBytes().int32(0x7FFFFFFF).bytes, "INTEGER:0xINTEGER:0=0", "INTEGER:0"},
        {std::string(), "INTEGER:0xINTEGER:0=0", "INTEGER:0"},
    };
    for (const Case& c : cases) {
        folder.temp.write("in.dat", c.bytes);
        CMC_MultiArray* g = grid("2");
        CMC_Object::flush(call(g, "LOAD", {"\"T:\\in.dat\""}));
        EXPECT_EQ(sizesOf(g), c.sizes);
        EXPECT_EQ(result(g, "COUNT", {"1"}), c.count);
    }
}

TEST_F(MultiArrays, AfterAFailedLoadTheGridReadsEmptyAndSetMakesAFreshOne)
{
    CMC_MultiArray* g = grid("3");
    set(g, {"1", "1", "1"});
    CMC_Object::flush(call(g, "LOAD", {"\"T:\\missing.dat\""}));
    EXPECT_EQ(g->getCellCount(), 0);
    EXPECT_EQ(result(g, "GET", {"1", "1"}), "STRING:NULL");
    EXPECT_EQ(result(g, "SAFEGET", {"0", "0"}), "INTEGER:0");
    EXPECT_EQ(result(g, "GETSIZE", {"0"}), "INTEGER:0");
    EXPECT_EQ(result(g, "COUNT", {"1"}), "INTEGER:0");
    set(g, {"20", "1", "2"});
    EXPECT_EQ(sizesOf(g), "INTEGER:32xINTEGER:16xINTEGER:16=8192");
    EXPECT_EQ(result(g, "GET", {"20", "1"}), "INTEGER:2");

    // The same for a grid made by name, which starts without cells.
    CMC_MultiArray named(scene, "named");
    EXPECT_EQ(named.getCellCount(), 0);
    EXPECT_EQ(named.getSize(0), 0);
    CMC_Variable* five = CMC_VariableFactory::makeInteger(5);
    EXPECT_TRUE(named.set(CMC_MultiArray::Coordinates{3, 4}, five));
    CMC_Object::flush(five);
    EXPECT_EQ(named.getCellCount(), 256);
    EXPECT_EQ(typed(named.get(CMC_MultiArray::Coordinates{3, 4})), "INTEGER:5");
}

} // namespace
