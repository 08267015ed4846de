#include "ScriptScene.h"

#include "GameFolder.h"
#include "foundation/CFile.h"
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "script/CMC_HandlerEntry.h"
#include "script/CMC_Integer.h"
#include "script/CMemberList.h"
#include "script/CValueList.h"

using namespace scripttest;

namespace {

// A group double: the members added, in order.
class TestGroup : public CMC_Object, public CMemberList {
public:
    TestGroup() : CMC_Object("group", script::TYPE_GROUP) {}
    void add(CMC_Object* member) override { members.push_back(text(member->getName())); }
    void removeAll() override { members.clear(); }
    std::vector<std::string> members;
};

// An array double: the values added.
class TestArray : public CMC_Object, public CValueList {
public:
    TestArray() : CMC_Object("array", script::TYPE_ARRAY) {}
    void add(CMC_Variable* value) override { values.push_back(text(value->toString())); }
    std::vector<std::string> values;
};

CMC_CreationChain::Creator testObjectOfType(int type)
{
    return [type](CMC_ObjectsContainer* container, CMElement* element) { return new TestObject(container, element, type); };
}

class Container : public ScriptScene {
protected:
    std::vector<std::string> objectNames(CMC_ObjectsContainer* container)
    {
        std::vector<std::string> names;
        for (int i = 0; i < container->getObjects()->getSize(); ++i)
            names.push_back(text(container->getObject(i)->getName()));
        return names;
    }
};

TEST_F(Container, MakesObjectsInPassOrderWhateverTheFileOrder)
{
    CMC_ObjectsContainer* classMadeWith = nullptr;
    CMC_CreationChain::registerCreator("CLASS", [&classMadeWith](CMC_ObjectsContainer* container, CMElement* element) {
        classMadeWith = container;
        return new TestObject(container, element, script::TYPE_CLASS);
    });
    CMC_CreationChain::registerCreator("CONDITION", testObjectOfType(script::TYPE_CONDITION));
    CMC_CreationChain::registerCreator("IMAGE", testObjectOfType(script::TYPE_IMAGE));
    CMC_CreationChain::registerCreator("GROUP", testObjectOfType(script::TYPE_GROUP));
    EXPECT_FALSE(CMC_CreationChain::registerCreator("KOLOROWANKA", testObjectOfType(10002)));

    TestScene classScope("inner", script::TYPE_SCENE);
    classScope.setScene(scene);
    std::vector<std::string> left = load("OBJECT=button\nbutton:TYPE=TESTOBJECT\n"
                                         "OBJECT=members\nmembers:TYPE=GROUP\n"
                                         "OBJECT=picture\npicture:TYPE=IMAGE\n"
                                         "OBJECT=hero\nhero:TYPE=CLASS\n"
                                         "OBJECT=check\ncheck:TYPE=CONDITION\n"
                                         "OBJECT=count\ncount:TYPE=INTEGER\n"
                                         "OBJECT=walk\nwalk:TYPE=BEHAVIOUR\n"
                                         "OBJECT=name\nname:TYPE=STRING\n"
                                         "OBJECT=plain\n"
                                         "OBJECT=strange\nstrange:TYPE=KOLOROWANKA\n"
                                         "OBJECT=sprite\nsprite:TYPE=ANIMO\n",
                                         &classScope);
    EXPECT_EQ(objectNames(&classScope),
              (std::vector<std::string>{"walk", "count", "name", "check", "hero", "picture", "button", "members"}));
    EXPECT_EQ(left, (std::vector<std::string>{"plain", "strange", "sprite"}));
    // CLASS objects are made with the scene but held here; behaviours resolved their conditions
    // once the classes existed.
    EXPECT_EQ(classMadeWith, scene);
    EXPECT_NE(classScope.getObject("hero"), nullptr);
    EXPECT_TRUE(dynamic_cast<TestBehaviour*>(classScope.getObject("walk"))->conditionResolved);
    classScope.unload();
}

TEST_F(Container, FindsByNameThenWithoutUnderscoreZeroThenInTheParents)
{
    TestScene episode("EPISODE", script::TYPE_EPISODE);
    TestScene application("APPLICATION", script::TYPE_APPLICATION);
    episode.setParent(&application);
    auto* ball = new TestObject("ball");
    auto* firstClone = new TestObject("ball_1");
    scene->addObject(ball);
    scene->addObject(firstClone);
    auto* shared = new TestObject("shared");
    application.addObject(shared);
    auto* coin = new TestObject("coin");
    application.addObject(coin);
    scene->setParent(&episode);

    EXPECT_EQ(scene->getObject("ball"), ball);
    EXPECT_EQ(scene->getObject("ball_0"), ball);
    EXPECT_EQ(scene->getObject("ball_1"), firstClone);
    EXPECT_EQ(scene->getObject("shared"), shared);
    EXPECT_EQ(scene->getObject("coin_0"), coin);
    EXPECT_EQ(scene->getObject("nothing"), nullptr);
    // The scene holds its episode and application by name.
    EXPECT_EQ(scene->getObject("EPISODE"), &episode);
    EXPECT_EQ(scene->getObject("APPLICATION"), &application);
    EXPECT_EQ(scene->getObjectId("APPLICATION"), 2);
    EXPECT_EQ(scene->getObjectId("EPISODE"), 3);
    EXPECT_EQ(scene->getVariable("ball"), nullptr);

    // Unloading deletes the scene's own objects and keeps the tree objects alive.
    scene->unload();
    EXPECT_EQ(scene->getElementsNo(), 0);
    EXPECT_EQ(episode.getName(), "EPISODE");
    EXPECT_EQ(scene->getObject("shared"), shared); // still through the parent
    scene->setParent(nullptr);
    EXPECT_EQ(scene->getObject("shared"), nullptr);
    application.unload();
}

TEST_F(Container, ANameTakenOverDeletesTheObjectThatHadIt)
{
    auto* first = new TestObject("ball");
    auto* other = new TestObject("other");
    scene->addObject(first);
    scene->addObject(other);
    scene->addObject(first); // already held under its name: nothing happens
    EXPECT_EQ(scene->getObjectId("ball"), 0);
    auto* second = new TestObject("ball");
    scene->addObject(second);
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"deleted:ball"}));
    EXPECT_EQ(scene->getObject("ball"), second);
    EXPECT_EQ(scene->getObjectId("ball"), 1);
    EXPECT_EQ(scene->getElementsNo(), 2);

    // An episode is held by name only: a newcomer of its name does not delete it.
    TestScene episode("ball", script::TYPE_EPISODE);
    scene->addObject(&episode);
    EXPECT_EQ(scene->getObject("ball"), &episode);
    scene->addObject(new TestObject("ball"));
    EXPECT_EQ(episode.getName(), "ball");
    // A deleted object leaves the container by itself.
    CMC_Object::destroy(scene->getObject("other"));
    EXPECT_EQ(scene->getObject("other"), nullptr);
    EXPECT_EQ(scene->getObjectId("other"), -1);
}

TEST_F(Container, UnloadTellsClassesFirstThenTheEagerThenTheRestAndDeletesInOrder)
{
    CMC_CreationChain::registerCreator("CLASS", testObjectOfType(script::TYPE_CLASS));
    load("OBJECT=bye\nbye:TYPE=BEHAVIOUR\n"
         "OBJECT=plain\nplain:TYPE=TESTOBJECT\n"
         "OBJECT=eager\neager:TYPE=TESTOBJECT\neager:FIRST=TRUE\n"
         "OBJECT=template\ntemplate:TYPE=CLASS\n"
         "OBJECT=last\nlast:TYPE=TESTOBJECT\nlast:ONDONE=bye\n");
    TestScene application("APPLICATION", script::TYPE_APPLICATION);
    application.addObject(new TestBehaviour(&application, "farewell", ""));
    scene->setParent(&application);
    scene->initializeBehaviours(scene, nullptr);
    scene->overideSignals(false);
    scene->addBehaviour("ONDONE", object("bye"), nullptr, scene); // bye is deleted by then
    scene->addBehaviour("ONDONE", application.getObject("farewell"), nullptr, scene);
    eventLog().clear();
    scene->unload();
    EXPECT_EQ(eventLog(), (std::vector<std::string>{
                              "done:template", "done:eager", "done:plain", "done:last", "bye(last)",
                              // deletion in insertion order: last's ONDONE no longer has a behaviour
                              "deleted:template", "deleted:plain", "deleted:eager", "deleted:last",
                              "farewell(SCENE)"}));
    EXPECT_EQ(scene->getObjects()->getSize(), 0);
    application.unload();
}

TEST_F(Container, AContainerDeletedWithoutUnloadDeletesItsObjectsQuietly)
{
    auto* inner = new TestScene("inner", script::TYPE_CLASS);
    auto* kept = new TestObject("kept");
    auto* unheard = new TestBehaviour(inner, "unheard", "");
    inner->addObject(kept);
    inner->addObject(unheard);
    kept->initializeBehaviours(inner, nullptr);
    kept->addBehaviour("ONDONE", unheard, nullptr, inner);
    ASSERT_TRUE(kept->isSignalHandled(1));
    scene->addObject(inner);
    CMC_Object::destroy(inner);
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"deleted:kept"}));
    EXPECT_EQ(scene->getObject("inner"), nullptr);
}

TEST_F(Container, UnloadEndsWhenDoneHandlersDeleteAndMakeObjects)
{
    load("OBJECT=spawn\nspawn:TYPE=BEHAVIOUR\n"
         "OBJECT=a\na:TYPE=TESTOBJECT\na:ONDONE=spawn\n"
         "OBJECT=b\nb:TYPE=TESTOBJECT\n");
    // Every ONDONE of a deletes b and makes a clone of a, whose ONDONE does the same.
    behaviour("spawn")->action = [this](CMC_Object* owner, CXArray*) {
        if (CMC_Object* b = scene->getObject("b"))
            CMC_Object::destroy(b);
        owner->clone(1);
        return false;
    };
    scene->unload();
    EXPECT_EQ(scene->getObjects()->getSize(), 0);
}

TEST_F(Container, AMouseElementNamedMOUSEBindsToTheExistingMouse)
{
    CMC_CreationChain::registerCreator("MOUSE", testObjectOfType(script::TYPE_MOUSE));
    CMC_CreationChain::registerCreator("KEYBOARD", testObjectOfType(script::TYPE_KEYBOARD));
    TestScene application("APPLICATION", script::TYPE_APPLICATION);
    load("OBJECT=MOUSE\nMOUSE:TYPE=MOUSE\nOBJECT=keys\nkeys:TYPE=KEYBOARD\n", &application);
    scene->setParent(&application);
    auto* mouse = application.getObject("MOUSE");
    std::vector<std::string> left = load("OBJECT=onClick\nonClick:TYPE=BEHAVIOUR\n"
                                         "OBJECT=MOUSE\nMOUSE:TYPE=MOUSE\nMOUSE:ONCLICK=onClick\n"
                                         "OBJECT=pointer\npointer:TYPE=MOUSE\n"
                                         "OBJECT=KEYBOARD\nKEYBOARD:TYPE=KEYBOARD\n");
    EXPECT_EQ(left, (std::vector<std::string>{"MOUSE"}));
    EXPECT_EQ(scene->getObject("MOUSE"), mouse);
    EXPECT_NE(scene->getObject("pointer"), nullptr);
    EXPECT_NE(scene->getObject("KEYBOARD"), nullptr); // no object was named KEYBOARD yet
    mouse->onSignal("ONCLICK");
    EXPECT_EQ(eventLog().back(), "onClick(MOUSE)");
    // The scene's handlers go when the scene does.
    scene->onSubSceneDone(scene);
    EXPECT_FALSE(mouse->onSignal("ONCLICK"));
    scene->setParent(nullptr);
    application.unload();
}

TEST_F(Container, GathersObjectsByTypeAndResolvesSingleElementsWithTheirInlineBehaviours)
{
    load("OBJECT=a\na:TYPE=TESTOBJECT\nOBJECT=n\nn:TYPE=INTEGER\nOBJECT=b\nb:TYPE=TESTOBJECT\nOBJECT=m\nm:TYPE=INTEGER\n");
    CXVector* integers = scene->getObjectsOfType(script::TYPE_INTEGER);
    EXPECT_EQ(integers->getSize(), 2);
    delete integers;
    TestGroup group;
    group.members.push_back("stale");
    scene->getObjects("INTEGER", &group);
    EXPECT_EQ(group.members, (std::vector<std::string>{"n", "m"}));

    CMElements* elements = parse("OBJECT=made\nmade:TYPE=STRING\nmade:VALUE=x\nmade:ONCHANGED={A^B();}\n"
                                 "OBJECT=odd\nodd:TYPE=TESTOBJECT\n");
    group.removeAll();
    CXVector* made = scene->resolve(elements->getAt(0), &group);
    ASSERT_EQ(made->getSize(), 1);
    auto* string = static_cast<CMC_Variable*>(made->at(0));
    EXPECT_EQ(string->toString(), "x");
    EXPECT_EQ(group.members, (std::vector<std::string>{"beh_made_ONCHANGED"}));
    EXPECT_EQ(scene->getObject("made"), nullptr); // resolve adds nothing itself
    scene->addObject(string);
    delete made;
    made = scene->resolve(elements->getAt(1), nullptr); // through the plug-in resolution
    ASSERT_EQ(made->getSize(), 1);
    scene->addObject(static_cast<CMC_Object*>(made->at(0)));
    delete made;
}

TEST_F(Container, GraphicsObjectsThroughTheRegisteredAccessors)
{
    auto* hero = reinterpret_cast<CGraphicsObject*>(0x1000);
    auto* walk = reinterpret_cast<CGraphicsObject*>(0x2000);
    CMC_CreationChain::registerGraphicsAccessor(TestObject::kType, [=](CMC_Object*, CMC_ObjectsContainer*, const CXString* part) {
        if (part == nullptr)
            return hero;
        return *part == "walk" ? walk : nullptr;
    });
    scene->addObject(new TestObject("hero"));
    scene->addObject(new TestObject("nothing", script::TYPE_GROUP));
    EXPECT_EQ(scene->getGraphicsObject("hero"), hero);
    EXPECT_EQ(scene->getGraphicsObject("hero!walk"), walk);
    EXPECT_EQ(scene->getGraphicsObject("hero!run"), nullptr);
    EXPECT_EQ(scene->getGraphicsObject(""), nullptr);
    EXPECT_EQ(scene->getGraphicsObject("nothing"), nullptr);
    EXPECT_EQ(scene->getGraphicsObjectName(hero, false), "hero");
    EXPECT_EQ(scene->getGraphicsObjectName(walk, true), "UNKNOWN");
}

TEST_F(Container, InternetObjectsAreCalledEachTurnWhileTheyLive)
{
    CMC_CreationChain::registerCreator("INTERNET", testObjectOfType(script::TYPE_INTERNET));
    load("OBJECT=net\nnet:TYPE=INTERNET\n");
    ASSERT_EQ(scene->getPerFrameObjects().size(), 1u);
    CMC_Object::destroy(object("net"));
    EXPECT_TRUE(scene->getPerFrameObjects().empty());
}

TEST_F(Container, CommonMethodsAddToGroupsAndArrays)
{
    auto* group = new TestGroup();
    auto* array = new TestArray();
    scene->addObject(group);
    scene->addObject(array);
    load("OBJECT=door\ndoor:TYPE=TESTOBJECT\nOBJECT=n\nn:TYPE=INTEGER\nn:VALUE=4\n");
    call("door", "ADDTOGROUP", {"group"});
    call("n", "ADDTOGROUP", {"group"});
    call("door", "ADDTOGROUP", {"nothing"});
    call("door", "ADDTOARRAY", {"array"}); // not a value: nothing
    call("n", "ADDTOARRAY", {"array"});
    call("n", "ADDTOARRAY", {"door"});
    EXPECT_EQ(group->members, (std::vector<std::string>{"door", "n"}));
    EXPECT_EQ(array->values, (std::vector<std::string>{"4"}));
    EXPECT_EQ(call("door", "MSGBOX"), nullptr);
}

TEST_F(Container, StoredHandlersLoadAsPlaceholdersAndRebindByName)
{
    GameFolder folder;
    load("OBJECT=onLeft\nonLeft:TYPE=BEHAVIOUR\nOBJECT=onAny\nonAny:TYPE=BEHAVIOUR\n"
         "OBJECT=door\ndoor:TYPE=TESTOBJECT\ndoor:ONCLICK^LEFT=onLeft(a, b)\ndoor:ONCLICK=onAny\n");
    {
        CFile file(nullptr, GameFolder::gamePath("door.bin").c_str(), CFile::UPDATE | CFile::BINARY);
        CXArchive archive(&file, true);
        object("door")->serialize(&archive);
        file.Close();
    }
    std::string bytes = folder.temp.read("door.bin");
    // Name, two records, each key, behaviour, argument count and arguments.
    std::string expectedStart = std::string("\x04\x00\x00\x00", 4) + "door" + std::string("\x02\x00\x00\x00", 4);
    EXPECT_EQ(bytes.substr(0, expectedStart.size()), expectedStart);

    CFile_Stream stream(bytes.data(), static_cast<int>(bytes.size()));
    CXArchive reading(&stream, false);
    TestObject loaded("empty");
    loaded.serialize(&reading);
    EXPECT_EQ(loaded.getName(), "door");
    // Before rebinding the placeholders run nothing.
    EXPECT_TRUE(loaded.onSignal("ONCLICK"));
    EXPECT_TRUE(eventLog().empty());
    loaded.initializeBehaviours(scene, nullptr);
    loaded.raiseSpecificOrPlain("ONCLICK", "LEFT");
    loaded.onSignal("ONCLICK");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"onLeft(door|a,b)", "onAny(door)"}));

    // A record cut short loads what it can and stops.
    CFile_Stream cut(bytes.data(), static_cast<int>(bytes.size()) - 3);
    CXArchive shortReading(&cut, false);
    TestObject partial("partial");
    partial.serialize(&shortReading);
    EXPECT_EQ(partial.getName(), "door");
}

} // namespace
