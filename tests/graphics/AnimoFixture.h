#pragma once

// An animation made of small generated frames, stepped by an animation manager on the manual
// clock, with an observer that writes what it hears into one log: "start", "finish", and every
// position shown as the event's letter and the position ("a0", "b2").

#include "graphics/CAnimationManager.h"
#include "graphics/CAnimo.h"
#include "graphics/CFrame.h"
#include "graphics/CFrameSoundFactory.h"
#include "graphics/CPlayableObserver.h"
#include "platform/ManualClock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

namespace animotest {

// An event record with positions showing the frames listed.
inline _annEventInfo3 event(const char* name, std::initializer_list<uint16_t> frames, uint16_t loopBack = 0,
                            uint16_t loopPoint = 0, uint16_t loopCount = 0, int flags = 0)
{
    _annEventInfo3 record;
    record.setName(name);
    record.frames = frames;
    record.loopBack = loopBack;
    record.loopPoint = loopPoint;
    record.loopCount = loopCount;
    record.flags = flags;
    return record;
}

// A frame of w × h 16-bit pixels all of one colour, fully opaque, standing at (x, y).
inline CFrame* solidFrame(int w, int h, uint16_t color, int x = 0, int y = 0)
{
    auto* frame = new CFrame(nullptr);
    frame->alloc(CXSize(w, h), 16, false);
    auto* pixels = reinterpret_cast<uint16_t*>(frame->GetDataPtr());
    for (int i = 0; i < w * h; ++i)
        pixels[i] = color;
    std::memset(frame->GetChannelAlpha(), 255, size_t(w) * h);
    frame->SetChannelSize(3, w * h);
    frame->SetPosition(x, y);
    return frame;
}

// A sound that reports what it is asked and plays until told otherwise.
struct FakeSound : CPlayable {
    FakeSound(std::string n, std::string& l) : CPlayable(nullptr), name(std::move(n)), log(l) {}
    ~FakeSound() override { note(" ~"); }
    void play() override
    {
        setStatus(StatusPlaying);
        note(" play:");
    }
    void stop(bool notify) override
    {
        setStatus(0);
        note(" stop:");
    }
    void pause() override
    {
        setStatus(StatusPaused);
        note(" pause:");
    }
    void resume() override {}
    void seek(int) override {}
    void note(const char* what) { log.append(what).append(name); }
    std::string name;
    std::string& log;
};

struct FakeFactory : CFrameSoundFactory {
    explicit FakeFactory(std::string& l) : log(l) { install(this); }
    ~FakeFactory() override { install(nullptr); }
    CPlayable* makeSound(CWindow*, const CXString& name) override { return new FakeSound(name.c_str(), log); }
    CPlayable* makeStream(CWindow*, const CXString& name) override { return new FakeSound(name.c_str(), log); }
    std::string& log;
};

struct Recorder : CPlayableObserver {
    bool onPlayableStarted(CPlayable*) override { return add("start"); }
    bool onPlayableTick(CPlayable*) override
    {
        std::string position(1, char('a' + animo->GetCurrentEvent()));
        position.append(std::to_string(animo->GetCurrentFrameInSequence()));
        return add(position);
    }
    bool onPlayableFinished(CPlayable*) override { return add("finish"); }
    bool add(const std::string& entry)
    {
        if (!log.empty())
            log.push_back(' ');
        log.append(entry);
        return false;
    }
    CAnimo* animo = nullptr;
    std::string log;
};

class AnimoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setClock(&clock);
        CAnimationManager::install(&manager);
        animo = std::make_unique<CAnimo>(nullptr);
        for (int i = 0; i < 8; ++i)
            animo->appendFrame(solidFrame(4, 3, uint16_t(0x1000 + i)));
        animo->SetFPS(10);
        recorder.animo = animo.get();
        animo->addNotifier(&recorder);
    }
    void TearDown() override
    {
        animo.reset();
        CAnimationManager::install(nullptr);
        platform::setClock(nullptr);
    }

    // Turns of the manager, one frame interval apart; stops early once the animation stops.
    void turns(int count)
    {
        for (int i = 0; i < count && animo->IsPlaying(); ++i) {
            clock.advance(100);
            manager.domodal();
        }
    }

    platform::ManualClock clock{0};
    CAnimationManager manager;
    std::unique_ptr<CAnimo> animo;
    Recorder recorder;
};

} // namespace animotest
