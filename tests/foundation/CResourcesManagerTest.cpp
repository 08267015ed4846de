#include "foundation/CMediaScreen.h"
#include "foundation/CResourcesManager.h"
#include "foundation/CSharedMedium.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What happened to the fake media, in order: "hide X", "screen X", "delete X".
using Events = std::vector<std::string>;

struct FakeMedium : CSharedMedium {
    FakeMedium(const char* file, Events& e) : fileName(file), events(e) {}
    ~FakeMedium() override { events.push_back("delete " + std::string(fileName.c_str())); }
    CXString getFileName() const override { return fileName; }
    void hide() override { events.push_back("hide " + std::string(fileName.c_str())); }
    CXString fileName;
    Events& events;
};

struct FakeScreen : CMediaScreen {
    explicit FakeScreen(Events& e) : events(e) {}
    void removeFromScreen(CSharedMedium* medium) override
    {
        events.push_back("screen " + std::string(medium->getFileName().c_str()));
    }
    Events& events;
};

class ResourcesTest : public ::testing::Test {
protected:
    FakeMedium* medium(const char* file) { return new FakeMedium(file, events); }

    Events events;
    FakeScreen screen{events};
    CResourcesManager manager{&screen};
};

TEST_F(ResourcesTest, LastUserReturnHidesTakesOffScreenAndDeletes)
{
    FakeMedium* cat = medium("dane\\Kot.ann");
    manager.add(cat);
    EXPECT_TRUE(manager.contains(cat));
    EXPECT_TRUE(manager.remove(cat));
    EXPECT_EQ(events, (Events{"hide dane\\Kot.ann", "screen dane\\Kot.ann", "delete dane\\Kot.ann"}));
    EXPECT_FALSE(manager.contains(cat));
    EXPECT_EQ(manager.get("dane\\kot.ann"), nullptr);
}

TEST_F(ResourcesTest, UsersAreCountedAcrossLetterCase)
{
    // "ŁĄKA" and "łąka" in code page 1250.
    FakeMedium* meadow = medium("\xA3\xA5KA.IMG");
    manager.add(meadow);
    EXPECT_EQ(manager.get("\xB3\xB9ka.img"), meadow);
    EXPECT_EQ(manager.get("\xA3\xA5Ka.Img"), meadow);

    EXPECT_FALSE(manager.remove(meadow));
    EXPECT_FALSE(manager.remove(meadow));
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(manager.remove(meadow));
    EXPECT_EQ(events.back(), "delete \xA3\xA5KA.IMG");
}

TEST_F(ResourcesTest, UnknownNamesAndMediaChangeNothing)
{
    FakeMedium* dog = medium("pies.ann");
    FakeMedium stranger("obcy.ann", events);
    manager.add(dog);
    EXPECT_EQ(manager.get("kot.ann"), nullptr);
    EXPECT_FALSE(manager.remove(&stranger));
    EXPECT_FALSE(manager.remove(nullptr));
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(manager.remove(dog));
}

TEST_F(ResourcesTest, DuplicateNamesFindTheFirstAndAMediumAddedTwiceIsDeletedOnce)
{
    FakeMedium* first = medium("a.wav");
    FakeMedium* second = medium("A.WAV");
    FakeMedium* front = medium("a.Wav");
    manager.add(first);
    manager.add(second);
    EXPECT_EQ(manager.get("a.wav"), first);
    manager.insertAt(front, -4);
    EXPECT_EQ(manager.get("a.wav"), front);

    // A second add is one more user of the same entry.
    manager.add(second);
    EXPECT_FALSE(manager.remove(second));
    EXPECT_TRUE(manager.remove(second));

    // An index past the end still lands in the list.
    FakeMedium* late = medium("late.wav");
    manager.insertAt(late, 500);
    EXPECT_EQ(manager.get("LATE.WAV"), late);
    // Destruction flushes the rest: first (2 users), front (2 users) and late.
}

TEST_F(ResourcesTest, NestedManagerServesAndTakesBackWhatItHolds)
{
    CResourcesManager application(nullptr);
    FakeMedium* font = medium("font.fnt");
    application.add(font);
    manager.add(&application);

    EXPECT_EQ(manager.get("FONT.FNT"), font);
    EXPECT_FALSE(manager.contains(font));
    EXPECT_TRUE(application.contains(font));
    // The scene user's return reaches the application's entry; the application's own user remains.
    EXPECT_FALSE(manager.remove(font));
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(application.remove(font));
    // The application's manager has no screen: hidden and deleted only.
    EXPECT_EQ(events, (Events{"hide font.fnt", "delete font.fnt"}));
}

TEST_F(ResourcesTest, FlushDeletesNestedMediaAndUnlinksWithoutHiding)
{
    CResourcesManager application(&screen);
    application.add(medium("app.ann"));
    manager.add(medium("scene.ann"));
    manager.add(&application);

    manager.flush();
    EXPECT_EQ(events, (Events{"delete app.ann", "delete scene.ann"}));
    EXPECT_EQ(manager.get("app.ann"), nullptr);

    // The nested manager is still usable, just no longer linked.
    FakeMedium* again = medium("app.ann");
    application.add(again);
    EXPECT_EQ(manager.get("app.ann"), nullptr);
    EXPECT_EQ(application.get("app.ann"), again);
}

TEST_F(ResourcesTest, LoopsAreNotLinkedAndADestroyedNestedManagerUnlinksItself)
{
    CResourcesManager episode(nullptr);
    {
        CResourcesManager application(nullptr);
        manager.add(&episode);
        episode.add(&application);
        application.add(&manager);
        application.add(&application);
        EXPECT_EQ(manager.get("nowhere.ann"), nullptr);

        application.add(medium("logo.img"));
        EXPECT_NE(manager.get("logo.img"), nullptr);
    }
    EXPECT_EQ(events, Events{"delete logo.img"});
    EXPECT_EQ(manager.get("logo.img"), nullptr);
    EXPECT_EQ(episode.get("logo.img"), nullptr);
}

TEST_F(ResourcesTest, DestructorDeletesEveryMediumWhateverItsCount)
{
    {
        CResourcesManager scene(&screen);
        scene.add(medium("x.ann"));
        scene.add(medium("y.ann"));
        scene.get("x.ann");
    }
    EXPECT_EQ(events, (Events{"delete x.ann", "delete y.ann"}));
}

} // namespace
