#pragma once

// Sequences and speaking animations under test: the sound window (headless mixer, sound manager,
// window turns every 10 ms) with a screen on the headless display, an animation manager stepping
// the animations, a resources manager sharing media by file name, and the engine's seedable
// generator seeded. Animation files are written by the engine's own writer: every event shows
// two frames of its own, so the frames shown tell which event plays.

#include "SoundWindowFixture.h"

#include "graphics/AnimoFixture.h"

#include "foundation/CFile.h"
#include "foundation/CResourcesManager.h"
#include "foundation/CXRandom.h"
#include "graphics/CAnimationManager.h"
#include "graphics/CAnimo.h"
#include "graphics/CPlayableObserver.h"
#include "graphics/CRefreshScreen.h"
#include "platform/HeadlessDisplay.h"
#include "script/CMC_Object.h"
#include "script/CMC_TypeIds.h"
#include "sound/CSceneMediaLink.h"
#include "sound/CSound4.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace soundtest {

// Writes what a playable reports: "start" and "finish" of the playable, and for an animation the
// event each play starts and every frame it shows.
struct PlayLog : CPlayableObserver {
    bool onPlayableStarted(CPlayable* playable) override
    {
        auto* animo = dynamic_cast<CAnimo*>(playable);
        add(animo != nullptr ? std::string(animo->getCurrentEventName().c_str()) : "start");
        return false;
    }
    bool onPlayableTick(CPlayable* playable) override
    {
        if (auto* animo = dynamic_cast<CAnimo*>(playable))
            frames.insert(animo->GetFrameNo());
        return false;
    }
    bool onPlayableFinished(CPlayable* playable) override
    {
        if (dynamic_cast<CAnimo*>(playable) == nullptr) {
            add("finish");
            ++finishes;
        }
        return false;
    }
    void add(const std::string& entry) { entries.push_back(entry); }

    std::vector<std::string> entries;
    std::set<int> frames;
    int finishes = 0;
};

// A script object of the test's scene that holds a medium: an ANIMO's animation (type 2000) or a
// SOUND's sound (type 2005), with the playables that borrow it.
struct MediaObject : CMC_Object {
    MediaObject(const char* name, int type, CPlayable* held) : CMC_Object(name, type), medium(held) {}
    CPlayable* medium;
    std::vector<CPlayable*> borrowers;
};

// The live scene as the script layer shows it to sequences: its objects by name, each taken as
// an animation or a sound only when its type says so.
struct TestScene : CSceneMediaLink {
    TestScene() { install(this); }
    ~TestScene() override { install(nullptr); }
    MediaObject* add(const char* name, int type, CPlayable* held)
    {
        objects[name] = std::make_unique<MediaObject>(name, type, held);
        return objects[name].get();
    }
    MediaObject* find(const CXString& name, int type)
    {
        auto found = objects.find(name.c_str());
        return found != objects.end() && found->second->getType() == type ? found->second.get() : nullptr;
    }
    CMC_Object* findAnimo(CWindow*, const CXString& name) override
    {
        MediaObject* object = find(name, script::TYPE_ANIMO);
        return object != nullptr && object->medium != nullptr ? object : nullptr;
    }
    CAnimo* getAnimo(CMC_Object* animo) override { return dynamic_cast<CAnimo*>(static_cast<MediaObject*>(animo)->medium); }
    void addSeq(CMC_Object* animo, CPlayable* playable) override { static_cast<MediaObject*>(animo)->borrowers.push_back(playable); }
    void removeSeq(CMC_Object* animo, CPlayable* playable) override
    {
        auto& borrowers = static_cast<MediaObject*>(animo)->borrowers;
        borrowers.erase(std::remove(borrowers.begin(), borrowers.end(), playable), borrowers.end());
    }
    CSound4* findSound(CWindow*, const CXString& name) override
    {
        MediaObject* object = find(name, script::TYPE_SOUND);
        return object != nullptr ? dynamic_cast<CSound4*>(object->medium) : nullptr;
    }
    // The object loads another animation (or lets its own go): every borrower is given it.
    void lend(MediaObject* animo, CAnimo* animation)
    {
        animo->medium = animation;
        for (CPlayable* borrower : animo->borrowers)
            borrower->substAnimation(animation);
    }

    std::map<std::string, std::unique_ptr<MediaObject>> objects;
};

class SequenceFixture : public SoundWindowFixture {
protected:
    void SetUp() override
    {
        SoundWindowFixture::SetUp();
        platform::setDisplay(&display_);
        window_->CreateSurface();
        CFile::chDir("T:\\");
        CAnimationManager::install(&animations_);
        CXRandom::seed(7);
        resources_ = std::make_unique<CResourcesManager>(window_.get());
    }
    void TearDown() override
    {
        resources_.reset();
        CAnimationManager::install(nullptr);
        SoundWindowFixture::TearDown();
        platform::setDisplay(nullptr);
    }

    // An animation file at 10 frames a second whose events, in order, show frames 2i and 2i + 1;
    // with no events, two frames alone. Its game path.
    std::string writeAnimation(const std::string& name, const std::vector<std::string>& events)
    {
        CAnimo animo(nullptr);
        const size_t frames = std::max<size_t>(2, 2 * events.size());
        for (size_t frame = 0; frame < frames; ++frame)
            animo.appendFrame(animotest::solidFrame(4, 3, uint16_t(0x100 + frame), int(frame), 0));
        for (size_t i = 0; i < events.size(); ++i)
            animo.AddEvent(animotest::event(events[i].c_str(), {uint16_t(2 * i), uint16_t(2 * i + 1)}));
        animo.SetFPS(10);
        const std::string path = GameFolder::gamePath(name);
        animo.Save(path.c_str(), COMPRESSION_NONE);
        return path;
    }
    // A mono speech of that many milliseconds at 8 kHz; its game path.
    std::string writeSpeech(const std::string& name, int ms)
    {
        return put(name, wave({.data = samples(ramp(int(kRate) * ms / 1000))}));
    }
    // The event whose frames include the frame, in a file written with these events.
    static std::string eventOfFrame(const std::vector<std::string>& events, int frame)
    {
        return frame >= 0 && size_t(frame / 2) < events.size() ? events[size_t(frame / 2)] : "none";
    }
    int screenPriorityOf(CGraphicsObject* object) { return window_->GetRefreshScreenInterface()->GetPriority(object); }
    // Window turns of 10 ms until the log heard a finish, at most `ms`; the milliseconds taken.
    int turnsUntilFinished(const PlayLog& log, int ms)
    {
        int passed = 0;
        while (log.finishes == 0 && passed < ms) {
            turns(10);
            passed += 10;
        }
        return passed;
    }

    platform::HeadlessDisplay display_;
    CAnimationManager animations_;
    std::unique_ptr<CResourcesManager> resources_;
};

} // namespace soundtest
