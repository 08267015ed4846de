#include "FileScene.h"

#include "script/CMC_Class.h"
#include "script/CMC_Integer.h"

using namespace scripttest;

namespace {

// A behaviour and an INTEGER of the same names in every class file, told apart by their code and
// value.
std::string classFile(const std::string& tag)
{
    return "OBJECT=M\nM:TYPE=BEHAVIOUR\nM:CODE=" + tag + "\nOBJECT=V\nV:TYPE=INTEGER\nV:VALUE=" +
           std::to_string(tag.size()) + "\n";
}

class Classes : public FileScene {
protected:
    void SetUp() override
    {
        FileScene::SetUp();
        folder.temp.write("COMMON/CLASSES/a.def", classFile("a"));
        folder.temp.write("COMMON/CLASSES/b.def", classFile("bb"));
        folder.temp.write("COMMON/CLASSES/hero.def",
                          classFile("ccc") + "OBJECT=CONSTRUCTOR\nCONSTRUCTOR:TYPE=BEHAVIOUR\nCONSTRUCTOR:CODE=ctor\n"
                                             "OBJECT=DESTRUCTOR\nDESTRUCTOR:TYPE=BEHAVIOUR\nDESTRUCTOR:CODE=dtor\n"
                                             "OBJECT=SUM\nSUM:TYPE=BEHAVIOUR\nSUM:CODE=sum\n"
                                             "OBJECT=PROP\nPROP:TYPE=TESTOBJECT\n");
        actions()["ctor"] = [](TestBehaviour* self, CMC_Object*, CXArray* parameters) {
            returnValue(self->getScene(), "made " + parameter(parameters, 0) + " " + parameter(parameters, 1));
            return false;
        };
        actions()["sum"] = [](TestBehaviour* self, CMC_Object*, CXArray* parameters) {
            int sum = CXString(parameter(parameters, 0).c_str()).toNumber() + CXString(parameter(parameters, 1).c_str()).toNumber();
            returnValue(self->getScene(), std::to_string(sum));
            return false;
        };
        load("OBJECT=HERO\nHERO:TYPE=CLASS\nHERO:BASE=a.def,b.def\nHERO:DEF=hero.def\n");
    }

    CMC_Class* instance(const char* name) { return CMC_Class::from(object(name)); }

    int valueIn(CMC_Class* container, const char* name)
    {
        auto* variable = dynamic_cast<CMC_Integer*>(container->getObject(name));
        return variable != nullptr ? variable->getValue() : -1;
    }
};

TEST_F(Classes, ClassObjectReadsItsFilesAndLoadsNothing)
{
    CMC_Class* hero = instance("HERO");
    ASSERT_NE(hero, nullptr);
    EXPECT_EQ(text(hero->getDef()), "hero.def");
    EXPECT_EQ(text(hero->getBase()), "a.def,b.def");
    EXPECT_EQ(hero->getElementsNo(), 0);
    EXPECT_EQ(hero->getScene(), scene);
    EXPECT_EQ(text(hero->getClassPath("x.def")), "T:\\COMMON\\CLASSES\\x.def");
    // The common methods give no value on a class.
    EXPECT_EQ(result(call("HERO", "GETNAME")), "none");
}

TEST_F(Classes, LaterFilesTakeTheNamesAndEarlierOnesStayUnderSuper)
{
    EXPECT_EQ(result(call("HERO", "NEW", {"H1"})), "made H1 ");
    CMC_Class* h1 = instance("H1");
    ASSERT_NE(h1, nullptr);
    EXPECT_EQ(h1->getScene(), scene);
    EXPECT_EQ(h1->getClass(), instance("HERO"));
    EXPECT_EQ(valueIn(h1, "V"), 3);
    EXPECT_EQ(valueIn(h1, "SUPER_V"), 2);
    EXPECT_EQ(valueIn(h1, "SUPER_SUPER_V"), 1);

    eventLog().clear();
    EXPECT_EQ(result(call("H1", "M")), "none");
    EXPECT_EQ(result(call("H1", "SUPER_M", {"x"})), "none");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"M(H1)", "SUPER_M(H1|x)"}));
    EXPECT_EQ(dynamic_cast<TestBehaviour*>(h1->getObject("SUPER_M"))->code, CXString("bb"));
}

TEST_F(Classes, MethodsTakeTheirArgumentsAsTextsAndGiveWhatTheyReturn)
{
    EXPECT_EQ(result(call("HERO", "NEW", {"H1", "5"})), "made H1 5");
    EXPECT_EQ(result(call("H1", "SUM", {"1", "2"})), "3");
    EXPECT_EQ(result(call("H1", "SUM", {"40", "2.5"})), "42");
    // A method that returns nothing gives no value, whatever an earlier run returned.
    EXPECT_EQ(result(call("H1", "M")), "none");
    EXPECT_EQ(result(call("H1", "NOSUCH")), "none");
    EXPECT_EQ(result(call("H1", "GETNAME")), "none");
    EXPECT_EQ(result(call("HERO", "NEW")), "none");

    // A "__RETURN__" the instance holds itself is its result when the run wrote none.
    load("OBJECT=__RETURN__\n__RETURN__:TYPE=STRING\n__RETURN__:VALUE=kept\n", instance("H1"));
    EXPECT_EQ(result(call("H1", "M")), "kept");
    EXPECT_EQ(result(call("H1", "SUM", {"2", "2"})), "4");
}

TEST_F(Classes, InstancesHoldTheirOwnObjects)
{
    call("HERO", "NEW", {"H1"});
    call("HERO", "NEW", {"H2"});
    // NEW on an instance makes one of the same class.
    call("H1", "NEW", {"H3"});
    ASSERT_NE(instance("H3"), nullptr);
    EXPECT_EQ(instance("H3")->getClass(), instance("HERO"));
    EXPECT_NE(instance("H1")->getObject("V"), instance("H2")->getObject("V"));
    static_cast<CMC_Integer*>(instance("H1")->getObject("V"))->setValue(50);
    EXPECT_EQ(valueIn(instance("H2"), "V"), 3);
    EXPECT_EQ(valueIn(instance("H3"), "V"), 3);
    EXPECT_EQ(instance("H1")->getObject("SUM")->getScene(), instance("H1"));
}

TEST_F(Classes, DeleteRunsTheDestructorOnceAndFreesTheInstance)
{
    call("HERO", "NEW", {"H1"});
    CMC_ObjectRef prop(instance("H1")->getObject("PROP"));
    ASSERT_TRUE(prop.isAlive());
    eventLog().clear();
    EXPECT_EQ(result(call("HERO", "DELETE", {"H1"})), "none");
    EXPECT_EQ(object("H1"), nullptr);
    EXPECT_FALSE(prop.isAlive());
    EXPECT_EQ(std::count(eventLog().begin(), eventLog().end(), "DESTRUCTOR(H1|H1)"), 1);
    EXPECT_EQ(std::count(eventLog().begin(), eventLog().end(), "done:PROP"), 1);
    EXPECT_EQ(std::count(eventLog().begin(), eventLog().end(), "deleted:PROP"), 1);

    // Names that are no class change nothing.
    load("OBJECT=N\nN:TYPE=INTEGER\n");
    call("HERO", "DELETE", {"N"});
    call("HERO", "DELETE", {"NOSUCH"});
    EXPECT_NE(object("N"), nullptr);
}

TEST_F(Classes, UnloadingTheSceneRunsEveryDestructor)
{
    call("HERO", "NEW", {"H1"});
    call("HERO", "NEW", {"H2"});
    eventLog().clear();
    scene->unload();
    EXPECT_EQ(std::count(eventLog().begin(), eventLog().end(), "DESTRUCTOR(H1)"), 1);
    EXPECT_EQ(std::count(eventLog().begin(), eventLog().end(), "DESTRUCTOR(H2)"), 1);
    EXPECT_EQ(std::count(eventLog().begin(), eventLog().end(), "deleted:PROP"), 2);
}

TEST_F(Classes, InstanceOutlivesItsClassObject)
{
    call("HERO", "NEW", {"H1"});
    CMC_Object::destroy(object("HERO"));
    EXPECT_EQ(instance("H1")->getClass(), nullptr);
    EXPECT_EQ(instance("H1")->getDefinition(), nullptr);
    EXPECT_EQ(result(call("H1", "SUM", {"1", "1"})), "2");
}

TEST_F(Classes, MissingFilesGiveAnEmptyInstance)
{
    load("OBJECT=GHOST\nGHOST:TYPE=CLASS\nGHOST:DEF=none.def\n");
    EXPECT_EQ(result(call("GHOST", "NEW", {"G1"})), "none");
    ASSERT_NE(instance("G1"), nullptr);
    EXPECT_EQ(instance("G1")->getElementsNo(), 0);
}

} // namespace
