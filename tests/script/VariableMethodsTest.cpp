#include "ScriptScene.h"

#include "GameFolder.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_Variable_Runner.h"

#include <climits>
#include <cmath>

using namespace scripttest;

namespace {

struct MethodCase {
    const char* type;
    const char* value;
    const char* method;
    std::initializer_list<const char*> arguments;
    const char* result; // "TYPE:text", "none", or "self" for the variable itself
    const char* after;  // the variable's text afterwards
};

class VariableMethods : public ScriptScene {
protected:
    // A declared variable "v" of the type, made from a definition element.
    CMC_Variable* declare(const char* type, const char* value)
    {
        CMElement element("v");
        element.addProperty("TYPE", type);
        element.addProperty("VALUE", value);
        CMC_Object* made = CMC_CreationChain::create(type, scene, &element);
        scene->addObject(made);
        return static_cast<CMC_Variable*>(made);
    }

    void check(const MethodCase& c)
    {
        CMC_Variable* variable = declare(c.type, c.value);
        CMC_Variable* result = call(variable, c.method, c.arguments);
        std::string shown = result == variable ? "self" : typed(result);
        std::string where = std::string(c.type) + " " + c.value + " " + c.method;
        EXPECT_EQ(shown, c.result) << where;
        EXPECT_EQ(text(variable->toString()), c.after) << where;
        if (result != nullptr && result != variable) {
            EXPECT_GE(result->getId(), 0) << where << ": results are temporaries";
        }
        CMC_Object::flush(result);
        turn();
    }

    double run(const char* method, std::initializer_list<const char*> arguments, const char* value = "0")
    {
        CMC_Variable* variable = declare("DOUBLE", value);
        CMC_Object::flush(call(variable, method, arguments));
        return static_cast<CMC_Double*>(variable)->getValue();
    }
};

TEST_F(VariableMethods, Integer)
{
    const MethodCase cases[] = {
        {"INTEGER", "1", "SET", {"5"}, "none", "5"},
        {"INTEGER", "1", "SET", {"2.5"}, "none", "3"},
        {"INTEGER", "1", "SET", {"-2.5"}, "none", "-3"},
        {"INTEGER", "1", "SET", {"2.49"}, "none", "2"},
        {"INTEGER", "1", "SET", {"12abc"}, "none", "12"},
        {"INTEGER", "1", "SET", {"abc"}, "none", "0"},
        {"INTEGER", "1", "SET", {"TRUE"}, "none", "1"},
        {"INTEGER", "1", "SET", {}, "none", "1"},
        {"INTEGER", "3", "SWITCH", {"3", "7"}, "none", "7"},
        {"INTEGER", "7", "SWITCH", {"3", "7"}, "none", "3"},
        {"INTEGER", "5", "SWITCH", {"3", "7"}, "none", "3"},
        {"INTEGER", "3", "SWITCH", {"3"}, "none", "3"},
        {"INTEGER", "9", "CLEAR", {}, "none", "0"},
        {"INTEGER", "2147483647", "INC", {}, "none", "-2147483648"},
        {"INTEGER", "-2147483648", "DEC", {}, "none", "2147483647"},
        {"INTEGER", "2", "ADD", {"3"}, "INTEGER:5", "5"},
        {"INTEGER", "2", "ADD", {"1.5"}, "INTEGER:4", "4"},
        {"INTEGER", "2", "ADD", {}, "none", "2"},
        {"INTEGER", "4", "MUL", {"3"}, "none", "12"},
        {"INTEGER", "10", "SUB", {"2.6"}, "none", "7"},
        {"INTEGER", "7", "DIV", {"2"}, "none", "3"},
        {"INTEGER", "7", "DIV", {"0"}, "none", "0"},
        {"INTEGER", "-2147483648", "DIV", {"-1"}, "none", "-2147483648"},
        {"INTEGER", "-7", "MOD", {"2"}, "none", "-1"},
        {"INTEGER", "7", "MOD", {"0"}, "none", "0"},
        {"INTEGER", "4", "RESETINI", {}, "none", "4"},
        {"INTEGER", "4", "SETDEFAULT", {"9"}, "none", "4"},
        {"INTEGER", "1", "ABS", {"-5"}, "INTEGER:5", "5"},
        {"INTEGER", "1", "ABS", {"-2147483648"}, "INTEGER:-2147483648", "-2147483648"},
        {"INTEGER", "1", "ABS", {}, "none", "1"},
        {"INTEGER", "12", "AND", {"6"}, "INTEGER:4", "4"},
        {"INTEGER", "12", "OR", {"3"}, "INTEGER:15", "15"},
        {"INTEGER", "12", "XOR", {"5"}, "INTEGER:9", "9"},
        {"INTEGER", "0", "NOT", {}, "INTEGER:-1", "-1"},
        {"INTEGER", "2", "POWER", {"3"}, "INTEGER:8", "8"},
        {"INTEGER", "2", "POWER", {"-1"}, "INTEGER:0", "0"},
        {"INTEGER", "-3", "POWER", {"3"}, "INTEGER:-27", "-27"},
        {"INTEGER", "2", "POWER", {"40"}, "INTEGER:-2147483648", "-2147483648"},
        {"INTEGER", "15", "CLAMP", {"0", "10"}, "INTEGER:10", "10"},
        {"INTEGER", "-3", "CLAMP", {"0", "10"}, "INTEGER:0", "0"},
        {"INTEGER", "5", "CLAMP", {"0", "10"}, "INTEGER:5", "5"},
        {"INTEGER", "5", "CLAMP", {"0"}, "none", "5"},
        {"INTEGER", "5", "GET", {}, "INTEGER:5", "5"},
        {"INTEGER", "1", "RANDOM", {}, "INTEGER:0", "0"},
        {"INTEGER", "4", "ISUPPERLETTER", {"0"}, "BOOL:FALSE", "4"},
        // DOUBLE's and STRING's own methods leave an INTEGER alone.
        {"INTEGER", "4", "SQRT", {}, "none", "4"},
        {"INTEGER", "4", "LENGTH", {"3", "4"}, "none", "4"},
        {"INTEGER", "4", "ARCTAN", {"1"}, "none", "4"},
        {"INTEGER", "4", "MINA", {"1"}, "none", "4"},
        {"INTEGER", "4", "ROUND", {}, "none", "4"},
        {"INTEGER", "4", "SGN", {}, "none", "4"},
        {"INTEGER", "4", "LOG", {"1"}, "none", "4"},
        {"INTEGER", "4", "FIND", {"4"}, "none", "4"},
        {"INTEGER", "4", "CUT", {"0", "1"}, "none", "4"},
        {"INTEGER", "4", "UPPER", {}, "none", "4"},
        {"INTEGER", "4", "NOSUCHMETHOD", {}, "none", "4"},
    };
    for (const MethodCase& c : cases)
        check(c);
}

TEST_F(VariableMethods, Double)
{
    const MethodCase cases[] = {
        {"DOUBLE", "1", "SET", {"2"}, "none", "2.00000"},
        {"DOUBLE", "1.5", "ADD", {"0.5"}, "DOUBLE:2.00000", "2.00000"},
        {"DOUBLE", "1.5", "SUB", {"2"}, "none", "-0.50000"},
        {"DOUBLE", "1.5", "DIV", {"0.5"}, "none", "3.00000"},
        {"DOUBLE", "7.9", "MOD", {"2.5"}, "none", "1.00000"},
        {"DOUBLE", "1.5", "SWITCH", {"1.5", "4"}, "none", "4.00000"},
        {"DOUBLE", "2.25", "SQRT", {}, "DOUBLE:1.50000", "1.50000"},
        {"DOUBLE", "2.5", "ROUND", {}, "INTEGER:3", "2.50000"},
        {"DOUBLE", "2.49", "ROUND", {}, "INTEGER:2", "2.49000"},
        {"DOUBLE", "-2.5", "ROUND", {}, "INTEGER:-2", "-2.50000"},
        {"DOUBLE", "-2.7", "ROUND", {}, "INTEGER:-2", "-2.70000"},
        {"DOUBLE", "2.555", "ROUND", {}, "INTEGER:3", "2.55500"},
        {"DOUBLE", "-0.5", "SGN", {}, "INTEGER:-1", "-0.50000"},
        {"DOUBLE", "0", "SGN", {}, "INTEGER:0", "0"},
        {"DOUBLE", "3", "SGN", {}, "INTEGER:1", "3.00000"},
        {"DOUBLE", "0", "MINA", {"3", "1.5", "2"}, "DOUBLE:1.50000", "1.50000"},
        {"DOUBLE", "0", "MAXA", {"3", "1.5", "7"}, "DOUBLE:7.00000", "7.00000"},
        {"DOUBLE", "9", "MINA", {}, "none", "9.00000"},
        {"DOUBLE", "0", "ARCTANEX", {"0", "-1", "450"}, "DOUBLE:269.00000", "269.00000"},
        {"DOUBLE", "0", "ARCTANEX", {"1"}, "none", "0"},
        {"DOUBLE", "4", "POWER", {"0.5"}, "DOUBLE:2.00000", "2.00000"},
        {"DOUBLE", "1.5", "CLAMP", {"0", "1"}, "DOUBLE:1.00000", "1.00000"},
        {"DOUBLE", "0", "LENGTH", {"3", "4"}, "DOUBLE:5.00000", "5.00000"},
        {"DOUBLE", "0", "LENGTH", {"3"}, "none", "0"},
        {"DOUBLE", "0", "LOG", {"1"}, "DOUBLE:0", "0"},
        {"DOUBLE", "0", "COSINUS", {"0"}, "DOUBLE:1.00000", "1.00000"},
        {"DOUBLE", "0", "SINUS", {}, "none", "0"},
        {"DOUBLE", "2.5", "GET", {}, "DOUBLE:2.50000", "2.50000"},
        {"DOUBLE", "2.5", "RANDOM", {}, "INTEGER:0", "2.50000"},
        {"DOUBLE", "-2.5", "ABS", {"-1"}, "none", "-2.50000"},
        {"DOUBLE", "2.5", "NOT", {}, "none", "2.50000"},
        {"DOUBLE", "2.5", "AND", {"1"}, "none", "2.50000"},
        {"DOUBLE", "2.5", "LENGTH", {}, "none", "2.50000"},
        {"DOUBLE", "2.5", "FIND", {"2"}, "none", "2.50000"},
        {"DOUBLE", "2.5", "ISUPPERLETTER", {"0"}, "BOOL:FALSE", "2.50000"},
    };
    for (const MethodCase& c : cases)
        check(c);
}

TEST_F(VariableMethods, DoubleResultsToTheLastBit)
{
    EXPECT_DOUBLE_EQ(run("ARCTAN", {"1"}), 44.99999999412422);
    EXPECT_NE(run("ARCTAN", {"1"}), 45.0);
    EXPECT_DOUBLE_EQ(run("ARCTANEX", {"-1", "0"}), 270.0000000117516);
    EXPECT_DOUBLE_EQ(run("SINUS", {"90"}), std::sin(90 * static_cast<double>(0.017453292f)));
    EXPECT_DOUBLE_EQ(run("LENGTH", {"0", "0.1"}), std::sqrt(static_cast<double>(static_cast<float>(0.1 * 0.1))));
    EXPECT_TRUE(std::isnan(run("SQRT", {}, "-1")));
}

TEST_F(VariableMethods, Bool)
{
    const MethodCase cases[] = {
        {"BOOL", "FALSE", "SET", {"true"}, "none", "TRUE"},
        {"BOOL", "FALSE", "SET", {"TRUE"}, "none", "TRUE"},
        {"BOOL", "FALSE", "SET", {"True"}, "none", "TRUE"},
        {"BOOL", "TRUE", "SET", {"\"1\""}, "none", "FALSE"},
        {"BOOL", "TRUE", "SET", {"2"}, "none", "TRUE"},
        {"BOOL", "TRUE", "INC", {}, "none", "FALSE"},
        {"BOOL", "TRUE", "DEC", {}, "none", "FALSE"},
        {"BOOL", "TRUE", "SWITCH", {"TRUE", "TRUE"}, "none", "FALSE"},
        {"BOOL", "TRUE", "CLEAR", {}, "none", "FALSE"},
        {"BOOL", "TRUE", "ADD", {"FALSE"}, "BOOL:FALSE", "FALSE"},
        {"BOOL", "FALSE", "MUL", {"TRUE"}, "none", "TRUE"},
        {"BOOL", "TRUE", "SUB", {"TRUE"}, "none", "TRUE"},
        {"BOOL", "TRUE", "DIV", {"FALSE"}, "none", "TRUE"},
        {"BOOL", "TRUE", "GET", {}, "self", "TRUE"},
        {"BOOL", "TRUE", "ISUPPERLETTER", {"0"}, "BOOL:FALSE", "TRUE"},
        {"BOOL", "TRUE", "POWER", {"2"}, "none", "TRUE"},
        {"BOOL", "TRUE", "NOT", {}, "none", "TRUE"},
        {"BOOL", "TRUE", "CLAMP", {"0", "1"}, "none", "TRUE"},
        {"BOOL", "TRUE", "ROUND", {}, "none", "TRUE"},
        {"BOOL", "TRUE", "LOG", {"1"}, "none", "TRUE"},
        {"BOOL", "TRUE", "RANDOM", {}, "INTEGER:0", "TRUE"},
    };
    for (const MethodCase& c : cases)
        check(c);
}

TEST_F(VariableMethods, String)
{
    const MethodCase cases[] = {
        {"STRING", "x", "SET", {"5"}, "none", "5"},
        {"STRING", "x", "SET", {"FALSE"}, "none", "FALSE"},
        {"STRING", "x", "SET", {"2.0"}, "none", "2.00000"},
        {"STRING", "ab", "ADD", {"5"}, "STRING:ab5", "ab5"},
        {"STRING", "ab", "MUL", {"x"}, "none", "ab"},
        {"STRING", "ab", "DIV", {"x"}, "none", "ab"},
        {"STRING", "ab", "INC", {}, "none", "ab"},
        {"STRING", "ab", "SWITCH", {"ab", "cd"}, "none", "cd"},
        {"STRING", "xx", "SWITCH", {"ab", "cd"}, "none", "ab"},
        {"STRING", "AB", "SWITCH", {"ab", "cd"}, "none", "ab"},
        {"STRING", "abcdef", "SUB", {"1", "2"}, "none", "adef"},
        {"STRING", "abcdef", "SUB", {"4", "9"}, "none", "abcd"},
        {"STRING", "abcdef", "SUB", {"9", "1"}, "none", "abcdef"},
        {"STRING", "abcdef", "SUB", {"1"}, "none", "abcdef"},
        {"STRING", "abcdef", "CUT", {"2", "10"}, "none", "cdef"},
        {"STRING", "abcdef", "CUT", {"2", "0"}, "none", "cdef"},
        {"STRING", "abcdef", "CUT", {"2", "3"}, "none", "cde"},
        {"STRING", "abcdef", "CUT", {"7", "1"}, "none", "abcdef"},
        {"STRING", "ac", "INSERTAT", {"1", "b", "2"}, "none", "abbc"},
        {"STRING", "ac", "INSERTAT", {"2", "d"}, "none", "acd"},
        {"STRING", "ac", "INSERTAT", {"3", "d"}, "none", "ac"},
        {"STRING", "ac", "INSERTAT", {"0", "d", "2000000000"}, "none", "ac"},
        {"STRING", "abcdef", "REPLACEAT", {"2", "XY"}, "none", "abXYef"},
        {"STRING", "abcdef", "REPLACEAT", {"5", "XYZ"}, "none", "abcdeXYZ"},
        {"STRING", "abcdef", "REPLACEAT", {"6", "X"}, "none", "abcdefX"},
        {"STRING", "abcdef", "REPLACEAT", {"7", "X"}, "none", "abcdef"},
        {"STRING", "abcb", "REPLACE", {"b", "XY"}, "none", "aXYcXY"},
        {"STRING", "abc", "REPLACE", {"\"\"", "X"}, "none", "abc"},
        {"STRING", "abc", "GET", {}, "STRING:abc", "abc"},
        {"STRING", "abc", "GET", {"1"}, "STRING:b", "abc"},
        {"STRING", "abc", "GET", {"0", "-1"}, "STRING:abc", "abc"},
        {"STRING", "abc", "GET", {"1", "1"}, "STRING:b", "abc"},
        {"STRING", "abc", "GET", {"1", "9"}, "STRING:bc", "abc"},
        {"STRING", "abc", "GET", {"3"}, "STRING:", "abc"},
        {"STRING", "abc", "GET", {"-1"}, "STRING:", "abc"},
        {"STRING", "abcb", "FIND", {"c"}, "INTEGER:2", "abcb"},
        {"STRING", "abcb", "FIND", {"z"}, "INTEGER:-1", "abcb"},
        {"STRING", "abcb", "FIND", {"b", "2"}, "INTEGER:3", "abcb"},
        {"STRING", "abcb", "FIND", {}, "none", "abcb"},
        {"STRING", "abc", "LENGTH", {}, "INTEGER:3", "abc"},
        {"STRING", "abc", "NOT", {}, "STRING:cba", "cba"},
        {"STRING", "Abc", "ISUPPERLETTER", {"0"}, "BOOL:TRUE", "Abc"},
        {"STRING", "Abc", "ISUPPERLETTER", {"1"}, "BOOL:FALSE", "Abc"},
        {"STRING", "\xa3x", "ISUPPERLETTER", {"0"}, "BOOL:TRUE", "\xa3x"},
        {"STRING", "\xb3x", "ISUPPERLETTER", {"0"}, "BOOL:FALSE", "\xb3x"},
        {"STRING", "Abc", "ISUPPERLETTER", {"9"}, "BOOL:FALSE", "Abc"},
        {"STRING", "Abc", "ISUPPERLETTER", {}, "BOOL:FALSE", "Abc"},
        {"STRING", "za\xbf\xf3\xb3\xe6", "UPPER", {}, "none", "ZA\xaf\xd3\xa3\xc6"},
        {"STRING", "ZA\xaf\xd3\xa3\xc6", "LOWER", {}, "none", "za\xbf\xf3\xb3\xe6"},
        {"STRING", "abc", "CLEAR", {}, "none", ""},
        {"STRING", "abc", "RANDOM", {}, "INTEGER:0", "abc"},
        {"STRING", "abc", "ABS", {"1"}, "none", "abc"},
        {"STRING", "abc", "ROUND", {}, "none", "abc"},
        {"STRING", "abc", "SQRT", {}, "none", "abc"},
        {"STRING", "abc", "POWER", {"2"}, "none", "abc"},
    };
    for (const MethodCase& c : cases)
        check(c);
}

TEST_F(VariableMethods, RandomStaysInItsRangeAndStoresIntoIntegers)
{
    for (int i = 0; i < 20; ++i) {
        CMC_Variable* variable = declare("INTEGER", "-1");
        CMC_Variable* drawn = call(variable, "RANDOM", {"10"});
        int value = static_cast<CMC_Integer*>(drawn)->getValue();
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 10);
        EXPECT_EQ(static_cast<CMC_Integer*>(variable)->getValue(), value);
        CMC_Object::flush(drawn);
        drawn = call(variable, "RANDOM", {"100", "5"});
        value = static_cast<CMC_Integer*>(drawn)->getValue();
        EXPECT_GE(value, 100);
        EXPECT_LT(value, 105);
        CMC_Object::flush(drawn);
    }
}

TEST_F(VariableMethods, CopyFileResolvesBothNamesAndOverwrites)
{
    GameFolder folder;
    folder.temp.write("from.txt", "new");
    folder.temp.write("to.txt", "old");
    CMC_Variable* variable = declare("STRING", "x");
    CMC_Variable* copied = call(variable, "COPYFILE", {"T:\\from.txt", "T:\\to.txt"});
    EXPECT_EQ(text(copied->toString()), "TRUE");
    EXPECT_EQ(folder.temp.read("to.txt"), "new");
    CMC_Object::flush(copied);
    CMC_Variable* missing = call(variable, "COPYFILE", {"T:\\absent.txt", "T:\\to.txt"});
    EXPECT_EQ(text(missing->toString()), "FALSE");
    CMC_Object::flush(missing);
    CMC_Variable* tooFew = call(variable, "COPYFILE", {"T:\\from.txt"});
    EXPECT_EQ(text(tooFew->toString()), "FALSE");
    CMC_Object::flush(tooFew);
}

TEST_F(VariableMethods, CommonMethodsReachVariablesToo)
{
    CMC_Variable* variable = declare("INTEGER", "3");
    CMC_Variable* name = call(variable, "GETNAME");
    EXPECT_EQ(text(name->toString()), "v");
    CMC_Object::flush(name);
    EXPECT_EQ(CMC_Variable_Runner::roundHundredths(1e300), INT_MIN);
}

} // namespace
