#include "FileScene.h"

#include "script/CMC_CNVLoader.h"
#include "script/CMC_Groupped.h"

using namespace scripttest;

namespace {

const char kFile[] = "T:\\extra.cnv";

// A behaviour, a probe run when BALL is initialised, BALL with an inline click handler, and a
// value.
const char kScript[] = "OBJECT=BEH\nBEH:TYPE=BEHAVIOUR\nBEH:CODE=beh\n"
                       "OBJECT=PROBE\nPROBE:TYPE=BEHAVIOUR\nPROBE:CODE=probe\n"
                       "OBJECT=BALL\nBALL:TYPE=TESTOBJECT\nBALL:ONINIT=PROBE\nBALL:ONCLICK={click}\n"
                       "OBJECT=V\nV:TYPE=INTEGER\nV:VALUE=4\n";

class ScriptLoader : public FileScene {
protected:
    void SetUp() override
    {
        FileScene::SetUp();
        folder.temp.write("extra.cnv", kScript);
        // The application's loader; ROOM is the scene that loads.
        loader = new CMC_CNVLoader(nullptr, scene);
        scene->addObject(loader);
        room = new TestScene("ROOM");
        actions()["probe"] = [this](TestBehaviour* self, CMC_Object*, CXArray*) {
            CMC_ObjectsContainer* container = self->getScene();
            seen.push_back(std::string(container->getObject("BALL") != nullptr ? "BALL" : "-") + "/" +
                           (container->getObject("BEH") != nullptr ? "BEH" : "-"));
            return false;
        };
    }

    void TearDown() override
    {
        room->unload();
        CMC_Object::destroy(room);
        FileScene::TearDown();
    }

    // A line of `container` calling the loader.
    void loaderCall(CMC_ObjectsContainer* container, const char* method, const char* file = kFile)
    {
        CXVector arguments(101, 0.75f);
        arguments.add(CMC_VariableFactory::makeString(file));
        CMC_RunnerFactory::getRunnerFor(loader)->run(method, loader, container, &arguments);
        CMC_Object::flush(static_cast<CMC_Variable*>(arguments.at(0)));
    }

    CMC_Groupped* fileGroup() { return CMC_Groupped::from(room->getObject(kFile)); }

    CMC_CNVLoader* loader = nullptr;
    TestScene* room = nullptr;
    std::vector<std::string> seen;
};

TEST_F(ScriptLoader, LoadBuildsTheFileOnceIntoTheCallingContainer)
{
    loaderCall(room, "LOAD");
    loaderCall(room, "LOAD");
    ASSERT_NE(fileGroup(), nullptr);
    EXPECT_EQ(text(fileGroup()->toString()), "BEH,PROBE,beh_BALL_ONCLICK,BALL,V");
    // Five objects and the group.
    EXPECT_EQ(room->getElementsNo(), 6);
    EXPECT_EQ(seen, std::vector<std::string>{"-/BEH"});
    EXPECT_EQ(loader->getScene(), room);
    EXPECT_EQ(object("BALL"), nullptr);
}

TEST_F(ScriptLoader, ReleaseRemovesWhatLoadMadeAndTheirClones)
{
    loaderCall(room, "LOAD");
    CMC_Object* ball = room->getObject("BALL");
    ASSERT_NE(ball, nullptr);
    ball->clone(2);
    ASSERT_NE(room->getObject("BALL_2"), nullptr);
    load("OBJECT=KEEP\nKEEP:TYPE=INTEGER\n", room);
    eventLog().clear();

    // Released from another container: it works where the last LOAD put the objects.
    loaderCall(scene, "RELEASE");
    EXPECT_EQ(room->getElementsNo(), 1);
    EXPECT_NE(room->getObject("KEEP"), nullptr);
    EXPECT_EQ((std::vector<std::string>(eventLog().begin(), eventLog().end())),
              (std::vector<std::string>{"done:BALL_1", "deleted:BALL_1", "done:BALL_2", "deleted:BALL_2", "done:BALL", "deleted:BALL"}));

    // Loaded again, it builds again; a name that was never loaded changes nothing.
    loaderCall(room, "LOAD");
    EXPECT_EQ(room->getElementsNo(), 7);
    loaderCall(room, "RELEASE", "T:\\other.cnv");
    EXPECT_EQ(room->getElementsNo(), 7);
}

TEST_F(ScriptLoader, ReleasedObjectsLeaveEveryOtherHolder)
{
    loaderCall(room, "LOAD");
    load("OBJECT=SET\nSET:TYPE=GROUP\nOBJECT=DOOR\nDOOR:TYPE=TESTOBJECT\n", room);
    CMC_Groupped* set = CMC_Groupped::from(room->getObject("SET"));
    set->add(room->getObject("BALL"));
    set->add(room->getObject("V"));
    CMC_Object* door = room->getObject("DOOR");
    door->addBehaviour("ONCLICK", room->getObject("BEH"), nullptr, room);
    // The container itself in the file's group is not deleted with the rest.
    fileGroup()->add(room);
    loaderCall(room, "RELEASE");
    EXPECT_EQ(room->getObject(kFile), nullptr);
    EXPECT_EQ(set->getSize(), 0);
    // The handler of the released behaviour is skipped.
    eventLog().clear();
    door->onSignal("ONCLICK");
    EXPECT_TRUE(eventLog().empty());
}

TEST_F(ScriptLoader, FilesThatLoadThemselvesOrCannotBeReadBuildNothingMore)
{
    int probes = 0;
    actions()["probe"] = [this, &probes](TestBehaviour*, CMC_Object*, CXArray*) {
        ++probes;
        loader->load(kFile);
        return false;
    };
    loaderCall(room, "LOAD");
    EXPECT_EQ(probes, 1);
    EXPECT_EQ(room->getElementsNo(), 6);

    folder.temp.write("empty.cnv", "# nothing here\n");
    loaderCall(room, "LOAD", "T:\\empty.cnv");
    loaderCall(room, "LOAD", "T:\\missing.cnv");
    EXPECT_EQ(room->getObject("T:\\empty.cnv"), nullptr);
    EXPECT_EQ(room->getElementsNo(), 6);
}

} // namespace
