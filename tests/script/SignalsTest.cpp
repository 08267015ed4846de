#include "ScriptScene.h"

#include "script/CMC_HandlerEntry.h"

using namespace scripttest;

namespace {

class Signals : public ScriptScene {
protected:
    void SetUp() override
    {
        ScriptScene::SetUp();
        load("OBJECT=onLeft\n"
             "onLeft:TYPE=BEHAVIOUR\n"
             "OBJECT=onAny\n"
             "onAny:TYPE=BEHAVIOUR\n"
             "OBJECT=door\n"
             "door:TYPE=TESTOBJECT\n"
             "door:ONCLICK^LEFT=onLeft(a, b)\n"
             "door:ONCLICK=onAny\n"
             "door:ONRELEASE=   {A^RUN();}\n"
             "door:ONSIGNAL^OPEN=onAny\n"
             "door:ONSIGNAL=onLeft\n"
             "door:ONINIT=onAny\n"
             "door:ONBOGUS=onAny\n"
             "door:ONCLICK^MIDDLE=nobody\n");
        door = as<TestObject>("door");
        ASSERT_NE(door, nullptr);
        eventLog().clear();
    }

    static CXArray* texts(std::initializer_list<const char*> items)
    {
        auto* list = new CXArray(11, 0.75f);
        for (const char* item : items)
            list->add(new CXString(item));
        return list;
    }

    TestObject* door = nullptr;
};

TEST_F(Signals, SpecificFormFirstAndPlainOnlyWhenNoHandlerTookIt)
{
    EXPECT_TRUE(door->raiseSpecificOrPlain("ONCLICK", "LEFT"));
    EXPECT_TRUE(door->raiseSpecificOrPlain("ONCLICK", "RIGHT"));
    EXPECT_TRUE(door->onSignal("ONCLICK"));
    EXPECT_FALSE(door->onSignal("ONCLICK^RIGHT"));
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"onLeft(door|a,b)", "onAny(door)", "onAny(door)"}));
    // ONCLICK^LEFT set the ONCLICK flag; a property no listed signal starts with binds nothing.
    EXPECT_TRUE(door->isSignalHandled(door->getSignalIndex("ONCLICK")));
    EXPECT_EQ(door->getBehaviour("ONBOGUS"), nullptr);
    // A behaviour name that names nothing binds nothing.
    EXPECT_EQ(door->getBehaviour("ONCLICK^MIDDLE"), nullptr);
}

TEST_F(Signals, ObjectsRaiseONINITWhenInitialised)
{
    door->init();
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"onAny(door)"}));
}

TEST_F(Signals, GivenArgumentsStandInForTheHandlersOwnForOneRaise)
{
    door->overideSignals(false);
    door->addBehaviour("ONCLICK^LEFT", object("onAny"), texts({"own"}), scene);
    CXArray* given = texts({"x"});
    EXPECT_TRUE(door->onSignal("ONCLICK^LEFT", given));
    CXString::releaseToVector(given);
    door->onSignal("ONCLICK^LEFT");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"onLeft(door|x)", "onAny(door|x)", "onLeft(door|a,b)", "onAny(door|own)"}));
}

TEST_F(Signals, InlineCodeBecomesABehaviourOfTheContainer)
{
    auto* inline_ = behaviour("beh_door_ONRELEASE");
    ASSERT_NE(inline_, nullptr);
    EXPECT_STREQ(inline_->code.c_str(), "{A^RUN();}");
    ASSERT_EQ(door->getTmpBehList()->getSize(), 1);
    EXPECT_EQ(door->getTmpBehList()->at(0), inline_);
    EXPECT_TRUE(door->onSignal("ONRELEASE"));
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"beh_door_ONRELEASE(door)"}));

    // Inside a class the class's name is part of the behaviour's name.
    TestScene classContainer("hero", script::TYPE_CLASS);
    load("OBJECT=door\ndoor:TYPE=TESTOBJECT\ndoor:ONINIT={X^Y();}\n", &classContainer);
    EXPECT_NE(classContainer.getObject("beh_hero_door_ONINIT"), nullptr);
    classContainer.unload();
}

TEST_F(Signals, OverrideReplacesAndWithoutItHandlersAccumulate)
{
    door->addBehaviour("ONCLICK", object("onLeft"), nullptr, scene);
    ASSERT_NE(door->getBehaviour("ONCLICK"), nullptr);
    EXPECT_EQ(door->getBehaviour("ONCLICK")->getSize(), 1);
    door->overideSignals(false);
    door->addBehaviour("ONCLICK", object("onAny"), nullptr, scene);
    door->onSignal("ONCLICK");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"onLeft(door)", "onAny(door)"}));
    EXPECT_EQ(door->getSingleBehaviour("ONCLICK", 1)->getBehaviour(), object("onAny"));
    EXPECT_EQ(door->getSingleBehaviour("ONCLICK", 2), nullptr);
    EXPECT_EQ(door->getSingleBehaviour("ONCLICK", -1), nullptr);
    EXPECT_EQ(door->getSingleBehaviour("ONNOTHING", 0), nullptr);
}

TEST_F(Signals, RemovingByContainerForceAndAll)
{
    TestScene other("OTHER");
    door->removeBehaviour("ONCLICK", &other);
    EXPECT_EQ(door->getBehaviour("ONCLICK")->getSize(), 1);
    door->removeBehaviour("ONCLICK", scene);
    ASSERT_NE(door->getBehaviour("ONCLICK"), nullptr); // the key stays, empty
    EXPECT_EQ(door->getBehaviour("ONCLICK")->getSize(), 0);
    EXPECT_FALSE(door->onSignal("ONCLICK"));
    door->removeBehaviourForce("ONCLICK^LEFT");
    EXPECT_FALSE(door->onSignal("ONCLICK^LEFT"));
    door->removeAllBehaviours();
    EXPECT_FALSE(door->onSignal("ONRELEASE"));
    EXPECT_FALSE(door->isSignalHandled(door->getBehaviourIndex("ONRELEASE")));
    EXPECT_TRUE(eventLog().empty());
}

TEST_F(Signals, SendRaisesONSIGNALWithItsTextOrTheTextItself)
{
    door->addBehaviour("@CUSTOM", object("onLeft"), nullptr, scene);
    EXPECT_EQ(call(door, "SEND", {"OPEN"}), nullptr);
    call(door, "SEND", {"@CUSTOM"});
    call(door, "SEND", {"CLOSE"}); // no handler: nothing, not even plain ONSIGNAL
    call(door, "SEND", {"5"});     // a number is sent as its text
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"onAny(door)", "onLeft(door)"}));
}

TEST_F(Signals, CommonBehaviourMethodsTakeDollarForCaret)
{
    call(door, "ADDBEHAVIOUR", {"ONCLICK$RIGHT", "onLeft", "p1", "7"});
    ASSERT_NE(door->getSingleBehaviour("ONCLICK^RIGHT", 0), nullptr);
    door->raiseSpecificOrPlain("ONCLICK", "RIGHT");
    call(door, "ADDBEHAVIOUR", {"ONCLICK$MIDDLE"});           // too few arguments
    call(door, "ADDBEHAVIOUR", {"ONCLICK$MIDDLE", "nobody"}); // no such behaviour
    call(door, "ADDBEHAVIOUR", {"ONREFUSED", "onLeft", "x"}); // the type refuses the key
    EXPECT_EQ(door->getBehaviour("ONCLICK^MIDDLE"), nullptr);
    EXPECT_EQ(door->getBehaviour("ONREFUSED"), nullptr);
    call(door, "REMOVEBEHAVIOUR", {"ONCLICK$RIGHT"});
    EXPECT_EQ(door->getBehaviour("ONCLICK^RIGHT")->getSize(), 0);
    call(door, "REMOVEBEHAVIOURFORCE", {"ONCLICK$LEFT"});
    EXPECT_EQ(door->getBehaviour("ONCLICK^LEFT")->getSize(), 0);
    call(door, "OVERIDESIGNALS", {"FALSE"});
    call(door, "ADDBEHAVIOUR", {"ONCLICK", "onLeft"});
    EXPECT_EQ(door->getBehaviour("ONCLICK")->getSize(), 2);
    call(door, "REMOVEALLBEHAVIOURS");
    EXPECT_EQ(door->getBehaviour("ONCLICK"), nullptr);
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"onLeft(door|p1,7)"}));
}

TEST_F(Signals, ARaiseSurvivesHandlersThatChangeTheHandlersAndDeleteTheirOwner)
{
    door->overideSignals(false);
    door->addBehaviour("ONCLICK", object("onLeft"), nullptr, scene);
    door->addBehaviour("ONCLICK", object("onAny"), nullptr, scene);
    // onAny (first) removes onLeft's entry and attaches a third one: neither runs in this raise.
    behaviour("onAny")->action = [this](CMC_Object* owner, CXArray*) {
        owner->removeBehaviourForce("ONCLICK");
        owner->addBehaviour("ONCLICK", object("beh_door_ONRELEASE"), nullptr, scene);
        return false;
    };
    door->onSignal("ONCLICK");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"onAny(door)"}));

    // A handler that deletes its owner ends the raise cleanly.
    eventLog().clear();
    door->addBehaviour("ONCLICK", object("onLeft"), nullptr, scene);
    behaviour("beh_door_ONRELEASE")->action = [](CMC_Object* owner, CXArray*) {
        CMC_Object::destroy(owner);
        return false;
    };
    door->onSignal("ONCLICK");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"beh_door_ONRELEASE(door)", "deleted:door"}));
    EXPECT_EQ(scene->getObject("door"), nullptr);
}

TEST_F(Signals, HandlersOfDeletedBehavioursAreSkipped)
{
    // A new object takes onLeft's name: the old behaviour is deleted while door still names it.
    scene->addObject(new TestBehaviour(scene, "onLeft", ""));
    EXPECT_TRUE(door->onSignal("ONCLICK^LEFT"));
    CMC_Object::destroy(object("onAny"));
    EXPECT_TRUE(door->onSignal("ONCLICK"));
    EXPECT_TRUE(eventLog().empty());
    // Rebinding by name reaches the new one.
    door->addBehaviour("ONCLICK^LEFT", object("onLeft"), nullptr, scene);
    door->onSignal("ONCLICK^LEFT");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"onLeft(door)"}));
}

TEST_F(Signals, NestedRaisesStopAtTheNestingLimit)
{
    int runs = 0;
    behaviour("onAny")->action = [&runs](CMC_Object* owner, CXArray*) {
        ++runs;
        owner->onSignal("ONCLICK");
        return false;
    };
    EXPECT_TRUE(door->onSignal("ONCLICK"));
    EXPECT_EQ(runs, 100);
}

TEST_F(Signals, HandlersBoundInAnUnloadedSceneAreDropped)
{
    TestScene other("OTHER");
    door->overideSignals(false);
    door->addBehaviour("ONCLICK", object("onLeft"), nullptr, &other);
    door->addBehaviour("ONFOREIGN", object("onLeft"), nullptr, &other);
    door->onSceneDone(&other);
    EXPECT_EQ(door->getBehaviour("ONCLICK")->getSize(), 1);
    EXPECT_EQ(door->getBehaviour("ONFOREIGN"), nullptr);
}

TEST_F(Signals, ClonesCopyEveryHandlerButONINIT)
{
    call(door, "CLONE", {"3"});
    for (const char* name : {"door_1", "door_2", "door_3"})
        EXPECT_NE(as<TestObject>(name), nullptr) << name;
    EXPECT_EQ(object("door_0"), door);
    auto* clone = as<TestObject>("door_2");
    ASSERT_NE(clone, nullptr);
    EXPECT_TRUE(clone->isClone());
    EXPECT_EQ(clone->getBehaviour("ONINIT"), nullptr);
    EXPECT_NE(clone->getBehaviour("ONCLICK^LEFT"), nullptr);
    EXPECT_NE(std::find(clone->verified.begin(), clone->verified.end(), "ONCLICK^LEFT"), clone->verified.end());
    clone->raiseSpecificOrPlain("ONCLICK", "LEFT");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"onLeft(door_2|a,b)"}));
    // The clone's handlers are its own.
    clone->removeBehaviourForce("ONCLICK^LEFT");
    EXPECT_EQ(door->getBehaviour("ONCLICK^LEFT")->getSize(), 1);
    call(door, "CLONE");
    EXPECT_NE(object("door_4"), nullptr);

    CMC_Variable* count = call(door, "GETCLONESNO");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->toString(), "4");
    CMC_Object::flush(count);
    CMC_Variable* index = call("door_2", "GETCLONEINDEX");
    EXPECT_EQ(index->toString(), "2");
    CMC_Object::flush(index);
    CMC_Variable* name = call("door_2", "GETNAME");
    EXPECT_EQ(name->toString(), "door_2");
    CMC_Object::flush(name);

    // Re-made clones take the names over: the old door_1 is deleted.
    eventLog().clear();
    call(door, "RESETCLONES");
    call(door, "CLONE");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"deleted:door_1"}));
    EXPECT_EQ(door->getClonesNo(), 1);
}

TEST(CloneNames, IndexIsTheNumberAfterTheLastUnderscore)
{
    struct Case {
        const char* name;
        int index;
    };
    for (const Case& c : {Case{"ball_12", 12}, Case{"a_b_7", 7}, Case{"ball_", 0}, Case{"_5", 0}, Case{"ball", 0},
                          Case{"ball_x", 0}, Case{"ball_-3", -3}}) {
        CMC_Object object(c.name, 0);
        EXPECT_EQ(object.getCloneIdx(), c.index) << c.name;
    }
    CMC_Object ball("ball", 0);
    EXPECT_STREQ(ball.getCloneName().c_str(), "ball_1");
    EXPECT_STREQ(ball.getCloneName().c_str(), "ball_2");
    ball.resetClones();
    EXPECT_STREQ(ball.getCloneName().c_str(), "ball_1");
}

TEST_F(Signals, DestroyingAnObjectRaisesONDONEOnceMore)
{
    door->addBehaviour("ONDONE", object("onLeft"), nullptr, scene);
    door->done(true);
    CMC_Object::destroy(door);
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"done:door", "onLeft(door)", "onLeft(door)", "deleted:door"}));
}

} // namespace
