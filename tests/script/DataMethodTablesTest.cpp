#include "script/CMC_Array_Runner.h"
#include "script/CMC_MultiArray_Runner.h"
#include "script/CMC_Quene_Runner.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Vector_Runner.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Names = std::vector<std::pair<const char*, int>>;

struct Table {
    int type;
    Names names;
};

class DataMethodTables : public ::testing::Test {
protected:
    void SetUp() override { CMC_RunnerFactory::initialize(); }
    void TearDown() override { CMC_RunnerFactory::done(); }
};

TEST_F(DataMethodTables, EveryNameReachesItsIdentifierAndTheCommonMethodsStay)
{
    const Table tables[] = {
        {script::TYPE_ARRAY,
         {{"ADD", 1},          {"GETSIZE", 2},       {"INSERTAT", 3},     {"REMOVEAT", 4},    {"CHANGEAT", 5},
          {"REMOVEALL", 6},    {"GET", 7},           {"REMOVE", 8},       {"FIND", 9},        {"CONTAINS", 10},
          {"SAVEINI", 11},     {"LOADINI", 12},      {"PREV", 13},        {"NEXT", 14},       {"ADDCLONES", 15},
          {"RESETMARKER", 16}, {"GETMARKERPOS", 17}, {"SETMARKERPOS", 18}, {"SUM", 19},       {"SUMA", 20},
          {"SUB", 21},         {"SUBA", 22},         {"MUL", 23},         {"MULA", 24},       {"DIV", 25},
          {"DIVA", 32},        {"MIN", 33},          {"MAX", 34},         {"GETSUMVALUE", 35}, {"SORT", 36},
          {"LOAD", 37},        {"SAVE", 38},         {"REVERSEFIND", 39}, {"MULAT", 40},      {"DIVAT", 41},
          {"ADDAT", 42},       {"SUBAT", 43},        {"MODAT", 44},       {"CLAMPAT", 45},    {"DIR", 46},
          {"COMPARE", 47},     {"SENDONCHANGE", 48}, {"SHIFTLEFT", 49},   {"SHIFTRIGHT", 50}, {"ROTATELEFT", 51},
          {"ROTATERIGHT", 52}, {"SWAP", 53},         {"FINDALL", 54},     {"SORTMANY", 55},   {"MAXD", 56},
          {"MIND", 57},        {"COPYTO", 58},       {"FILL", 59},        {"RANDOMFILL", 60}}},
        {script::TYPE_MULTIARRAY,
         {{"SET", 1}, {"GET", 2}, {"GETSIZE", 3}, {"COUNT", 4}, {"LOAD", 5}, {"SAVE", 6}, {"SAFEGET", 7}}},
        {script::TYPE_FIFO, {{"PUSH", 1}, {"POP", 2}, {"GETSIZE", 3}, {"ISEMPTY", 4}}},
        {script::TYPE_LIFO, {{"PUSH", 1}, {"POP", 2}, {"GETSIZE", 3}, {"ISEMPTY", 4}}},
        {script::TYPE_VECTOR,
         {{"ADD", 1},  {"GET", 2},       {"GETSIZE", 3}, {"VMUL", 4},   {"SMUL", 5},
          {"MUL", 6},  {"LEN", 7},       {"NORMALIZE", 8}, {"REFLECT", 9}, {"EXPAND", 10},
          {"SET", 11}, {"ASSIGN", 12},   {"SUB", 13},    {"NEG", 14}}},
    };
    for (const Table& table : tables) {
        CMC_Runner* runner = CMC_RunnerFactory::getRunner(table.type);
        ASSERT_NE(runner, nullptr) << table.type;
        for (const auto& [name, id] : table.names)
            EXPECT_EQ(runner->resolveMethod(name), id) << table.type << " " << name;
        EXPECT_EQ(runner->resolveMethod("ADDTOARRAY"), CMC_Runner::ADDTOARRAY) << table.type;
        EXPECT_EQ(runner->resolveMethod("add"), -1) << table.type;
    }
    EXPECT_EQ(std::size(tables[0].names), 54u);
    EXPECT_NE(dynamic_cast<CMC_Array_Runner*>(CMC_RunnerFactory::pArrayRunner), nullptr);
    EXPECT_NE(dynamic_cast<CMC_MultiArray_Runner*>(CMC_RunnerFactory::pMultiArrayRunner), nullptr);
    EXPECT_NE(dynamic_cast<CMC_Quene_Runner*>(CMC_RunnerFactory::pQueneRunner), nullptr);
    EXPECT_NE(dynamic_cast<CMC_Vector_Runner*>(CMC_RunnerFactory::pVectorRunner), nullptr);
}

} // namespace
