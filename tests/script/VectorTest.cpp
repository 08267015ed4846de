#include "DataScene.h"

#include "script/CMC_Vector.h"

using namespace scripttest;

namespace {

class Vectors : public DataScene {
protected:
    CMC_Vector* vector(const char* name, const char* size, const char* values = nullptr)
    {
        std::string script = std::string("OBJECT=") + name + "\n" + name + ":TYPE=VECTOR\n" + name + ":SIZE=" + size + "\n";
        if (values != nullptr)
            script += std::string(name) + ":VALUE=" + values + "\n";
        return make<CMC_Vector>(script, name);
    }

    void run(CMC_Vector* target, const char* method, std::initializer_list<const char*> arguments = {})
    {
        CMC_Object::flush(call(target, method, arguments));
    }
};

TEST_F(Vectors, LengthAndNormalisation)
{
    CMC_Vector* v = vector("v", "3", "1,2,2");
    EXPECT_EQ(result(v, "LEN"), "DOUBLE:3.00000");
    run(v, "NORMALIZE");
    EXPECT_EQ(text(v->toString()), "0.33333,0.66667,0.66667");
    EXPECT_DOUBLE_EQ(v->getValue(1), 2.0 / 3.0);
    EXPECT_EQ(result(v, "GETSIZE"), "INTEGER:3");

    CMC_Vector* zero = vector("zero", "2");
    run(zero, "NORMALIZE"); // length 0: unchanged, no division
    EXPECT_EQ(text(zero->toString()), "0,0");
    EXPECT_EQ(text(vector("none", "0")->toString()), "");
    EXPECT_EQ(result(as<CMC_Vector>("none"), "LEN"), "DOUBLE:0");
    // Missing pieces of VALUE are 0, extra ones ignored; SIZE is bounded.
    EXPECT_EQ(text(vector("short", "3", "4")->toString()), "4.00000,0,0");
    EXPECT_EQ(text(vector("long", "1", "4,5,6")->toString()), "4.00000");
    EXPECT_EQ(vector("negative", "-3")->getCount(), 0);
    EXPECT_EQ(vector("huge", "2000000000")->getCount(), CMC_Vector::kMaxCount);
}

TEST_F(Vectors, ArithmeticBetweenVectorsOfTheSameCount)
{
    CMC_Vector* a = vector("a", "2", "1,-2");
    vector("b", "2", "10,20");
    vector("c", "2", "100,200");
    vector("three", "3", "1,1,1");
    run(a, "ADD", {"\"b\"", "\"c\""});
    EXPECT_EQ(text(a->toString()), "111.00000,218.00000");
    run(a, "ADD", {"\"three\"", "\"nothing\"", "5"});
    run(a, "SUB", {"\"c\""});
    EXPECT_EQ(text(a->toString()), "11.00000,18.00000");
    EXPECT_EQ(result(a, "SMUL", {"\"b\""}), "DOUBLE:470.00000");
    EXPECT_EQ(result(a, "SMUL", {"\"three\""}), "DOUBLE:0");
    EXPECT_EQ(result(a, "SMUL", {"\"nothing\""}), "DOUBLE:0");
    run(a, "NEG");
    EXPECT_EQ(text(a->toString()), "-11.00000,-18.00000");
    run(a, "ASSIGN", {"1", "-2", "99"});
    run(a, "MUL", {"2.5"});
    EXPECT_EQ(text(a->toString()), "2.50000,-5.00000");
    EXPECT_EQ(result(a, "VMUL", {"\"b\"", "\"c\""}), "none");
    EXPECT_EQ(text(a->toString()), "2.50000,-5.00000");
    EXPECT_EQ(text(as<CMC_Vector>("b")->toString()), "10.00000,20.00000");
}

TEST_F(Vectors, ReflectionWritesEveryComponentOfTheTarget)
{
    CMC_Vector* v = vector("v", "2", "1,1");
    vector("n", "2", "1,0");
    CMC_Vector* out = vector("out", "2");
    run(v, "REFLECT", {"\"n\"", "\"out\""});
    EXPECT_EQ(text(out->toString()), "1.00000,-1.00000");
    EXPECT_EQ(text(v->toString()), "1.00000,1.00000");
    // A longer target reads the missing components as 0; the vector may be its own target.
    CMC_Vector* wide = vector("wide", "3", "7,7,7");
    run(v, "REFLECT", {"\"n\"", "\"wide\""});
    EXPECT_EQ(text(wide->toString()), "1.00000,-1.00000,0");
    run(v, "REFLECT", {"\"n\"", "\"v\""});
    EXPECT_EQ(text(v->toString()), "1.00000,-1.00000");
    run(v, "REFLECT", {"\"nothing\"", "\"out\""});
    EXPECT_EQ(text(out->toString()), "1.00000,-1.00000");
}

TEST_F(Vectors, ComponentsAndGrowth)
{
    CMC_Vector* v = vector("v", "2", "1,2");
    run(v, "EXPAND", {"4"});
    EXPECT_EQ(text(v->toString()), "0,0,1.00000,2.00000");
    EXPECT_EQ(result(v, "GETSIZE"), "INTEGER:4");
    run(v, "EXPAND", {"1"});
    run(v, "EXPAND", {"2147483647"});
    EXPECT_EQ(v->getCount(), 4);

    run(v, "SET", {"1", "5.5"});
    EXPECT_EQ(result(v, "GET", {"1"}), "DOUBLE:5.50000");
    run(v, "SET", {"4", "9"});
    run(v, "SET", {"-1", "9"});
    EXPECT_EQ(result(v, "GET", {"4"}), "DOUBLE:0");
    EXPECT_EQ(result(v, "GET", {"-2147483648"}), "DOUBLE:0");
    EXPECT_EQ(text(v->toString()), "0,5.50000,1.00000,2.00000");

    vector("short", "2", "8,9");
    run(v, "SET", {"\"short\""}); // the first min(count) values; the rest stay
    EXPECT_EQ(text(v->toString()), "8.00000,9.00000,1.00000,2.00000");
    run(v, "SET", {"3"}); // a single number fills every value
    EXPECT_EQ(text(v->toString()), "3.00000,3.00000,3.00000,3.00000");
    run(v, "ASSIGN", {"1", "2"});
    EXPECT_EQ(text(v->toString()), "1.00000,2.00000,3.00000,3.00000");
}

TEST_F(Vectors, CopiesAndTheSceneArchive)
{
    CMC_Vector* v = vector("v", "3", "1.23456,-2,0.5");
    std::unique_ptr<CXObject> copy(v->clone());
    auto* cloned = dynamic_cast<CMC_Vector*>(copy.get());
    ASSERT_NE(cloned, nullptr);
    EXPECT_EQ(text(cloned->getName()), "clone");
    EXPECT_EQ(cloned->getScene(), scene);
    EXPECT_EQ(text(cloned->toString()), text(v->toString()));

    std::string stored = storedForm(v);
    const std::string tail = FileBytes().int32(3).int32(12345).int32(-20000).int32(5000).bytes;
    ASSERT_GE(stored.size(), tail.size());
    EXPECT_EQ(stored.substr(stored.size() - tail.size()), tail);
    CMC_Vector restored(nullptr);
    EXPECT_EQ(restoreForm(&restored, stored), 0);
    EXPECT_EQ(text(restored.getName()), "v");
    EXPECT_EQ(text(restored.toString()), "1.23450,-2.00000,0.50000");

    // A count the data does not hold reads what is there and no more.
    stored.resize(stored.size() - 4);
    CMC_Vector partial(nullptr);
    EXPECT_NE(restoreForm(&partial, stored), 0);
    EXPECT_EQ(partial.getCount(), 2);
}

} // namespace
