#include "foundation/CResourcesManager.h"
#include "graphics/CPlayable.h"
#include "graphics/CPlayableObserver.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// A medium that records what the base asks of it; seek moves the position by the code it gets.
struct FakePlayable : CPlayable {
    explicit FakePlayable(Calls& c) : CPlayable(nullptr), calls(c) {}
    ~FakePlayable() override { calls.push_back("delete"); }
    using CPlayable::play;
    void play() override { calls.push_back("play " + std::string(getParameter().c_str())); }
    void stop(bool notify) override { calls.push_back(notify ? "stop notify" : "stop"); }
    void pause() override {}
    void resume() override {}
    void seek(int code) override { setPlayPosition(playPosition() + (code == SeekNext ? 1 : -1)); }
    void setVisibility(bool visible) override
    {
        calls.push_back(visible ? "visible" : "invisible");
        CPlayable::setVisibility(visible);
    }
    Calls& calls;
};

// Answers as told and records each call as "name:type"; may act inside the call.
struct Observer : CPlayableObserver {
    Observer(const char* n, bool a, Calls& c) : name(n), answer(a), calls(c) {}
    bool record(int type)
    {
        calls.push_back(name + ":" + std::to_string(type));
        if (during)
            during();
        return answer;
    }
    bool onPlayableStarted(CPlayable*) override { return record(1); }
    bool onPlayableTick(CPlayable*) override { return record(2); }
    bool onPlayableFinished(CPlayable*) override { return record(3); }
    bool onPlayableResumed(CPlayable*) override { return record(4); }
    std::string name;
    bool answer;
    Calls& calls;
    std::function<void()> during;
};

class PlayableTest : public ::testing::Test {
protected:
    Calls calls;
    FakePlayable playable{calls};
};

TEST_F(PlayableTest, PlayByEventStopsQuietlyThenPlaysWithTheEventsValue)
{
    playable.addEvent("Walk", "left");
    playable.addEvent("WALK", "right");
    playable.play("wAlK");
    EXPECT_EQ(calls, (Calls{"stop", "play left"}));
    EXPECT_EQ(playable.getLastPlayedEvent(), "wAlK");
    EXPECT_EQ(playable.getStatus(), CPlayable::StatusPlaying);
    EXPECT_EQ(playable.getPlaying(), &playable);

    calls.clear();
    playable.play("run");
    EXPECT_EQ(calls, (Calls{"stop", "play "}));
}

TEST_F(PlayableTest, SettingAnEventsValueMatchesItsNameExactly)
{
    playable.addEvent("Walk", "left");
    playable.addEvent("Walk", "second");
    playable.setParameter("walk", "ignored");
    EXPECT_EQ(playable.getParameter("WALK"), "left");
    playable.setParameter("Walk", "up");
    EXPECT_EQ(playable.getParameter("walk"), "up");
    playable.setParameter("Walk", "down");
    EXPECT_EQ(playable.getParameter("Walk"), "down");
    EXPECT_EQ(playable.getParameter("none"), "");
}

TEST_F(PlayableTest, NotifyAnswersWhatTheLastObserverToldAnswered)
{
    struct Case {
        std::vector<bool> answers;
        bool generic;
        bool expected;
    };
    const Case cases[] = {
        {{true, false}, false, false}, {{false, true}, false, true}, {{}, false, true}, {{true}, true, false}};
    for (const Case& c : cases) {
        Calls told;
        FakePlayable medium(told);
        std::vector<std::unique_ptr<Observer>> observers;
        for (bool answer : c.answers) {
            observers.push_back(std::make_unique<Observer>("o", answer, told));
            medium.addNotifier(observers.back().get());
        }
        Observer generic("g", false, told);
        if (c.generic)
            medium.setGenericNotifier(&generic);
        EXPECT_EQ(medium.notify(CPlayable::Finished), c.expected);
    }
}

TEST_F(PlayableTest, ObserversAreToldInListOrderWithTheGenericOneLast)
{
    Observer first("a", true, calls), second("b", true, calls), generic("g", true, calls);
    playable.setGenericNotifier(&generic);
    playable.addNotifier(&generic);
    playable.addNotifier(&first);
    playable.addNotifier(&first);
    playable.addNotifier(&second);
    for (int type = 0; type <= 5; ++type)
        playable.notify(type);
    EXPECT_EQ(calls, (Calls{"g:1", "a:1", "b:1", "g:1", "g:2", "a:2", "b:2", "g:2", "g:3", "a:3", "b:3", "g:3",
                            "g:4", "a:4", "b:4", "g:4"}));

    calls.clear();
    playable.setNotifier(&second);
    playable.setGenericNotifier(nullptr);
    playable.notify(CPlayable::Tick);
    EXPECT_EQ(calls, (Calls{"b:2"}));
}

TEST_F(PlayableTest, ObserversLeavingDuringNotifyDoNotDisturbTheWalk)
{
    Observer quitter("q", true, calls), dropped("d", true, calls), last("l", false, calls);
    quitter.during = [&] {
        playable.removeNotifier(&quitter);
        playable.removeNotifier(&dropped);
    };
    playable.addNotifier(&quitter);
    playable.addNotifier(&dropped);
    playable.addNotifier(&last);
    EXPECT_FALSE(playable.notify(CPlayable::Started));
    playable.notify(CPlayable::Resumed);
    EXPECT_EQ(calls, (Calls{"q:1", "l:1", "l:4"}));
}

TEST_F(PlayableTest, BaseDefaultsReachTheMediumsOwnOperations)
{
    EXPECT_EQ(playable.getFPS(), 10);
    EXPECT_EQ(playable.next(), 0);
    EXPECT_EQ(playable.next(), 1);
    EXPECT_EQ(playable.previous(), 0);
    EXPECT_TRUE(playable.isParent());
    FakePlayable sequence(calls);
    playable.setParent(&sequence);
    EXPECT_FALSE(playable.isParent());

    calls.clear();
    playable.hide();
    EXPECT_FALSE(playable.isVisible());
    playable.show();
    EXPECT_EQ(calls, (Calls{"invisible", "visible"}));
    EXPECT_EQ(playable.getPlaying(), nullptr);
}

TEST_F(PlayableTest, ResourcesShareAPlayableByItsFileAndHideItOnTheLastReturn)
{
    Calls shared;
    auto* medium = new FakePlayable(shared);
    medium->setFilename("dane\\Kot.ann");
    CResourcesManager resources(nullptr);
    resources.add(medium);
    EXPECT_EQ(resources.get("DANE\\kot.ANN"), medium);
    EXPECT_FALSE(resources.remove(medium));
    EXPECT_TRUE(resources.remove(medium));
    EXPECT_EQ(shared, (Calls{"invisible", "delete"}));
}

} // namespace
